#include "dev/core/QuoteSpreadsheet.h"

#include "dev/core/FileReplacement.h"

#include <QFile>

#include <xlsxwriter.h>

#include <memory>

namespace vantor::devengine {

namespace {

enum Column : lxw_col_t {
    CodeColumn,
    DescriptionColumn,
    QuantityColumn,
    PriceColumn,
    DiscountColumn,
    AmountColumn,
    NoteColumn
};

// The most characters a cell holds; a sheet name's limit.
constexpr qsizetype MaxSheetName = 31;

struct WorkbookCloser {
    void operator()(lxw_workbook* AWorkbook) const { workbook_close(AWorkbook); }
};

// Control characters other than tab and line feed make the sheet's XML
// unreadable to some programs; they carry nothing in a quote.
QByteArray CellText(const QString& AText)
{
    QString text;
    text.reserve(AText.size());
    for (const QChar c : AText)
        if (c.unicode() >= 0x20 || c == '\t' || c == '\n')
            text.append(c);
    return text.toUtf8();
}

QByteArray SheetName(const QString& ATitle)
{
    QString name;
    for (const QChar c : ATitle)
        if (!QStringLiteral("[]:*?/\\'").contains(c) && c.unicode() >= 0x20)
            name.append(c);
    name = name.left(MaxSheetName).trimmed();
    return name.isEmpty() ? QByteArrayLiteral("Quote") : name.toUtf8();
}

// "#,##0.00 "EUR"": the currency's decimals and its code as literal text.
QByteArray MoneyFormat(int ADecimals, const QString& ACurrency)
{
    QByteArray format = "#,##0";
    if (ADecimals > 0)
        format += '.' + QByteArray(ADecimals, '0');
    QString code = ACurrency;
    code.remove('"').remove('\\');
    if (!code.isEmpty())
        format += " \"" + CellText(code) + '"';
    return format;
}

// A1 notation of a cell; rows count from 0 here and from 1 in the sheet.
QByteArray Cell(Column AColumn, lxw_row_t ARow)
{
    return QByteArray(1, static_cast<char>('A' + AColumn)) + QByteArray::number(ARow + 1);
}

class SheetWriter {
public:
    SheetWriter(lxw_workbook* AWorkbook, lxw_worksheet* ASheet, int ADecimals, const QString& ACurrency)
        : sheet_(ASheet), decimals_(QByteArray::number(ADecimals))
    {
        bold_ = workbook_add_format(AWorkbook);
        format_set_bold(bold_);
        title_ = workbook_add_format(AWorkbook);
        format_set_bold(title_);
        format_set_font_size(title_, 14);
        money_ = workbook_add_format(AWorkbook);
        format_set_num_format(money_, MoneyFormat(ADecimals, ACurrency).constData());
        boldMoney_ = workbook_add_format(AWorkbook);
        format_set_num_format(boldMoney_, MoneyFormat(ADecimals, ACurrency).constData());
        format_set_bold(boldMoney_);
        percent_ = workbook_add_format(AWorkbook);
        format_set_num_format(percent_, "0.00");
        quantity_ = workbook_add_format(AWorkbook);
        format_set_num_format(quantity_, "0");
        date_ = workbook_add_format(AWorkbook);
        format_set_num_format(date_, "yyyy-mm-dd");
    }

    lxw_format* Bold() const { return bold_; }
    lxw_format* Title() const { return title_; }
    lxw_format* Money() const { return money_; }
    lxw_format* BoldMoney() const { return boldMoney_; }
    lxw_format* Percent() const { return percent_; }
    lxw_format* Quantity() const { return quantity_; }
    const QByteArray& Decimals() const { return decimals_; }

    void Text(lxw_row_t ARow, Column AColumn, const QString& AText, lxw_format* AFormat = nullptr)
    {
        Keep(worksheet_write_string(sheet_, ARow, AColumn, CellText(AText).constData(), AFormat));
    }
    void Number(lxw_row_t ARow, Column AColumn, double AValue, lxw_format* AFormat)
    {
        Keep(worksheet_write_number(sheet_, ARow, AColumn, AValue, AFormat));
    }
    void Formula(lxw_row_t ARow, Column AColumn, const QByteArray& AFormula, double AResult, lxw_format* AFormat)
    {
        Keep(worksheet_write_formula_num(sheet_, ARow, AColumn, AFormula.constData(), AFormat, AResult));
    }
    void Date(lxw_row_t ARow, Column AColumn, const QDate& ADate)
    {
        if (!ADate.isValid())
            return;
        lxw_datetime value = {ADate.year(), ADate.month(), ADate.day(), 0, 0, 0};
        Keep(worksheet_write_datetime(sheet_, ARow, AColumn, &value, date_));
    }
    void Width(Column AFirst, Column ALast, double AWidth)
    {
        Keep(worksheet_set_column(sheet_, AFirst, ALast, AWidth, nullptr));
    }

