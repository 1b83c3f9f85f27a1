// Every text of the engine's screens, its quote and its runtime curve, in
// the nine languages of the engine. Any other language identifier reads
// English.
#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace vantor::devengine {

// Placeholders %1, %2, ... are filled with QString::arg. Each id stands for
// an English text with a translation context (EngineTextSources.cpp); the
// translations are in translations/engine_*.ts.
enum class TextId {
    // Settings strip
    Language,
    Catalogue,
    Options,
    Prices,
    PricesShown,
    PricesHidden,
    NoneSet,      // "(none)" for an empty setting
    NoOptions,    // "none"
    EnglishTexts, // after an unknown language id
    PricelistSetting,
    PricedItems, // %1 items
    NotReadable,
    // Cards
    Requirements,
    Solutions,
    RuntimeCurve,
    // Inputs
    Load,
    LoadGivenIn,
    PowerFactor,
    Growth,
    LoadingLimit,
    Autonomy,
    EndVoltage,
    Temperature,
    Ageing,
    Redundancy,
    OutputPhases,
    AnyPhases,
    Inventory,
    Ups,
    Cabinets,
    // Input problems
    LoadMissing,
    AutonomyTooLong, // %1 the longest minutes the tables give
    NoUpsChosen,
    // The solution list
    NeedsSummary,  // %1 W, %2 VA, %3 minutes
    SolutionCount, // %1 solutions
    NoSolutions,
    ColumnUps,
    ColumnConfiguration,
    ColumnBattery,
    ColumnRuntime,
    ColumnLoading,
    ColumnPrice,
    ColumnTrace,
    SingleUnit,
    ParallelUnits, // %1 units, %2 redundant
    FrameModules,  // %1 modules, %2 redundant
    InternalBattery,
    CabinetsOf,       // %1 count, %2 cabinet code
    StringsOfBlocks,  // %1 strings, %2 blocks per string
    MinutesValue,     // %1 minutes
    LongerThanTable,  // %1 the table's longest minutes
    ShorterThanTable, // %1 the table's shortest minutes
    BelowAutonomy,
    Trace, // %1 efficiency %, %2 battery W, %3 cells, %4 W per cell, %5 table W per cell
    NoPrice,
    ProductDataProblem, // %1 what is wrong
    // Runtime selector
    RuntimeAtLoad, // %1 load, %2 runtime
    SavePng,
    SavedTo,     // %1 file
    CannotWrite, // %1 file
    // Quote
    QuoteButton,
    QuoteDialogTitle,
    Customer,
    Project,
    CreatePdf,
    Cancel,
    QuoteSaved, // %1 file
    SelectSolution,
    QuoteTitle,
    Date,
    RequiredAutonomy,
    RuntimeHere,
    Code,
    Description,
    Quantity,
    UnitPrice,
    Amount,
    Total,
    MinutesUnit,
    BeyondTables,
    PageOf, // %1 page, %2 pages
    LoadAxis,
    MinutesAxis,
    CabinetsLegend, // %1 cabinets
    OneCabinet,
    UpsAlone,
    // Load inventory
    InventoryTitle,
    Device,
    Category,
    Watts,
    InventoryTotal, // %1 W, %2 VA
    UseLoad,
    DevicesProblem, // %1 what is wrong
    // The selectors' names and the way back
    SelectorAdvanced,
    SelectorBase,
    SelectorModular,
    SelectorRuntime,
    Back,
    // Footer
    FooterNote, // %1 engine version
    SwitchBase, // short selector names for the switch between them
    SwitchAdvanced,
    SwitchModular,
    SwitchRuntime,
    EngineBadge,       // the header's mark of the development engine
    PricesUnavailable, // %1 why the pricelist cannot be read
    // Sizing basis
    EndVoltageFromUps,
    ColumnNew,
    ColumnAllRunning,
    BasisSummary, // %1 end-of-life capacity %, %2 °C, %3 end voltage
    BasisOut,     // %1 redundant units or modules
    BasisNew,
    BasisAllRunning,
    EndVoltageByLoad,
    VoltsPerCell,       // %1 volts
    EndVoltageOwn,      // %1 volts
    EndVoltageChosen,   // %1 volts
    TemperatureValue,   // %1 °C, %2 capacity %, %3 chemistry
    RedundancyOutValue, // %1 redundant
    RedundancyNoneValue,
    RuntimeNew,
    RuntimeEndOfLife,
    AllRunningSuffix,
    OutSuffix,        // %1 redundant
    RuntimeNewAtLoad, // %1 runtime
    // Details and installation data
    DetailsButton,
    DetailsTitle,
    SizingBasis,
    InstallationHeading,
    HeatDissipation,
    TotalWeight,
    FloorArea,
    OutputCurrent,
    InputCurrent,
    InputCurrentValue, // %1 A
    InputCurrentFeeds, // %1 A, %2 inputs
    InputBreaker,
    BreakerEach,  // %1 A
    BreakerAbove, // %1 A
    RechargeTime,
    HoursValue, // %1 hours
    Close,
    // No solution
    NoModelCarriesLoad,
    CabinetLimitTooLow,
    // Commercial terms, quote numbers, seller details and the exports
    QuoteNumberLabel,
    ValidUntil,
    Seller,
    SellerCompany,
    SellerEmail,
    SellerPhone,
    CurrencyLabel,
    DiscountColumn,
    PriceOnRequest,
    Subtotal,
    OverallDiscount,
    NetTotal,
    VatAmount,
    GrossTotal,
    FurtherItems,
    LineProblem, // %1 group, %2 line number, %3 code, %4 what is wrong
    QuantityTooSmall,
    DiscountOutOfRange,
    PriceInvalid,
    OverallDiscountOutOfRange,
    VatOutOfRange,
    DecimalsOutOfRange, // %1 most decimals
    CounterBusy,        // %1 file
    CounterDamaged,     // %1 file
    CounterExhausted,   // %1 file
    CounterNotSaved,    // %1 file, %2 reason
    FileNotWritten,     // %1 file, %2 reason
    SettingsNotRead,    // %1 file
    SettingsNotSaved,   // %1 file
    // Project files
    ProjectNotJson, // %1 where the reading stopped
    ProjectNotAProject,
    ProjectDamaged,      // %1 what is wrong
    ProjectFieldMissing, // %1 field
    ProjectFieldType,    // %1 field
    ProjectFieldRange,   // %1 field
    ProjectNewerFormat,  // %1 the file's format, %2 the one read
    ProjectCannotOpen,   // %1 file, %2 why
    ProjectCannotSave,   // %1 file, %2 why
    FolderNotCreated,
    RecoveryCannotWrite,    // %1 folder, %2 why
    RecoveryOffer,          // %1 project file, %2 date and time
    RecoveryOfferNew,       // %1 date and time
    RecentCannotWrite,      // %1 file
    CheckModelDiscontinued, // %1 system, %2 product code
    CheckItemMissing,       // %1 system or the project, %2 product code
    CheckPriceChanged,      // %1 system or the project, %2 product code, %3 price when saved, %4 today's
    CheckWholeProject,
    SystemNumber, // %1 number
    // A project's quote
    QuoteValidUntil,     // %1 date
    QuoteAmountsIn,      // %1 currency, %2 VAT rate
    QuoteLinesOnRequest, // %1 count
    SpreadsheetNeedsPrices,
    // Accessories and services of a chosen system
    AccessoryCommunication,
    AccessoryMounting,
    AccessoryService,
    AccessoryWarranty,
    OfferOnRequest,
    // Project screens
    ProjectNew,
    ProjectOpen,
    ProjectSave,
    ProjectSaveAs,
    ProjectRecent,
    ProjectNoRecent,
    ProjectView,
    AddToProject,
    PutBackIntoProject,
    ProjectFileFilter,
    ProjectUntitled,
    ProjectUnsaved,
    ProjectSystems,
    ProjectAskSave,
    ProjectDiscard,
    ProjectRecoveryTitle,
    ProjectRestore,
    ProjectPricesTitle,
    ProjectPricesIntro,
    ProjectTakeNewPrices,
    ProjectKeepPrices,
    ProjectSizeAgain,
    ProjectDiscontinued,
    ProjectAdded,
    ProjectPutBack,
    ProjectCustomerName,
    ProjectContact,
    ProjectAddress,
    ProjectName,
    ProjectReference,
    ProjectNotes,
    ProjectTerms,
    ProjectVat,
    ProjectValidity,
    ProjectDays,
    ProjectNotIssued,
    ProjectSellerButton,
    ProjectSellerTitle,
    ProjectQuotePrefix,
    ProjectSystemsAndLines,
    ProjectItem,
    ProjectAccessories,
    ProjectChooseSystem,
    ProjectNoAccessories,
    ProjectAdd,
    ProjectSearch,
    ProjectFreeText,
    ProjectFreePrice,
    ProjectRemove,
    ProjectReopen,
    ProjectExportPdf,
    ProjectExportXlsx,
    ProjectExportCsv,
    ProjectSpreadsheetFilter,
    ProjectCsvFilter,
    ProjectPdfFilter,
    ProjectOk,
    ProjectEmpty,
    ProjectOwnLines,
    Count_
};

// The texts in one language; cheap to copy.
class EngineTexts {
public:
    explicit EngineTexts(const QString& languageId);

    QString operator()(TextId id) const;
    const QLocale& Locale() const { return locale_; }

    // A number in the language's format with the given decimals.
    QString Number(double value, int decimals = 0) const;

private:
    const QTranslator* translator_ = nullptr; // none for English
    QLocale locale_;
};

// For tests: the text in the language at index 0..8 of EngineLanguages().
QString EngineText(TextId id, int languageIndex);

} // namespace vantor::devengine
