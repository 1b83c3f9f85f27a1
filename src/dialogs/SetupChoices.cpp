#include "dialogs/SetupChoices.h"

#include "common/TextHelpers.h"
#include "common/uConstants.h"
#include "i18n/uLanguages.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace vantor {

QStringList InstalledCatalogueNames(const TInstalledCataloguesArray& ACatalogues)
{
    QStringList names;
    for (const TInstalledCatalogue& catalogue : ACatalogues) {
        for (const TAvailableCountries& row : AvailableCountries) {
            if (catalogue.Code == QLatin1String(row.IdRef))
                names << QString::fromUtf8(row.Desc);
        }
    }
    return names;
}

void SortCatalogueNames(QStringList& ANames)
{
    // A fixed locale, so that the order does not depend on the user's
    // environment; the collator puts accented names among the plain ones.
    QCollator collator{QLocale(QLocale::English, QLocale::UnitedStates)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(ANames.begin(), ANames.end(), [&collator](const QString& left, const QString& right) {
        return collator.compare(left, right) < 0;
    });
}

QString GetCatalogueCode(const QString& AName)
{
    for (const TAvailableCountries& row : AvailableCountries) {
        if (AName == QString::fromUtf8(row.Desc))
            return QString::fromLatin1(row.IdRef);
    }
    return {};
}

int IndexOfCatalogue(const QStringList& ANames, const QString& ACode)
{
    const QString name = GetCatalogueName(ACode);
    return name.isEmpty() ? -1 : static_cast<int>(ANames.indexOf(name));
}

QStringList AvailableLanguageNames()
{
    QStringList names;
    for (const TLanguage& language : AvailableLanguages)
        names << language.Desc;
    return names;
}

unsigned MissingChoices(const TSetupChoices& AChoices)
{
    unsigned missing = mcNone;
    if (!AChoices.CatalogueName || GetCatalogueCode(*AChoices.CatalogueName).isEmpty())
        missing |= mcCatalogue;
    if (!AChoices.LanguageName || IndexOfLanguageByDesc(*AChoices.LanguageName) < 0)
        missing |= mcLanguage;
    return missing;
}

QString MissingChoiceText(unsigned AMissing)
{
    QStringList notes;
    if (AMissing & mcCatalogue)
        notes << GetText(QLatin1String(CatalogueMissingTextId));
    if (AMissing & mcLanguage)
        notes << GetText(QLatin1String(LanguageMissingTextId));
    return notes.join(QStringLiteral("\r\n"));
}

bool StoreSetupChoices(const TSetupChoices& AChoices, TGlobalSetupData& ASettings)
{
    if (MissingChoices(AChoices) != mcNone)
        return false;
    ASettings.LanguageId = AvailableLanguages.at(IndexOfLanguageByDesc(*AChoices.LanguageName)).IdRef;
    ASettings.AutoCheckUpdates = AChoices.AutoCheckUpdates;
    ASettings.ShowPrices = AChoices.ShowPrices;
    ASettings.CatalogueCode = GetCatalogueCode(*AChoices.CatalogueName);
    TAdvancedOptions& options = ASettings.AdvancedOptions;
    options.ShowAllConfigurations = AChoices.ShowAllConfigurations;
    options.UnlimitedBatteryCabs = AChoices.UnlimitedBatteryCabs;
    options.SortSolutionsByPrice = AChoices.SortSolutionsByPrice;
    options.ShowTechDataAutonomyLower = AChoices.ShowTechDataAutonomyLower;
    return true;
}

} // namespace vantor
