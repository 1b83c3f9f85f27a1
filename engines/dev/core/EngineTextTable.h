// The table behind EngineTexts.
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

extern const std::array<TextRow, TextRowCount> TextTable;

} // namespace vantor::devengine
