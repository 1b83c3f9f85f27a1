// Updater: installs the staged database and catalogue files over the
// installation once the main program has ended, and restarts it.
#include "i18n/uLanguages.h"
#include "support/FileSystem.h"
#include "updater/FrmUpdater.h"
#include "updater/UpdaterSkin.h"
#include "updater/uMain.h"

#include <QApplication>
#include <QFile>

int main(int argc, char** argv)
{
    // Read before any window exists, so that a wrong start ends silently even
    // where no display can be opened.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QFile::decodeName(argv[i])); // paths, decoded as file names
    if (!vantor::ReadInputParameters(parameters))
        return 1;
    vantor::SetTextLanguage(vantor::GlobalSetupData.LanguageId);

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Updater"));
    vantor::ApplyUpdaterSkin(vantor::platform::ProgramFolder());
    vantor::TFrmUpdater form;
    form.show();
    return app.exec();
}
