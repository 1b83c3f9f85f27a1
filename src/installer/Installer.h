// Installing a Vantor release for one user, upgrading an installation and
// removing it again; no windows here. Every change to the installation
// happens all or nothing: a failure leaves it as it was.
#pragma once

#include "installer/InstallLocations.h"
#include "support/SafeFolderCopy.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace vantor::installer {

// The release lying beside the installer.
struct TRelease {
    QString Folder;            // no trailing "/"
    std::uint64_t Version = 0; // of its Vantor: major, minor, release, build in 16 bits each
    QString DefaultCatalogue;  // sCode of a new user's settings
    int OemId = 0;             // the release's branding
};

// The four parts of a version, "a.b.c.d".
[[nodiscard]] QString VersionText(std::uint64_t AVersion);

// The version note of AFolder's Vantor; 0 when there is none.
std::uint64_t InstalledVersionOf(const QString& AFolder);

// Reads the release in AFolder: its Vantor's version and, from Release.ini
// ([Release] sCode, iOemId), the defaults for new users (without it: the
// first catalogue folder and branding 0). False when no Vantor with a
// version note lies there.
[[nodiscard]] bool ReadRelease(const QString& AFolder, TRelease& ARelease);

enum class TInstallStatus {
    Installed, // a fresh installation
    Upgraded,  // an existing installation brought to the release
    Uninstalled,
    OlderRelease,    // the installation is newer than the release: nothing done
    NotInstalled,    // uninstall without a record: nothing to do
    LinkInTheWay,    // a link where the installation has a folder: nothing done
    SameFolder,      // the release lies in the folder it would go to: nothing done
    CopyFailed,      // writing failed: everything is as it was
    RemoveFailed,    // some files could not be removed (Detail names the first); the record lists them
    NotVantorFolder, // the folder holds other files and no Vantor: nothing done without force
    BadFolderName,   // the folder's name holds a control character: nothing done
    StillRunning,    // Vantor did not close when asked: nothing done
};

struct TInstallResult {
    TInstallStatus Status = TInstallStatus::CopyFailed;
    QString Folder;
    QString Detail; // a path, where one is at fault

    [[nodiscard]] bool Ok() const
    {
        return Status == TInstallStatus::Installed || Status == TInstallStatus::Upgraded ||
               Status == TInstallStatus::Uninstalled;
    }
};

// Reports files as they are written: Done of Total.
using TProgress = std::function<void(int ADone, int ATotal)>;

class TInstaller {
public:
    TInstaller(TInstallLocations ALocations, TRelease ARelease);

    void SetProgress(TProgress AProgress) { progress_ = std::move(AProgress); }
    // Called before every change to the disk (tests fail steps with it).
    void SetStepHook(platform::TCopyStepHook AHook) { hook_ = std::move(AHook); }
    // Installs also into a folder that holds files but no Vantor installation.
    void SetForce(bool AForce) { force_ = AForce; }

    // The folder an install or upgrade goes to: the hand-off's, else the
    // user's choice, else the recorded installation, else the default.
    [[nodiscard]] QString ChooseFolder(const QString& AHandOffFolder, const QString& AChosenFolder) const;

    // A folder with a Vantor that carries a version note is upgraded (its
    // Vantor.ini kept, databases newer than the shipped ones kept); a missing
    // or empty folder, or one an uninstall left settings in, gets a fresh
    // installation with settings for ALanguageId. Any other folder that holds
    // files is refused unless forced, and so is a name with a control
    // character.
    TInstallResult Install(const QString& AFolder, const QString& ALanguageId);

private:
    [[nodiscard]] bool LinkInTheWay(const QString& AFolder, const QStringList& ARelativeFiles, QString& AAt) const;
    [[nodiscard]] bool KeepInstalled(const QString& AFolder, const QString& ARelative) const;
    [[nodiscard]] QByteArray NewSettings(const QString& AFolder, const QString& ALanguageId) const;

    TInstallLocations locations_;
    TRelease release_;
    TProgress progress_;
    platform::TCopyStepHook hook_;
    bool force_ = false;
};

// True when AFolder's name holds a control character (a line break, a tab):
// such a name would break the desktop entry and the messages that name it.
[[nodiscard]] bool HasControlCharacter(const QString& AFolder);

// AFolder with every control character written as an escape ("\n", "\x1b"),
// for messages.
[[nodiscard]] QString PrintableFolder(const QString& AFolder);

// Removes what the record lists: program files, menu entry, icons,
// metainfo and the record itself; with APurge also the settings, databases
// and catalogues the installer put there. Files the installation never
// shipped stay. Never follows a link out of the installation. When a file
// cannot be removed, the record stays and lists what is left.
TInstallResult Uninstall(const TInstallLocations& ALocations, bool APurge);

} // namespace vantor::installer
