// The selected catalogue's pricelist, "<catalogue path>Pricelist.vt4": its
// priced items.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace vantor::devengine {

struct PriceItem {
    QString ProductCode;
    QString Description;
    double Price = 0;
};

struct Pricelist {
    QString File;
    bool Readable = false;
    QString Problem;        // why there are no items, for the screen; empty when readable
    QList<PriceItem> Items; // by product code, each priced above 0
};

inline constexpr const char* PricelistFileName = "Pricelist.vt4";

// Reads every item priced above 0. Never raises: a missing file, a wrong
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

} // namespace vantor::devengine
