// Entry of the main program.
#include "common/uConstants.h"
#include "shell/StartupData.h"
#include "shell/dlgMain.h"
#include "support/FileSystem.h"
#include "support/NamedObject.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace vantor;

    // Marks the program as running for this user; a second copy opens the
    // same object and starts normally.
    platform::NamedObject appMutex;
    appMutex.Open(QLatin1String(AppMutexName));

    // The configuration, translations and catalogue checks need no window:
    // they run while Qt starts, and the main window takes their results.
    BeginStartupData(platform::ProgramFolder());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));

    int exitCode = 1;
    {
        TFrmVantorMain mainWindow(platform::ProgramFolder());
        // A failed start-up has shown its one fatal message already.
        if (mainWindow.IsEngineReady()) {
            mainWindow.show();
            exitCode = QApplication::exec();
            // A fatal error later on ends the program as a failed start does.
            if (mainWindow.endedWithFatalError())
                exitCode = 1;
        }
        // The named object goes before the window's resources are released.
        appMutex.Close();
    }
    return exitCode;
}
