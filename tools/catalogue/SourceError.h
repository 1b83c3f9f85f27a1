// A fault in the maker's source files, located by file and line so that the
// maker can go straight to it.
#pragma once

#include "catalogue/CatalogueBuilder.h"

namespace vantor::tools {

class SourceError : public BuildError {
public:
    // line 0: the fault concerns the file as a whole.
    SourceError(const QString& file, int line, const QString& text)
        : BuildError(line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(text)
                              : QStringLiteral("%1: %2").arg(file, text)),
          file_(file), line_(line), text_(text)
    {}

    const QString& File() const { return file_; }
    int Line() const { return line_; }
    const QString& Text() const { return text_; }

private:
    QString file_;
    int line_;
    QString text_;
};

} // namespace vantor::tools