    // The first failure of any cell; the rest are not worth reporting.
    lxw_error Outcome() const { return error_; }

private:
    void Keep(lxw_error AError)
    {
        if (error_ == LXW_NO_ERROR)
            error_ = AError;
    }

    lxw_worksheet* sheet_;
    QByteArray decimals_;
    lxw_format* bold_ = nullptr;
    lxw_format* title_ = nullptr;
    lxw_format* money_ = nullptr;
    lxw_format* boldMoney_ = nullptr;
    lxw_format* percent_ = nullptr;
    lxw_format* quantity_ = nullptr;
    lxw_format* date_ = nullptr;
    lxw_error error_ = LXW_NO_ERROR;
};

lxw_row_t WriteFacts(SheetWriter& AOut, const QuoteFacts& AFacts, const EngineTexts& ATexts)
{
    lxw_row_t row = 0;
    AOut.Text(row, CodeColumn, ATexts(TextId::QuoteTitle), AOut.Title());
    row += 2;
    const auto fact = [&](TextId ALabel, const QString& AValue) {
        AOut.Text(row, CodeColumn, ATexts(ALabel), AOut.Bold());
        AOut.Text(row++, DescriptionColumn, AValue);
    };
    fact(TextId::QuoteNumberLabel, AFacts.Number);
    AOut.Text(row, CodeColumn, ATexts(TextId::Date), AOut.Bold());
    AOut.Date(row++, DescriptionColumn, AFacts.Date);
    AOut.Text(row, CodeColumn, ATexts(TextId::ValidUntil), AOut.Bold());
    AOut.Date(row++, DescriptionColumn, AFacts.ValidUntil);
    fact(TextId::Customer, AFacts.Customer);
    fact(TextId::Project, AFacts.Project);
    fact(TextId::Seller, AFacts.Seller.Name);
    fact(TextId::SellerCompany, AFacts.Seller.Company);
    fact(TextId::SellerEmail, AFacts.Seller.Email);
    fact(TextId::SellerPhone, AFacts.Seller.Phone);
    fact(TextId::CurrencyLabel, AFacts.Currency);
    return row + 1;
}

// The line items under their systems' names; returns the row after them
// and the rows the amounts span.
struct LineRows {
    lxw_row_t Next = 0;
    lxw_row_t First = 0;
    lxw_row_t Last = 0;
    bool Any = false;
};

LineRows WriteLines(SheetWriter& AOut, lxw_row_t ARow, const PricedQuote& AQuote, const QuoteTotals& ATotals,
                    const EngineTexts& ATexts)
{
    lxw_row_t row = ARow;
    AOut.Text(row, CodeColumn, ATexts(TextId::Code), AOut.Bold());
    AOut.Text(row, DescriptionColumn, ATexts(TextId::Description), AOut.Bold());
    AOut.Text(row, QuantityColumn, ATexts(TextId::Quantity), AOut.Bold());
    AOut.Text(row, PriceColumn, ATexts(TextId::UnitPrice), AOut.Bold());
    AOut.Text(row, DiscountColumn, ATexts(TextId::DiscountColumn), AOut.Bold());
    AOut.Text(row++, AmountColumn, ATexts(TextId::Amount), AOut.Bold());
    LineRows rows;
    for (qsizetype group = 0; group < AQuote.Groups.size(); ++group) {
        AOut.Text(row++, CodeColumn, AQuote.Groups[group].Name, AOut.Bold());
        const QList<PricedLine>& lines = AQuote.Groups[group].Lines;
        for (qsizetype index = 0; index < lines.size(); ++index) {
            const PricedLine& line = lines[index];
            AOut.Text(row, CodeColumn, line.Code);
            AOut.Text(row, DescriptionColumn, line.Description);
            AOut.Number(row, QuantityColumn, line.Quantity, AOut.Quantity());
            if (line.UnitPrice)
                AOut.Number(row, PriceColumn, *line.UnitPrice, AOut.Money());
            else
                AOut.Text(row, NoteColumn, ATexts(TextId::PriceOnRequest));
            AOut.Number(row, DiscountColumn, line.DiscountPercent, AOut.Percent());
            // An empty price cell counts as 0, as the line does in the totals.
            AOut.Formula(row, AmountColumn,
                         "=ROUND(" + Cell(QuantityColumn, row) + '*' + Cell(PriceColumn, row) + "*(1-" +
                             Cell(DiscountColumn, row) + "/100)," + AOut.Decimals() + ')',
                         ATotals.Groups[group][index].Amount, AOut.Money());
            if (!rows.Any)
                rows.First = row;
            rows.Last = row++;
            rows.Any = true;
        }
    }
    rows.Next = row + 1;
    return rows;
}

void WriteTotals(SheetWriter& AOut, const LineRows& ALines, const PricedQuote& AQuote, const QuoteTotals& ATotals,
                 const EngineTexts& ATexts)
{
    const QByteArray& decimals = AOut.Decimals();
    lxw_row_t row = ALines.Next;
    const lxw_row_t subtotal = row++;
    const lxw_row_t discount = row++;
    const lxw_row_t net = row++;
    const lxw_row_t vat = row++;
    const lxw_row_t gross = row;

    AOut.Text(subtotal, DescriptionColumn, ATexts(TextId::Subtotal), AOut.Bold());
    AOut.Formula(subtotal, AmountColumn,
                 ALines.Any ? "=ROUND(SUM(" + Cell(AmountColumn, ALines.First) + ':' + Cell(AmountColumn, ALines.Last) +
                                  ")," + decimals + ')'
                            : QByteArray("=0"),
                 ATotals.Subtotal, AOut.Money());

    AOut.Text(discount, DescriptionColumn, ATexts(TextId::OverallDiscount));
    AOut.Number(discount, DiscountColumn, AQuote.DiscountPercent, AOut.Percent());
    AOut.Formula(discount, AmountColumn,
                 "=ROUND(" + Cell(AmountColumn, subtotal) + '*' + Cell(DiscountColumn, discount) + "/100," + decimals +
                     ')',
                 ATotals.Discount, AOut.Money());

    AOut.Text(net, DescriptionColumn, ATexts(TextId::NetTotal), AOut.Bold());
    AOut.Formula(net, AmountColumn,
                 "=ROUND(" + Cell(AmountColumn, subtotal) + '-' + Cell(AmountColumn, discount) + ',' + decimals + ')',
                 ATotals.Net, AOut.Money());

    AOut.Text(vat, DescriptionColumn, ATexts(TextId::VatAmount));
    AOut.Number(vat, DiscountColumn, AQuote.VatPercent, AOut.Percent());
    AOut.Formula(vat, AmountColumn,
                 "=ROUND(" + Cell(AmountColumn, net) + '*' + Cell(DiscountColumn, vat) + "/100," + decimals + ')',
                 ATotals.Vat, AOut.Money());

    AOut.Text(gross, DescriptionColumn, ATexts(TextId::GrossTotal), AOut.Bold());
    AOut.Formula(gross, AmountColumn,
                 "=ROUND(" + Cell(AmountColumn, net) + '+' + Cell(AmountColumn, vat) + ',' + decimals + ')',
                 ATotals.Gross, AOut.BoldMoney());
}

Result<void> WriteWorkbook(const QString& APath, const PricedQuote& AQuote, const QuoteTotals& ATotals,
                           const QuoteFacts& AFacts, const EngineTexts& ATexts)
{
    lxw_workbook* workbook = workbook_new(QFile::encodeName(APath).constData());
    if (workbook == nullptr)
        return Failure(QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    std::unique_ptr<lxw_workbook, WorkbookCloser> closer(workbook);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(ATexts(TextId::QuoteTitle)).constData());
    if (sheet == nullptr)
        return Failure(QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));

