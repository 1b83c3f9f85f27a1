// The selected catalogue's pricelist, "<catalogue path>Pricelist.vt4": its
// priced items with their ratings.
#pragma once

#include "dev/core/Rating.h"

#include <QList>
#include <QString>

#include <optional>

namespace vantor::devengine {

struct PriceItem {
    QString ProductCode;
    QString Description;
    double Price = 0;
    std::optional<Rating> PowerRating; // only products that carry one can be sized
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

} // namespace vantor::devengine
