// The priced quote as a spreadsheet (.xlsx) for the customer or the sales
// office: the quote's facts, then each system with its line items, then the
// totals. Line amounts and totals are formulas over the cells, with the
// amounts computed here as their stored results, so that the sheet reads
// right at once and recalculates when someone edits a quantity or a rate.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/QuoteTotals.h"
#include "dev/core/SellerSettings.h"
#include "support/Result.h"

#include <QDate>
#include <QString>

namespace vantor::devengine {

// What the quote says about itself.
struct QuoteFacts {
    QString Number;
    QDate Date;
    QDate ValidUntil;
    QString Customer;
    QString Project;
    SellerDetails Seller;
    QString Currency; // its code, after every amount
};

// The sheet's columns: A code, B description, C quantity, D unit price,
// E discount %, F amount, G a note ("price on request").
// Labels and headings are in the language of ATexts. Writes AFile whole or
// not at all; a failure names the file.
[[nodiscard]] Result<void> WriteQuoteSpreadsheet(const QString& AFile, const PricedQuote& AQuote,
                                                 const QuoteFacts& AFacts, const EngineTexts& ATexts);

} // namespace vantor::devengine
