#include "installer/InstallLocations.h"

#include "common/IniFile.h"
#include "support/UserFolders.h"

namespace vantor::installer {

namespace {

const QString MainSection = QStringLiteral("Installation");
const QString ProgramSection = QStringLiteral("ProgramFiles");
const QString DesktopSection = QStringLiteral("DesktopFiles");
const QString DataSection = QStringLiteral("DataFiles");

QStringList Values(const IniDocument& ADocument, const QString& ASection)
{
    QStringList values;
    for (const auto& entry : ADocument.entries(ASection)) {
        if (!entry.second.isEmpty())
            values.append(entry.second);
    }
    return values;
}

void WriteList(IniDocument& ADocument, const QString& ASection, const QStringList& AValues)
{
    for (qsizetype i = 0; i < AValues.size(); ++i)
        ADocument.writeString(ASection, QString::number(i + 1), AValues.at(i));
}

} // namespace

TInstallLocations TInstallLocations::ForUser()
{
    return {platform::UserDataFolder(), platform::UserConfigFolder()};
}

bool ReadInstallRecord(const QString& AFile, TInstallRecord& ARecord)
{
    IniDocument document;
    if (!document.loadFile(AFile))
        return false;
    ARecord.Folder = document.readString(MainSection, QStringLiteral("Folder"));
    ARecord.Version = document.readString(MainSection, QStringLiteral("Version"));
    ARecord.ProgramFiles = Values(document, ProgramSection);
    ARecord.DataFiles = Values(document, DataSection);
    ARecord.DesktopFiles = Values(document, DesktopSection);
    return !ARecord.Folder.isEmpty();
}

QByteArray InstallRecordBytes(const TInstallRecord& ARecord)
{
    IniDocument document;
    document.loadBytes("; Written by the Vantor installer: what it installed, for upgrades and the uninstall.\n");
    document.writeString(MainSection, QStringLiteral("Folder"), ARecord.Folder);
    document.writeString(MainSection, QStringLiteral("Version"), ARecord.Version);
    WriteList(document, ProgramSection, ARecord.ProgramFiles);
    WriteList(document, DataSection, ARecord.DataFiles);
    WriteList(document, DesktopSection, ARecord.DesktopFiles);
    return document.toBytes();
}

} // namespace vantor::installer
