// A fault in the maker's source files, located by file and line so that the
// maker can go straight to it.
#pragma once

#include "support/Result.h"

namespace vantor::tools {

// line 0: the fault concerns the file as a whole. The failure's code is the
// line, for callers that point at it.
inline Error SourceFailure(const QString& file, int line, const QString& text)
{
    return Failure(line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(text)
                            : QStringLiteral("%1: %2").arg(file, text),
                   line);
}

} // namespace vantor::tools
