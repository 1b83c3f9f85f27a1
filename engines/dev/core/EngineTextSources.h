// The English source of every engine text with its translation context: what
// English reads, and the key that finds the text in the translations.
#pragma once

#include "dev/core/EngineTexts.h"

#include <cstddef>
#include <span>

namespace vantor::devengine {

// The shape QT_TRANSLATE_NOOP3 expands to.
struct SourceText {
    const char* Text; // UTF-8
    // Tells a short English word apart for the translators; part of the key.
    const char* Disambiguation = nullptr;
};

struct TextSource {
    TextId Id;
    const char* Context;
    SourceText Source;
};

inline constexpr std::size_t TextCount = static_cast<std::size_t>(TextId::Count_);

// A row per id, in the order of the ids.
std::span<const TextSource, TextCount> TextSources();

} // namespace vantor::devengine
