// The settings the engine keeps from its initialisation record. The record
// and its texts live only during the call, so everything is copied.
#pragma once

#include "engine/EngineApi.h"

#include <QString>
#include <QStringList>

namespace vantor::devengine {

// Option words the engine acts on (spelled in engine/EngineApi.h).
inline constexpr const char* OptionDebugMode = ENGINE_OPTION_DEBUG_MODE;
inline constexpr const char* OptionShowAllConfigurations = ENGINE_OPTION_SHOW_ALL_CONFIGURATIONS;
inline constexpr const char* OptionSortByPrice = ENGINE_OPTION_SORT_BY_PRICE;
inline constexpr const char* OptionHideThreePhase = ENGINE_OPTION_HIDE_THREE_PHASE;
inline constexpr const char* OptionUnlimitedCabinets = ENGINE_OPTION_UNLIMITED_BATTERY_CABINETS;
inline constexpr const char* OptionShowAutonomyLower = ENGINE_OPTION_SHOW_AUTONOMY_LOWER;

struct EngineSettings {
    int UsageType = 0;
    QString LanguageId;
    QString CataloguePath; // ends with "/"
    QString Password;
    QStringList Options; // the option words, in the order received
    bool ShowPrices = false;

    bool HasOption(const char* word) const { return Options.contains(QLatin1String(word)); }
    // The selected catalogue's code: the name of its folder ("380"); empty
    // without a catalogue.
    QString CatalogueCode() const;
};

// A zero-terminated UTF-16 text; a null pointer reads as empty.
QString TextFromEngine(const char16_t* text);

// Copies the record. Any non-zero ShowPrices counts as true.
EngineSettings SettingsFromRecord(const TEngineInitData& record);

} // namespace vantor::devengine
