// A quote of several systems: the parties and the terms in the header, one
// section per system with its sizing basis, line items, installation data
// and runtime curve, the project's further items, the totals and the terms;
// the quote number and the page on every page. Written as PDF with Qt's
// own writer. A one-solution quote is a document of one unnamed system.
#pragma once

#include "dev/core/Quote.h"

#include <QStringList>

namespace vantor::devengine {

// One system: its name (a room, a site) and what the quote says about it.
// The content's customer, project and date belong to the document's header
// and are not printed in the section.
struct QuoteSystem {
    QString Name;
    Quote Content;
};

// A row of the totals, already formatted; the last one is the sum to pay.
struct QuoteTotal {
    QString Label;
    QString Value;
};

struct QuoteDocument {
    QString BrandName;
    QImage Logo; // may be null
    QString Title;
    // The quote number, date, validity, customer, project and seller as
    // printed, in this order; empty rows are left out.
    QList<LabelledValue> Header;
    QList<QuoteSystem> Systems;
    QString ExtrasHeading;
    QList<QuoteLine> Extras;
    QList<QuoteTotal> Totals; // printed only with prices
    QStringList Terms;        // sentences under the totals
    QString Mark;             // on every page beside its number: the quote number
    bool ShowPrices = false;
    QString Currency; // after each amount when set
    int CurrencyDecimals = 2;
    QString DiscountHeading = QStringLiteral("Disc.");
    QuoteTexts Texts;
    QLocale Locale = QLocale::c();
};

// Writes the document to AFile (A4, as many pages as it needs), whole or
// not at all: false when the file cannot be written.
[[nodiscard]] bool WriteQuoteDocumentPdf(const QString& AFile, const QuoteDocument& ADocument);

// The one-solution quote as a document: customer, project and date in the
// header, the total when every line has a price.
QuoteDocument DocumentOf(const Quote& AQuote);

} // namespace vantor::devengine
