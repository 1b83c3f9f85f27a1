// What the engine's Data.vt4 says beyond sizing: the accessories that suit
// which models (table Accessories) and each catalogue's country and VAT
// rate (table Catalogues). Data of an older format lacks both tables; it
// then simply proposes nothing and knows no VAT.
#pragma once

#include "dev/core/Accessories.h"
#include "support/Result.h"

#include <QHash>
#include <QList>
#include <QString>

namespace vantor::devengine {

struct CatalogueVat {
    QString Country; // ISO 3166 alpha-2, "IT"; empty for a catalogue of several countries
    double VatPercent = 0;
};

struct CommercialData {
    QList<AccessoryRule> Accessories;
    QHash<QString, CatalogueVat> Catalogues; // by catalogue code, "380"
};

// Fails only when the file cannot be read; a missing table is no failure.
[[nodiscard]] Result<CommercialData> ReadCommercialData(const QString& AFile, const QString& APassword);

} // namespace vantor::devengine
