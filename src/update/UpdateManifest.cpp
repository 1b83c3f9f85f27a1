#include "update/UpdateManifest.h"

#include "common/IniFile.h"
#include "common/TextHelpers.h"

namespace vantor {

namespace {

// A decimal integer in the 32-bit range, optionally signed, with nothing else
// around it; Fallback otherwise.
std::int64_t ToInteger(const QString& text, std::int64_t fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

} // namespace

QString UpdateManifestUrl(const QString& host, std::int32_t oemId, const QString& fileName)
{
    QString server = host;
    if (!server.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) &&
        !server.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        server.prepend(QLatin1String("http://"));
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return QStringLiteral("%1/Updates/Vantorix/%2/%3").arg(server).arg(oemId).arg(fileName);
}

void ReadUpdateManifest(const QString& FileName, TUpdatedData& Data)
{
    Data = TUpdatedData();
    IniDocument ini;
    if (ini.loadFile(FileName))
        ReadUpdateManifest(ini, Data);
}

void ReadUpdateManifest(const IniDocument& ini, TUpdatedData& Data)
{
    Data = TUpdatedData();
    const auto value = [&](const QString& section, const char* key) {
        return ini.readString(section, QString::fromLatin1(key)).trimmed();
    };
    const QString main = QStringLiteral("MAIN");
    Data.Product.Version = StrToInfoVersion(value(main, "ProgramVersion"));
    Data.Product.WebLink = value(main, "ProgramLink_NoAdmin");
    Data.DbMain.Version = StrToInfoVersion(value(main, "DatabaseVersion"));
    Data.DbMain.WebLink = value(main, "DatabaseLink");
    Data.DbDevices.Version = StrToInfoVersion(value(main, "DevicesVersion"));
    Data.DbDevices.WebLink = value(main, "DevicesLink");
    Data.Catalogues.WebLinks.Database = value(main, "CataloguesLink");
    Data.Catalogues.WebLinks.Pricelist = value(main, "PricelistsLink");

    // Only the values of the list count, in file order, duplicates included.
    for (const auto& [key, listed] : ini.entries(QStringLiteral("CATALOGUES_LIST"))) {
        Q_UNUSED(key);
        const QString code = listed.trimmed();
        if (code.isEmpty())
            continue;
        TUpdatedCatalogueItem item;
        item.Code = code;
        item.Database.Version = value(code, "CatalogueVersion");
        item.Pricelist.Version = value(code, "PricelistVersion");
        Data.Catalogues.Items.append(item);
    }
}

TInfoVersion StrToInfoVersion(const QString& Text)
{
    QString rest = Text;
    std::int16_t parts[4] = {0, 0, 0, 0};
    for (std::int16_t& part : parts) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        QString piece;
        if (dot < 0) {
            piece = rest;
            rest.clear();
        } else {
            piece = rest.left(dot);
            rest = rest.mid(dot + 1);
        }
        part = static_cast<std::int16_t>(static_cast<std::uint16_t>(ToInteger(piece, 0) & 0xFFFF));
    }
    return TInfoVersion{parts[0], parts[1], parts[2], parts[3]};
}

bool IsVersionSet(const TInfoVersion& Version)
{
    return Version.wMajor != 0 || Version.wMinor != 0 || Version.wRelease != 0 || Version.wBuild != 0;
}

bool IsNewerVersion(const TInfoVersion& Installed, const TInfoVersion& Offered)
{
    if (!IsVersionSet(Installed) || !IsVersionSet(Offered))
        return false;
    if (Offered.wMajor != Installed.wMajor)
        return Offered.wMajor > Installed.wMajor;
    if (Offered.wMinor != Installed.wMinor)
        return Offered.wMinor > Installed.wMinor;
    return Installed.wRelease < Offered.wRelease;
}

bool IsNewerCatalogueVersion(const QString& Installed, const QString& Offered)
{
    const std::int64_t installed = ToInteger(Installed, -2);
    const std::int64_t offered = ToInteger(Offered, -1);
    if (installed == -2 || offered == -1)
        return false;
    return installed < offered;
}

QString FileNameFromUrl(const QString& Url)
{
    return Url.mid(Url.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FormatCatalogueUrl(const QString& Template, const QString& Code)
{
    return FormatPercentS(Template, {Code}, true);
}

} // namespace vantor
