// The commercial terms of the selected catalogue: its country, VAT rate and
// the country's currency. The currency is not stored with the data but
// taken from Qt's locale data, so that it always agrees with the country.
#pragma once

#include "dev/core/EngineProducts.h"

#include <QString>

namespace vantor::devengine {

struct CatalogueTerms {
    QString Country; // ISO 3166 alpha-2, "IT"
    double VatPercent = 0;
    QString CurrencyCode;   // ISO 4217, "EUR"
    QString CurrencySymbol; // "€"
    int CurrencyDecimals = 2;
};

// The catalogue's terms from the Catalogues table. A catalogue the data
// does not name, or one without a country, has no country and no currency,
// VAT 0 and 2 decimals, so that amounts still show their cents.
CatalogueTerms TermsForCatalogue(const EngineProducts& AProducts, const QString& ACatalogueCode);

// The currency of the country: code, symbol and decimals as Qt's locale for
// the country writes amounts. Empty code and symbol, 2 decimals, for a
// country Qt does not know.
CatalogueTerms CurrencyOfCountry(const QString& ACountry);

} // namespace vantor::devengine
