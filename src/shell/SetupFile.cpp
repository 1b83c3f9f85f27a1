#include "shell/SetupFile.h"

#include "common/IniFile.h"
#include "common/TextHelpers.h"

#include <QFileInfo>

namespace vantor {

namespace {

const QString SectionUpdates = QStringLiteral("Updates");
const QString SectionLanguage = QStringLiteral("Language");
const QString SectionCatalogue = QStringLiteral("Catalogue");
const QString SectionMisc = QStringLiteral("Misc");

const QString KeyAutoCheck = QStringLiteral("bAutoCheck");
const QString KeyLanguageId = QStringLiteral("iLangId");
const QString KeyCatalogueCode = QStringLiteral("sCode");
const QString KeyCataloguePath = QStringLiteral("sPath");
const QString KeyOemId = QStringLiteral("iOemId");
const QString KeyDebugMode = QStringLiteral("bDebugMode");
const QString KeyShowPrices = QStringLiteral("bShowPrices");

const QString DefaultLanguageId = QStringLiteral("REF");
const QString DefaultCatalogueCode = QStringLiteral("-1");
const QString DefaultCataloguePath = QStringLiteral("-1");
constexpr int DefaultOemId = -1;

const QChar Separator = QLatin1Char('/');

QString withTrailingSeparator(const QString& path)
{
    return path.endsWith(Separator) ? path : path + Separator;
}

QString composeCataloguePath(const QString& path, const QString& code)
{
    return withTrailingSeparator(path) + withTrailingSeparator(code);
}

} // namespace

bool ReadSetupFile(TGlobalSetupData& data)
{
    if (data.SetupFile.isEmpty() || !QFileInfo(data.SetupFile).isFile())
        return false;
    IniDocument ini;
    if (!ini.loadFile(data.SetupFile))
        return false;

    data.AutoCheckUpdates = ini.readBool(SectionUpdates, KeyAutoCheck, true);
    data.LanguageId = UpperCaseAsciiLetters(ini.readString(SectionLanguage, KeyLanguageId, DefaultLanguageId));
    data.CatalogueCode = ini.readString(SectionCatalogue, KeyCatalogueCode, DefaultCatalogueCode);
    data.CataloguePath = composeCataloguePath(ini.readString(SectionCatalogue, KeyCataloguePath, DefaultCataloguePath),
                                              data.CatalogueCode);
    data.OemId = ini.readInteger(SectionMisc, KeyOemId, DefaultOemId);
    data.DebugMode = ini.readBool(SectionMisc, KeyDebugMode, false);
    data.ShowPrices = ini.readBool(SectionMisc, KeyShowPrices, true);

    return IsAllowedOemId(data.OemId) && QFileInfo(data.CataloguePath).isDir();
}

QString ReadCataloguePath(const QString& setupFile, const QString& catalogueCode)
{
    IniDocument ini;
    if (!setupFile.isEmpty())
        (void)ini.loadFile(setupFile); // an unreadable file reads as the defaults
    return composeCataloguePath(ini.readString(SectionCatalogue, KeyCataloguePath, DefaultCataloguePath),
                                catalogueCode);
}

bool WriteSetupFile(const TGlobalSetupData& data)
{
    if (data.SetupFile.isEmpty())
        return false;
    IniDocument ini;
    // An existing file we cannot read would lose its other lines: refuse.
    if (QFileInfo::exists(data.SetupFile) && !ini.loadFile(data.SetupFile))
        return false;

    const bool written = ini.writeBool(SectionUpdates, KeyAutoCheck, data.AutoCheckUpdates) &&
                         ini.writeString(SectionLanguage, KeyLanguageId, data.LanguageId) &&
                         ini.writeString(SectionCatalogue, KeyCatalogueCode, data.CatalogueCode) &&
                         ini.writeInteger(SectionMisc, KeyOemId, data.OemId) &&
                         ini.writeBool(SectionMisc, KeyShowPrices, data.ShowPrices);
    return written && ini.saveFile(data.SetupFile);
}

} // namespace vantor
