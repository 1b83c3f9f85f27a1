// The commercial side of the engine's data, both files optional (an
// installation without them proposes no accessories and knows no VAT):
//   accessories.csv  which pricelist items suit which models
//   catalogues.csv   country and VAT rate of each catalogue
// The columns are described in docs/engine-data.md.
#pragma once

#include "catalogue/CatalogueBuilder.h"

#include <QSet>
#include <QString>

namespace vantor::tools {

// The Accessories and Catalogues tables of Data.vt4, each only when its file
// is in AFolder. The model patterns must each match one of AModelCodes.
[[nodiscard]] Result<QList<TableContent>> ReadTermsTables(const QString& AFolder, const QSet<QString>& AModelCodes);

} // namespace vantor::tools
