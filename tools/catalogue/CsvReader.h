// Comma-separated text as spreadsheets save it (RFC 4180): a field in double
// quotes may hold commas, line breaks and quotes written twice.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantor::tools {

struct CsvRecord {
    int Line = 0; // line on which the record starts, from 1
    QStringList Fields;
};

// Splits UTF-8 bytes (a leading BOM is skipped) into records. Lines may end
// with CRLF or LF; blank lines are skipped. Fails with a message naming
// file and line for text that is not UTF-8, control characters, a quote inside an
// unquoted field, text after a closing quote and a quote that is never closed.
[[nodiscard]] Result<QList<CsvRecord>> ReadCsv(const QByteArray& bytes, const QString& file);

} // namespace vantor::tools
