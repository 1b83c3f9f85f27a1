// The priced quote's line items as CSV for ordering systems: a fixed English
// header, one row per line, "." as the decimal separator and no thousands
// separators, whatever the user's language, so that a machine reads it.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/QuoteTotals.h"
#include "support/Result.h"

#include <QByteArray>
#include <QString>

namespace vantor::devengine {

inline constexpr const char* QuoteCsvHeader = "System,Code,Description,Quantity,UnitPrice,DiscountPercent,Amount";

// UTF-8 without a byte order mark, rows ended by CR LF, a field quoted when it
// holds a comma, a quote or a line break (quotes doubled). A line priced on
// request leaves UnitPrice and Amount empty. Fails as ComputeTotals does.
[[nodiscard]] Result<QByteArray> QuoteCsv(const PricedQuote& AQuote, const EngineTexts& ATexts);

// Writes AFile whole or not at all; a failure names the file.
[[nodiscard]] Result<void> WriteQuoteCsv(const QString& AFile, const PricedQuote& AQuote, const EngineTexts& ATexts);

} // namespace vantor::devengine
