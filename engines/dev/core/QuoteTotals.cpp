#include "dev/core/QuoteTotals.h"

#include <cmath>

namespace vantor::devengine {

namespace {

bool IsPercent(double AValue)
{
    return std::isfinite(AValue) && AValue >= 0 && AValue <= 100;
}

QString LineProblem(const PricedGroup& AGroup, qsizetype AIndex, const QString& AProblem, const EngineTexts& ATexts)
{
    return ATexts(TextId::LineProblem)
        .arg(AGroup.Name, QString::number(AIndex + 1), AGroup.Lines[AIndex].Code, AProblem);
}

Result<void> CheckLine(const PricedGroup& AGroup, qsizetype AIndex, const EngineTexts& ATexts)
{
    const PricedLine& line = AGroup.Lines[AIndex];
    if (line.Quantity < 1)
        return Failure(LineProblem(AGroup, AIndex, ATexts(TextId::QuantityTooSmall), ATexts));
    if (!IsPercent(line.DiscountPercent))
        return Failure(LineProblem(AGroup, AIndex, ATexts(TextId::DiscountOutOfRange), ATexts));
    if (line.UnitPrice && (!std::isfinite(*line.UnitPrice) || *line.UnitPrice < 0))
        return Failure(LineProblem(AGroup, AIndex, ATexts(TextId::PriceInvalid), ATexts));
    return Ok();
}

Result<void> CheckRates(const PricedQuote& AQuote, const EngineTexts& ATexts)
{
    if (AQuote.CurrencyDecimals < 0 || AQuote.CurrencyDecimals > MaxCurrencyDecimals)
        return Failure(ATexts(TextId::DecimalsOutOfRange).arg(MaxCurrencyDecimals));
    if (!IsPercent(AQuote.DiscountPercent))
        return Failure(ATexts(TextId::OverallDiscountOutOfRange));
    if (!IsPercent(AQuote.VatPercent))
        return Failure(ATexts(TextId::VatOutOfRange));
    return Ok();
}

} // namespace

double RoundMoney(double AValue, int ADecimals)
{
    const double scale = std::pow(10.0, ADecimals);
    const double scaled = AValue * scale;
    // Fifteen significant digits are what a double holds exactly; reading the
    // product back at that precision drops the binary noise below them, so
    // 1.005 * 100 = 100.49999999999999 counts as the 100.5 it stands for.
    const double repaired = QString::number(scaled, 'g', 15).toDouble();
    return std::round(repaired) / scale;
}

Result<QuoteTotals> ComputeTotals(const PricedQuote& AQuote, const EngineTexts& ATexts)
{
    if (auto rates = CheckRates(AQuote, ATexts); !rates)
        return rates.error();
    const int decimals = AQuote.CurrencyDecimals;
    QuoteTotals totals;
    double subtotal = 0;
    for (const PricedGroup& group : AQuote.Groups) {
        QList<LineTotal> lines;
        lines.reserve(group.Lines.size());
        for (qsizetype index = 0; index < group.Lines.size(); ++index) {
            if (auto checked = CheckLine(group, index, ATexts); !checked)
                return checked.error();
            const PricedLine& line = group.Lines[index];
            LineTotal total;
            total.PriceOnRequest = !line.UnitPrice.has_value();
            if (total.PriceOnRequest)
                ++totals.LinesOnRequest;
            else
                total.Amount = RoundMoney(line.Quantity * *line.UnitPrice * (1 - line.DiscountPercent / 100), decimals);
            subtotal += total.Amount;
            lines.append(total);
        }
        totals.Groups.append(lines);
    }
    // Sums of rounded amounts are rounded again only to drop the binary
    // noise of the additions; they hold no more decimals than their parts.
    totals.Subtotal = RoundMoney(subtotal, decimals);
    totals.Discount = RoundMoney(totals.Subtotal * AQuote.DiscountPercent / 100, decimals);
    totals.Net = RoundMoney(totals.Subtotal - totals.Discount, decimals);
    totals.Vat = RoundMoney(totals.Net * AQuote.VatPercent / 100, decimals);
    totals.Gross = RoundMoney(totals.Net + totals.Vat, decimals);
    return totals;
}

} // namespace vantor::devengine
