// Translation files may declare any encoding their editor wrote, such as
// windows-1250 or ISO-8859-2 for Polish or Hungarian texts. The XML reader
// itself knows only the Unicode forms and Latin-1; other declared encodings
// are converted to UTF-8 first with the system's iconv.
#pragma once

#include <QByteArray>

#include <cstddef>

namespace vantor {

enum class TXmlEncoding {
    AsIs,      // no declaration, a byte-order mark, or UTF-8: the reader decodes it
    Converted, // the declared encoding was converted; the result is UTF-8
    Unusable,  // an encoding iconv does not know, or bytes not valid in it
};

// Looks at the XML declaration of Data (ASCII at the very start) and, for an
// encoding other than UTF-8, converts the whole of Data into Utf8.
TXmlEncoding ConvertDeclaredEncoding(const char* Data, std::size_t Size, QByteArray& Utf8);

} // namespace vantor
