// Quote numbers: one sequence per user, kept in a counter file under the
// user's settings folder, so that no number is ever given out twice, not
// after a crash and not to two programs drawing at the same moment.
#pragma once

#include "dev/core/EngineTexts.h"
#include "support/Result.h"

#include <QDate>
#include <QString>

namespace vantor::devengine {

inline constexpr const char* QuoteCounterFileName = "QuoteNumber.counter";
inline constexpr const char* YearPlaceholder = "{year}";
inline constexpr int QuoteNumberDigits = 4;

// $XDG_CONFIG_HOME/Vantor, else ~/.config/Vantor (no trailing "/").
[[nodiscard]] QString EngineConfigFolder();

// The prefix with "{year}" replaced by the date's year, then the number with
// at least four digits: ("Q-{year}-", 42) gives "Q-2026-0042".
[[nodiscard]] QString FormatQuoteNumber(const QString& APrefix, int ANumber, const QDate& ADate);

// Takes the next number of the sequence in AFolder: under a lock, the last
// number is read, the next one written to disk, and only then returned. The
// first number is 1. A counter file that does not hold a number fails rather
// than starting again at 1.
[[nodiscard]] Result<int> DrawSequenceNumber(const QString& AFolder, const EngineTexts& ATexts);

// The next number formatted with the prefix and today's date.
[[nodiscard]] Result<QString> DrawQuoteNumber(const QString& APrefix, const EngineTexts& ATexts,
                                              const QString& AFolder = EngineConfigFolder());

} // namespace vantor::devengine
