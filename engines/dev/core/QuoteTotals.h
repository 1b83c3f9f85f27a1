// A priced quote: the systems of a project with their line items, the
// project's further lines, an overall discount and VAT; and its totals,
// rounded the way an invoice is, so that the spreadsheet, the CSV and the
// PDF all show the same amounts.
#pragma once

#include "dev/core/EngineTexts.h"
#include "support/Result.h"

#include <QList>
#include <QString>

#include <optional>

namespace vantor::devengine {

struct PricedLine {
    QString Code;
    QString Description;
    int Quantity = 1;
    std::optional<double> UnitPrice; // none: price on request, not in the pricelist
    double DiscountPercent = 0;
};

// One system of the project with its name, or the project's further lines.
struct PricedGroup {
    QString Name;
    QList<PricedLine> Lines;
};

struct PricedQuote {
    QList<PricedGroup> Groups;
    double DiscountPercent = 0; // on the subtotal
    double VatPercent = 0;
    int CurrencyDecimals = 2;
};

inline constexpr int MaxCurrencyDecimals = 4;

struct LineTotal {
    double Amount = 0;           // rounded to the currency's decimals
    bool PriceOnRequest = false; // counted as 0
};

struct QuoteTotals {
    QList<QList<LineTotal>> Groups; // parallel to PricedQuote::Groups and their lines
    double Subtotal = 0;
    double Discount = 0;
    double Net = 0;
    double Vat = 0;
    double Gross = 0;
    int LinesOnRequest = 0;
};

// Rounds half away from zero, as invoices and spreadsheets do. A value whose
// decimal form ends on the half (0.005, 1.005) rounds up although its binary
// form lies just below.
[[nodiscard]] double RoundMoney(double AValue, int ADecimals);

// Each line is rounded on its own, then the subtotal, the discount on it, the
// net, VAT on the net and the gross. A line or rate out of range fails with
// a message naming it.
[[nodiscard]] Result<QuoteTotals> ComputeTotals(const PricedQuote& AQuote, const EngineTexts& ATexts);

} // namespace vantor::devengine
