// What the setup dialog offers and what it stores, kept apart from its
// widgets so that all of it can be checked without a display.
#pragma once

#include "common/uGlobals.h"
#include "data/InstalledVersion.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantor {

// Names of the installed catalogues whose codes are in the country table, in
// list order. A catalogue with any other code is not offered: it could not be
// named, nor its name turned back into a code.
[[nodiscard]] QStringList InstalledCatalogueNames(const TInstalledCataloguesArray& ACatalogues);

// Alphabetical order without regard to letter case; equal names keep their order.
void SortCatalogueNames(QStringList& ANames);

// Code of the first table row named exactly AName; empty when there is none.
[[nodiscard]] QString GetCatalogueCode(const QString& AName);

// Position of the catalogue ACode in ANames; -1 when it is not offered.
[[nodiscard]] int IndexOfCatalogue(const QStringList& ANames, const QString& ACode);

// Names of AvailableLanguages, in list order.
[[nodiscard]] QStringList AvailableLanguageNames();

// The state of the dialog's controls. An empty optional is a list without a
// selection.
struct TSetupChoices {
    std::optional<QString> CatalogueName;
    std::optional<QString> LanguageName; // a name from AvailableLanguages
    bool AutoCheckUpdates = false;
    bool ShowPrices = false;
    bool ShowAllConfigurations = false;
    bool UnlimitedBatteryCabs = false;
    bool SortSolutionsByPrice = false;
    bool ShowTechDataAutonomyLower = false;
};

enum TMissingChoice : unsigned {
    mcNone = 0,
    mcCatalogue = 1u << 0,
    mcLanguage = 1u << 1,
};

// Which choices cannot be stored: nothing selected, or a name that no longer
// leads to a catalogue code or an entry of AvailableLanguages.
unsigned MissingChoices(const TSetupChoices& AChoices);

// Translation identifiers of the notes telling the user what to choose.
inline constexpr char CatalogueMissingTextId[] = "IDS_MESSAGES_41";
inline constexpr char LanguageMissingTextId[] = "IDS_MESSAGES_42";

// The translated note for AMissing (catalogue first, as in the dialog); empty
// for mcNone.
[[nodiscard]] QString MissingChoiceText(unsigned AMissing);

// Writes the choices into ASettings and returns true; when a choice is
// missing returns false and leaves ASettings as it was. HideThreePhaseUps
// and every field the dialog does not show stay untouched.
[[nodiscard]] bool StoreSetupChoices(const TSetupChoices& AChoices, TGlobalSetupData& ASettings);

} // namespace vantor
