// The seller's details printed on every quote and the prefix of the quote
// numbers: the engine's own per-user settings, DevEngine.ini in the user's
// settings folder.
#pragma once

#include "dev/core/EngineTexts.h"
#include "support/Result.h"

#include <QString>

namespace vantor::devengine {

inline constexpr const char* EngineSettingsFileName = "DevEngine.ini";
inline constexpr const char* DefaultQuotePrefix = "Q-{year}-";

struct SellerDetails {
    QString Name;
    QString Company;
    QString Email;
    QString Phone;
};

struct SellerSettings {
    SellerDetails Seller;
    QString QuotePrefix = QString::fromLatin1(DefaultQuotePrefix);
};

// EngineConfigFolder()/DevEngine.ini.
[[nodiscard]] QString EngineSettingsFile();

// A missing file gives the defaults; one that cannot be read or parsed fails.
[[nodiscard]] Result<SellerSettings> LoadSellerSettings(const EngineTexts& ATexts,
                                                        const QString& AFile = EngineSettingsFile());

// Keeps any other group of the file as it is.
[[nodiscard]] Result<void> SaveSellerSettings(const SellerSettings& ASettings, const EngineTexts& ATexts,
                                              const QString& AFile = EngineSettingsFile());

} // namespace vantor::devengine
