// The program-wide settings record and its companion types.
#pragma once

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <memory>

namespace vantor {

// Branding variant: selects the skin and panel colours and is handed to the engine.
enum class TUsageType : std::uint8_t {
    utMaronel,
    utKelvra,
    utPorvik,
    utSandel,
    utQuillon,
    utGeneric,
    utWebMaronel,
};

struct TInfoVersion {
    std::int16_t wMajor = 0;
    std::int16_t wMinor = 0;
    std::int16_t wRelease = 0;
    std::int16_t wBuild = 0;

    friend bool operator==(const TInfoVersion&, const TInfoVersion&) = default;
};

// Never stored: every run starts with all of them off.
struct TAdvancedOptions {
    bool ShowAllConfigurations = false;
    bool UnlimitedBatteryCabs = false;
    bool SortSolutionsByPrice = false;
    bool HideThreePhaseUps = false;
    bool ShowTechDataAutonomyLower = false;
};

struct TDatabaseData {
    QString sName;
    QString sPassword;
    bool IsValid = false;
};

struct TDatabaseCollection {
    TDatabaseData Devices;
    TDatabaseData Pricelist;
    TDatabaseData Catalogue;
};

// Branding data handed back by the engine. The engine-side byte layout lives
// with the engine boundary; this is the shell's own copy.
struct TOemData {
    QString sName;
    QString sProduct;
    QString sCopyright;
    QString sHomePage;
    TInfoVersion Version;
    std::unique_ptr<QIODevice> Logo; // PNG picture, or none
};

struct TGlobalSetupData {
    bool AutoCheckUpdates = false;
    QString SetupFile;
    std::int32_t OemId = 0;
    TAdvancedOptions AdvancedOptions;
    QString RootPath;      // program folder, trailing separator
    QString CataloguePath; // configured path + code, each with a trailing separator
    QString LanguageId;
    QString LanguageFile;
    QString CatalogueCode;
    bool DebugMode = false;
    bool ShowPrices = false;
    bool AsPlugin = false;
    TUsageType UsageType = TUsageType::utMaronel;
    TDatabaseCollection Database;
};

// The one settings record of the process.
extern TGlobalSetupData GlobalSetupData;

// The usage type (branding variant) of an OEM identifier; the two are
// numbered differently. Identifiers without a variant of their own keep
// Current.
TUsageType UsageTypeOfOem(std::int32_t OemId, TUsageType Current);

// RootPath + "Catalogues/": where the installed catalogues are looked for.
// Always inside the program folder, unlike the configured CataloguePath.
extern QString CataloguesFolder;

} // namespace vantor
