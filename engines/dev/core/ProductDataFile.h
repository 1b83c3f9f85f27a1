// The product data the sizing needs, read from the engine's Data.vt4:
// the tables Models, Blocks, Discharge and Cabinets (see docs/engine-data.md).
#pragma once

#include "dev/core/UpsSolutions.h"

#include <QString>

namespace vantor::devengine {

// False, with Problem saying what is missing or damaged, when the file
// cannot be opened with the password the shell hands over, lacks a table,
// or holds nothing to size with.
bool LoadProductData(const QString& AFile, const QString& APassword, ProductData& AData, QString& AProblem);

} // namespace vantor::devengine
