// The engine's product data as the maker keeps it: plain CSV files in one
// folder, checked and turned into the tables of Data.vt4 and Devices.vt4.
//   models.csv     UPS models, keyed by the pricelist's product code without
//                  its two-letter country suffix ("B 6K0")
//   blocks.csv     battery blocks
//   discharge.csv  their constant-power tables: watts per cell for minutes,
//                  per end voltage
//   cabinets.csv   external battery cabinets
//   devices.csv    typical loads for a load inventory (Devices.vt4)
//   accessories.csv, catalogues.csv: see catalogue/TermsSource.h
// The columns are described in docs/engine-data.md.
#pragma once

#include "catalogue/CatalogueBuilder.h"

namespace vantor::tools {

// The tables of Data.vt4 (Models, Blocks, Discharge, Cabinets, and
// Accessories and Catalogues when their files are there) from the folder. Every fault is named by file and line (code:
// the line).
[[nodiscard]] Result<QList<TableContent>> ReadProductTables(const QString& AFolder);

// The Devices table of Devices.vt4 from the folder's devices.csv.
[[nodiscard]] Result<QList<TableContent>> ReadDeviceTables(const QString& AFolder);

} // namespace vantor::tools
