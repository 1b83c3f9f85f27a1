// Loading the dictionary from bytes already in memory. LoadTranslations reads
// the file and hands its content here; tests and the fuzz target call it
// directly.
#pragma once

#include <cstddef>

namespace vantor {

// Replaces the dictionary with a document parsed from Data (UTF-8 unless the
// XML declaration or a byte-order mark says otherwise). True when it parsed
// and its root element is exactly "LST_TRANSLATIONS"; a document with another
// root stays loaded, one that failed to parse leaves an empty dictionary.
[[nodiscard]] bool LoadTranslationsFromMemory(const void* Data, std::size_t Size);

} // namespace vantor
