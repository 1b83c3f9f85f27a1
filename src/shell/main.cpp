// Entry of the main program.
#include "common/uConstants.h"
#include "shell/ShellSession.h"
#include "shell/StartupData.h"
#include "shell/dlgMain.h"
#include "support/FileSystem.h"
#include "support/NamedObject.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    using namespace vantor;

    // Marks the program as running for this user; a second copy opens the
    // same object and starts normally.
    platform::NamedObject appMutex;
    (void)appMutex.Open(QLatin1String(AppMutexName));

    // The configuration, translations and catalogue checks need no window:
    // they run while Qt starts, and the main window takes their results.
    BeginStartupData(platform::ProgramFolder());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));

    int exitCode = 1;
    {
        TShellSession session(platform::ProgramFolder(),
                              [](TShellSession& ASession) { return std::make_unique<TFrmVantorMain>(ASession); });
        // A failed start-up has shown its one fatal message already.
        if (session.start()) {
            session.View()->Window()->show();
            exitCode = QApplication::exec();
            // A fatal error later on ends the program as a failed start does.
            if (session.endedWithFatalError())
                exitCode = 1;
        }
        // The named object goes before the session's resources are released.
        appMutex.Close();
    }
    return exitCode;
}
