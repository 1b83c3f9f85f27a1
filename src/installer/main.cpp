// VantorSetup: installs the release it lies in for the current user,
// upgrades an installation, or removes it (the Setup launcher starts it).
#include "common/TextHelpers.h"
#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "installer/FrmInstaller.h"
#include "installer/InstallerTexts.h"
#include "installer/SetupArguments.h"
#include "skins/SkinManager.h"
#include "support/CloseMainProgram.h"
#include "support/FileSystem.h"
#include "support/Process.h"
#include "support/WindowChannel.h"
#include "widgets/MessagePresenter.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <memory>

using namespace vantor;
using namespace vantor::installer;

namespace {

// The main program's window class, which the quit request addresses.
const QString MainWindowClass = QStringLiteral("TFrmVantorMain");

void Print(std::FILE* AStream, const QString& AText)
{
    std::fprintf(AStream, "%s\n", AText.toLocal8Bit().constData());
}

// Asks every running Vantor of the user to quit and waits until none is
// left; false when one did not close in time.
bool CloseRunningVantor()
{
    return platform::WindowChannel::CountRunning(MainWindowClass) == 0 || CloseMainProgram(MainWindowClass);
}

TInstallResult StillRunning(const QString& AFolder)
{
    TInstallResult result;
    result.Status = TInstallStatus::StillRunning;
    result.Folder = AFolder;
    return result;
}

void WearReleaseSkin(const QString& AFolder, int AOemId)
{
    GlobalSetupData.UsageType = UsageTypeOfOem(AOemId, GlobalSetupData.UsageType);
    GlobalSetupData.RootPath = AFolder + QLatin1Char('/');
    ApplySkin(GlobalSetupData.UsageType, GlobalSetupData.RootPath);
}

// Runs the work with the window, or without one when quiet; the result.
TInstallResult Run(bool AQuiet, const QString& AActionText, const TFrmInstaller::TWork& AWork,
                   std::uint64_t AReleaseVersion)
{
    if (AQuiet)
        return AWork(TProgress());
    TFrmInstaller window(AActionText, AWork, AReleaseVersion);
    window.show();
    window.exec();
    return window.Result();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    QString error;
    const auto parsed = ParseSetupArguments(arguments, &error);
    if (!parsed) {
        std::fprintf(stderr, "Setup: %s\n%s", error.toLocal8Bit().constData(), SetupUsage().toLocal8Bit().constData());
        return ExitUsage;
    }
    const TSetupArguments& options = *parsed;

    // Quiet runs need no display; the icons are drawn on images all the same.
    if (options.Quiet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Vantor Setup"));

    const QString releaseFolder = platform::ProgramFolder().chopped(1);
    (void)LoadTranslations(releaseFolder + QStringLiteral("/Lang/Languages.xml"));
    SetTextLanguage(options.LanguageId.isEmpty() ? QStringLiteral("ENG") : options.LanguageId);
    const TInstallLocations locations = TInstallLocations::ForUser();

    TInstallResult result;
    TRelease release;
    const bool haveRelease = ReadRelease(releaseFolder, release);
    if (!options.Quiet)
        WearReleaseSkin(releaseFolder, release.OemId);

    if (options.Uninstall) {
        TInstallRecord record;
        const QString folder = ReadInstallRecord(locations.RecordFile(), record) ? record.Folder : QString();
        bool purge = options.Purge;
        if (!options.Quiet && !folder.isEmpty()) {
            MessageBoxRequest question;
            question.Title = Text("IDS_SETUP_12", "Vantor Setup");
            question.Text = FormatPercentS(Text("IDS_SETUP_14", "Remove your settings and the catalogues and databases "
                                                                "Vantor installed in %s too? Files you added "
                                                                "yourself stay."),
                                           {folder});
            question.Kind = TMsgDlgType::mtConfirmation;
            question.Buttons = mbYes | mbNo;
            purge = CurrentMessagePresenter().ShowMessage(question) == mrYes;
        }
        result = Run(
            options.Quiet, UninstallingText(folder),
            [&](const TProgress&) {
                if (!CloseRunningVantor())
                    return StillRunning(folder);
                return Uninstall(locations, purge);
            },
            release.Version);
    } else {
        if (!haveRelease) {
            Print(stderr,
                  FormatPercentS(Text("IDS_SETUP_15", "Setup: no Vantor release lies in %s."), {releaseFolder}));
            return ExitFailure;
        }
        TInstaller installer(locations, release);
        const QString folder = installer.ChooseFolder(options.HandOffFolder, options.Folder);
        result = Run(
            options.Quiet, InstallingText(folder, release.Version),
            [&](const TProgress& AProgress) {
                // The running program's files are about to be replaced.
                if (InstalledVersionOf(folder) != 0 && !CloseRunningVantor())
                    return StillRunning(folder);
                installer.SetProgress(AProgress);
                installer.SetForce(options.Force);
                return installer.Install(folder, options.LanguageId);
            },
            release.Version);
        // An upgrade brings the user back to the program; a scripted one only
        // when the program itself handed over.
        if (result.Status == TInstallStatus::Upgraded && (!options.Quiet || !options.HandOffFolder.isEmpty()))
            (void)platform::StartDetachedArguments({folder + QStringLiteral("/Vantor")});
    }
    if (options.Quiet)
        Print(result.Ok() ? stdout : stderr, OutcomeText(result, release.Version));
    return result.Ok() ? ExitSuccess : ExitFailure;
}
