// The Find command of the pricelist page, as text work only: what the user's
// entry stands for, the prompt's caption and the not-found message.
#pragma once

#include <QString>

#include <optional>

namespace vantor {

// The prompt starts with this entry every time: most product codes begin so.
inline constexpr char PricelistFindInitialEntry[] = "310";

// Product codes are stored as one character, a blank, three characters, a
// blank and two characters ("3 100 12"). The key is built from the first six
// characters of the entry exactly as typed: letter case and blanks are kept
// and later characters are ignored. An entry shorter than six characters
// stands for no product (nothing beyond the entry is read).
[[nodiscard]] std::optional<QString> PricelistKeyOfEntry(const QString& AEntry);

// The prompt's caption is the menu caption without its accelerator mark:
// only the first "&" goes, so a doubled "&&" leaves one behind.
[[nodiscard]] QString PricelistFindCaption(const QString& AMenuCaption);

// The warning when no product has the code: the entry as typed, quoted.
[[nodiscard]] QString PricelistNotFoundText(const QString& AEntry);

} // namespace vantor
