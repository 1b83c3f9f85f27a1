// vantor-quote: a saved project's quote from an installation's product data
// and pricelist without a window, as PDF, spreadsheet, CSV or JSON, so that
// an office or a script produces the same quote the screens do.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantor::quote {

struct QuoteCommand {
    QString Installation;
    QString ProjectFile;
    QString Pdf;
    QString Spreadsheet;
    QString Csv;
    bool Json = false;
    QString Language; // empty: the installation's
};

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitBadData = 1;
inline constexpr int ExitUsage = 2;

// Nothing for a wrong command line; AError then says what.
std::optional<QuoteCommand> ParseQuoteArguments(const QStringList& AArguments, QString& AError);

// Writes what the command asks for, each file whole or not at all; the
// priced lines and totals as JSON, or nothing with AError naming what cannot
// be used (the project, the product data, the pricelist, a file).
std::optional<QJsonObject> RunQuote(const QuoteCommand& ACommand, QString& AError);

QString QuoteUsage();

} // namespace vantor::quote
