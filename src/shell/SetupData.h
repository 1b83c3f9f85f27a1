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
[[nodiscard]] bool LoadSetupData(TGlobalSetupData& data, const QString& programFolder,
                                 const PricelistCheck& checkPricelist);

// After the setup dialog has put the user's choices into `data`: writes the
// configuration file and reads it back, so the file decides. When the write
// fails, the confirmed values stay for this run (reading the old file back
// would drop them) and only what follows from them is derived again: the
// catalogue's folder, the pricelist check, the locations. True when the file
// was written.
[[nodiscard]] bool ApplyConfirmedSettings(TGlobalSetupData& data, const QString& programFolder,
                                          const PricelistCheck& checkPricelist);

} // namespace vantor
