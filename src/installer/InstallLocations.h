// Where an installation goes and where the installer keeps its record.
#pragma once

#include <QString>
#include <QStringList>

namespace vantor::installer {

struct TInstallLocations {
    QString DataHome;   // the user's data folder: applications/, icons/, metainfo/ below it
    QString ConfigHome; // the user's settings folder: the record below it

    // From the XDG variables and the home folder.
    static TInstallLocations ForUser();

    [[nodiscard]] QString DefaultFolder() const { return DataHome + QStringLiteral("/Vantor"); }
    [[nodiscard]] QString RecordFile() const { return ConfigHome + QStringLiteral("/Vantor/installation.ini"); }
};

// What the installer put where: read back for upgrades and the uninstall.
struct TInstallRecord {
    QString Folder;           // the installation, absolute, no trailing "/"
    QString Version;          // "a.b.c.d"
    QStringList ProgramFiles; // relative to Folder
    QStringList DataFiles;    // the shipped databases and catalogues, relative to Folder
    QStringList DesktopFiles; // relative to DataHome
};

// False when there is no record or it names no folder.
[[nodiscard]] bool ReadInstallRecord(const QString& AFile, TInstallRecord& ARecord);
[[nodiscard]] QByteArray InstallRecordBytes(const TInstallRecord& ARecord);

} // namespace vantor::installer