    SheetWriter out(workbook, sheet, AQuote.CurrencyDecimals, AFacts.Currency);
    out.Width(CodeColumn, CodeColumn, 18);
    out.Width(DescriptionColumn, DescriptionColumn, 48);
    out.Width(QuantityColumn, QuantityColumn, 8);
    out.Width(PriceColumn, DiscountColumn, 14);
    out.Width(AmountColumn, AmountColumn, 16);
    out.Width(NoteColumn, NoteColumn, 20);
    const lxw_row_t linesFrom = WriteFacts(out, AFacts, ATexts);
    const LineRows lines = WriteLines(out, linesFrom, AQuote, ATotals, ATexts);
    WriteTotals(out, lines, AQuote, ATotals, ATexts);
    if (out.Outcome() != LXW_NO_ERROR)
        return Failure(QString::fromUtf8(lxw_strerror(out.Outcome())));

    const lxw_error closed = workbook_close(closer.release());
    if (closed != LXW_NO_ERROR)
        return Failure(QString::fromUtf8(lxw_strerror(closed)));
    return Ok();
}

} // namespace

Result<void> WriteQuoteSpreadsheet(const QString& AFile, const PricedQuote& AQuote, const QuoteFacts& AFacts,
                                   const EngineTexts& ATexts)
{
    const auto totals = ComputeTotals(AQuote, ATexts);
    if (!totals)
        return totals.error();
    const auto written = ReplaceFile(
        AFile, [&](const QString& ATemporary) { return WriteWorkbook(ATemporary, AQuote, *totals, AFacts, ATexts); });
    if (!written)
        return Failure(ATexts(TextId::FileNotWritten).arg(AFile, written.message()));
    return Ok();
}

} // namespace vantor::devengine
