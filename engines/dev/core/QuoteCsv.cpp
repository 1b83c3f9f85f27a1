#include "dev/core/QuoteCsv.h"

#include "dev/core/AtomicFile.h"

namespace vantor::devengine {

namespace {

// Enough for any pricelist price or discount rate.
constexpr int MaxWrittenDecimals = 6;

QByteArray Field(const QString& AText)
{
    QByteArray field = AText.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

// At least AMinimum decimals, more only where the value has them.
QByteArray Decimal(double AValue, int AMinimum)
{
    // A negative zero would print as "-0.00".
    QByteArray text = QByteArray::number(AValue == 0 ? 0.0 : AValue, 'f', std::max(AMinimum, MaxWrittenDecimals));
    const qsizetype point = text.indexOf('.');
    if (point < 0)
        return text;
    qsizetype keep = text.size();
    while (keep > point + 1 + AMinimum && text[keep - 1] == '0')
        --keep;
    if (keep == point + 1)
        --keep;
    text.truncate(keep);
    return text;
}

QByteArray CsvOf(const PricedQuote& AQuote, const QuoteTotals& ATotals)
{
    const int decimals = AQuote.CurrencyDecimals;
    QByteArray csv = QByteArray(QuoteCsvHeader) + "\r\n";
    for (qsizetype group = 0; group < AQuote.Groups.size(); ++group) {
        const PricedGroup& lines = AQuote.Groups[group];
        for (qsizetype index = 0; index < lines.Lines.size(); ++index) {
            const PricedLine& line = lines.Lines[index];
            const LineTotal& total = ATotals.Groups[group][index];
            csv += Field(lines.Name) + ',' + Field(line.Code) + ',' + Field(line.Description) + ',' +
                   QByteArray::number(line.Quantity) + ',';
            if (line.UnitPrice)
                csv += Decimal(*line.UnitPrice, decimals);
            csv += ',' + Decimal(line.DiscountPercent, 0) + ',';
            if (!total.PriceOnRequest)
                csv += Decimal(total.Amount, decimals);
            csv += "\r\n";
        }
    }
    return csv;
}

} // namespace

Result<QByteArray> QuoteCsv(const PricedQuote& AQuote, const EngineTexts& ATexts)
{
    const auto totals = ComputeTotals(AQuote, ATexts);
    if (!totals)
        return totals.error();
    return CsvOf(AQuote, *totals);
}

Result<void> WriteQuoteCsv(const QString& AFile, const PricedQuote& AQuote, const EngineTexts& ATexts)
{
    const auto csv = QuoteCsv(AQuote, ATexts);
    if (!csv)
        return csv.error();
    if (auto written = WriteFileAtomically(AFile, *csv); !written)
        return Failure(ATexts(TextId::FileNotWritten).arg(AFile, written.message()));
    return Ok();
}

} // namespace vantor::devengine
