// Fills the settings record from the program's location and its
// configuration file, and derives every file location.
#pragma once

#include "common/uGlobals.h"

#include <QString>

#include <functional>

namespace vantor {

// Checks the pricelist of one installed catalogue (databasesFolder, code)
// and returns its version text through the last argument.
using PricelistCheck = std::function<bool(const QString& databasesFolder, const QString& code, QString& version)>;

// Returns the result of reading the configuration file; when that fails the
// derived locations after it are left as they were.
bool LoadSetupData(TGlobalSetupData& data, const QString& programFolder, const PricelistCheck& checkPricelist);

} // namespace vantor
