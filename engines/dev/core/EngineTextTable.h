// The table behind EngineTexts, kept in two files: the screens' texts and
// those of the sizing basis and the installation data.
#pragma once

#include "dev/core/EngineTexts.h"

#include <array>
#include <cstddef>

namespace vantor::devengine {

struct TextRow {
    TextId Id;
    std::array<const char*, EngineLanguageCount> Texts; // UTF-8, ENG first
};

inline constexpr std::size_t TextRowCount = static_cast<std::size_t>(TextId::Count_);
inline constexpr std::size_t SizingTextFirst = static_cast<std::size_t>(TextId::EndVoltageFromUps);

extern const std::array<TextRow, SizingTextFirst> ScreenTextRows;
extern const std::array<TextRow, TextRowCount - SizingTextFirst> SizingTextRows;

// Both parts as one table, a row per id in the order of the ids.
struct TextTableView {
    const TextRow& operator[](std::size_t ARow) const
    {
        return ARow < SizingTextFirst ? ScreenTextRows[ARow] : SizingTextRows[ARow - SizingTextFirst];
    }
    static constexpr std::size_t size() { return TextRowCount; }
};

inline constexpr TextTableView TextTable{};

} // namespace vantor::devengine
