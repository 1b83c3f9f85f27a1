#include "update/AcceptedManifests.h"

#include "common/IniFile.h"
#include "support/FileSystem.h"
#include "support/UserFolders.h"
#include "update/ManifestListing.h"

#include <QFileInfo>

namespace vantor {

namespace {

// Host names match without regard to case; the section is the server as configured.
QString SectionOf(const QString& AServer)
{
    return AServer.trimmed().toLower();
}

} // namespace

QString AcceptedManifestsFile()
{
    return platform::UserStateFolder() + QStringLiteral("/Vantor/AcceptedManifests.ini");
}

QDateTime TAcceptedManifests::Newest(const QString& AServer, int AChannel) const
{
    IniDocument ini;
    if (!ini.loadFile(file_))
        return {};
    return ParseIssued(ini.readString(SectionOf(AServer), QString::number(AChannel)).trimmed());
}

bool TAcceptedManifests::Remember(const QString& AServer, int AChannel, const QDateTime& AIssued) const
{
    if (!AIssued.isValid())
        return false;
    const QDateTime newest = Newest(AServer, AChannel);
    if (newest.isValid() && newest >= AIssued)
        return true;
    IniDocument ini;
    if (QFileInfo::exists(file_) && !ini.loadFile(file_))
        return false;
    if (ini.toBytes().isEmpty())
        ini.loadBytes("; Written by Vantor: the newest update manifest accepted from each server, by channel.\n");
    const QString folder = QFileInfo(file_).absolutePath();
    return platform::CreatePrivateFolder(folder) &&
           ini.writeString(SectionOf(AServer), QString::number(AChannel), FormatIssued(AIssued)) && ini.saveFile(file_);
}

} // namespace vantor
