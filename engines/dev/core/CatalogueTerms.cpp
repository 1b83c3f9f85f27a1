#include "dev/core/CatalogueTerms.h"

#include <QLocale>

namespace vantor::devengine {

namespace {

// Qt has no accessor for a currency's decimals, but writes an amount with
// them when no precision is given; the digits after the decimal point of
// such an amount are the decimals.
int CurrencyDecimals(const QLocale& ALocale)
{
    const QString amount = ALocale.toCurrencyString(1.0, QStringLiteral("|"));
    const qsizetype point = amount.indexOf(ALocale.decimalPoint());
    if (point < 0)
        return 0;
    int decimals = 0;
    for (qsizetype i = point + ALocale.decimalPoint().size(); i < amount.size() && amount[i].isDigit(); ++i)
        ++decimals;
    return decimals;
}

} // namespace

CatalogueTerms CurrencyOfCountry(const QString& ACountry)
{
    CatalogueTerms terms;
    const QLocale::Territory territory = QLocale::codeToTerritory(ACountry);
    if (ACountry.isEmpty() || territory == QLocale::AnyTerritory)
        return terms;
    // Every language of a territory writes its currency; Qt's own choice of
    // language for it is the one taken.
    const QLocale locale(QLocale::AnyLanguage, territory);
    if (locale.territory() != territory)
        return terms;
    terms.Country = ACountry;
    terms.CurrencyCode = locale.currencySymbol(QLocale::CurrencyIsoCode);
    terms.CurrencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    terms.CurrencyDecimals = CurrencyDecimals(locale);
    return terms;
}

CatalogueTerms TermsForCatalogue(const EngineProducts& AProducts, const QString& ACatalogueCode)
{
    const auto vat = AProducts.Commercial.Catalogues.constFind(ACatalogueCode);
    if (vat == AProducts.Commercial.Catalogues.constEnd())
        return {};
    CatalogueTerms terms = CurrencyOfCountry(vat->Country);
    terms.Country = vat->Country;
    terms.VatPercent = vat->VatPercent;
    return terms;
}

} // namespace vantor::devengine
