// The selected catalogue's pricelist, "<catalogue path>Pricelist.vt4": its
// priced items, the items it offers on request, and its validity.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace vantor::devengine {

struct PriceItem {
    QString ProductCode;
    QString Description;
    double Price = 0;
    bool OnRequest = false; // listed at price 0: the maker quotes it on request
};

struct Pricelist {
    QString File;
    bool Readable = false;
    QString Problem;        // why there are no items, for the screen; empty when readable
    QList<PriceItem> Items; // by product code, each priced above 0
    // Listed at price 0, by product code. Kept apart so that nothing sizes
    // or totals with a price of 0.
    QList<PriceItem> OnRequest;
    QString Validity; // as the maker wrote it (usually YYYYMMDD); empty when the file has none
};

inline constexpr const char* PricelistFileName = "Pricelist.vt4";

// Reads every item priced at 0 or above. Never raises: a missing file, a wrong
// password or a damaged file give Readable false and a Problem text.
Pricelist ReadPricelist(const QString& cataloguePath, const QString& password);

// The product data names a product by its code without the country suffix
// of the pricelist ("B 6K0" for "B 6K0 IT").
QString ModelCode(const QString& productCode);

// Prices, descriptions and the orderable codes of the pricelist by that
// shorter code.
struct ModelPrices {
    QHash<QString, double> Prices;
    QHash<QString, QString> Descriptions;
    QHash<QString, QString> ProductCodes;
};
ModelPrices PricesByModel(const Pricelist& pricelist);

// The items, priced and on request, whose code or description contains
// the text, ignoring letter case and accents ("modulo" finds "Módulo"), by
// product code. Every item for a text of only blanks.
QList<PriceItem> SearchPricelist(const Pricelist& pricelist, const QString& text);

} // namespace vantor::devengine
