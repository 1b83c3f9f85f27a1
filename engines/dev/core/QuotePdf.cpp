#include "dev/core/QuoteDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace vantor::devengine {

namespace {

// Layout in points (1/72 inch) on A4 with 15 mm margins.
constexpr double Resolution = 72;
// Room kept free at the bottom of each page for its footer.
constexpr double FooterRoom = 30;

double LineAmount(const QuoteLine& ALine)
{
    return ALine.Amount.value_or(ALine.UnitPrice.value_or(0) * ALine.Quantity);
}

class DocumentPainter {
public:
    DocumentPainter(QPdfWriter& AWriter, const QuoteDocument& ADocument, int ATotalPages)
        : writer_(AWriter), document_(ADocument), painter_(&AWriter), totalPages_(ATotalPages)
    {
        width_ = writer_.pageLayout().paintRect(QPageLayout::Point).width();
        height_ = writer_.pageLayout().paintRect(QPageLayout::Point).height();
    }

    bool Paint()
    {
        if (!painter_.isActive())
            return false;
        Header();
        for (const QuoteSystem& system : document_.Systems)
            System(system);
        if (!document_.Extras.isEmpty()) {
            NewPageIfBelow(60);
            Heading(document_.ExtrasHeading);
            Lines(document_.Extras);
        }
        Totals();
        Terms();
        Footer();
        return painter_.end();
    }

    int Pages() const { return page_; }

private:
    QString Money(double AValue) const
    {
        const QString amount = document_.Locale.toString(AValue, 'f', document_.CurrencyDecimals);
        return document_.Currency.isEmpty() ? amount : amount + QLatin1Char(' ') + document_.Currency;
    }

    void Font(double APoints, bool ABold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(APoints);
        font.setBold(ABold);
        painter_.setFont(font);
    }

    double Text(double AX, double AWidth, const QString& AText, int AFlags = Qt::AlignLeft)
    {
        const QRectF box(AX, y_, AWidth, 1000);
        const QRectF used = painter_.boundingRect(box, AFlags | Qt::TextWordWrap, AText);
        painter_.drawText(box, AFlags | Qt::TextWordWrap, AText);
        return used.height();
    }

    double Height(double AWidth, const QString& AText)
    {
        return painter_.boundingRect(QRectF(0, 0, AWidth, 1000), Qt::TextWordWrap, AText).height();
    }

    void NewPageIfBelow(double ANeeded)
    {
        if (y_ + ANeeded <= height_ - FooterRoom)
            return;
        Footer();
        writer_.newPage();
        ++page_;
        y_ = 0;
    }

    void Header()
    {
        double logoHeight = 0;
        if (!document_.Logo.isNull()) {
            const QSizeF size = QSizeF(document_.Logo.size()).scaled(160, 48, Qt::KeepAspectRatio);
            painter_.drawImage(QRectF(width_ - size.width(), 0, size.width(), size.height()), document_.Logo);
            logoHeight = size.height();
        }
        Font(18, true);
        y_ += Text(0, width_ - 170, document_.BrandName);
        Font(14, true);
        y_ += Text(0, width_ - 170, document_.Title) + 6;
        y_ = std::max(y_, logoHeight) + 10;
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 10;
        for (const LabelledValue& row : document_.Header) {
            if (!row.Value.isEmpty())
                Row(row.Label, row.Value);
        }
    }

    void Row(const QString& ALabel, const QString& AValue)
    {
        Font(10);
        NewPageIfBelow(Height(width_ - 155, AValue) + 3);
        Font(10, true);
        const double label = Text(0, 150, ALabel);
        Font(10);
        y_ += std::max(label, Text(155, width_ - 155, AValue)) + 3;
    }

    void Heading(const QString& AText)
    {
        if (AText.isEmpty())
            return;
        y_ += 6;
        Font(13, true);
        y_ += Text(0, width_, AText) + 2;
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 8;
    }

    void System(const QuoteSystem& ASystem)
    {
        const Quote& quote = ASystem.Content;
        const QuoteTexts& texts = quote.Texts;
        if (!ASystem.Name.isEmpty()) {
            // A named system starts where its heading and first facts fit.
            NewPageIfBelow(120);
            Heading(ASystem.Name);
        } else {
            y_ += 10;
        }
        const QLocale& locale = document_.Locale;
        Row(texts.Load,
            QStringLiteral("%1 W / %2 VA")
                .arg(locale.toString(quote.LoadWatts, 'f', 0), locale.toString(quote.LoadVoltAmperes, 'f', 0)));
        // The runtime calculator asks for no autonomy.
        if (quote.AutonomyMinutes > 0)
            Row(texts.Autonomy, locale.toString(quote.AutonomyMinutes, 'f', 0) + QLatin1Char(' ') + texts.Minutes);
        Row(texts.Runtime, quote.RuntimeAtLoad.Minutes ? locale.toString(*quote.RuntimeAtLoad.Minutes, 'f', 1) +
                                                             QLatin1Char(' ') + texts.Minutes
                                                       : texts.BeyondTable);
        y_ += 10;
        Section(texts.Basis, quote.Basis);
        Section(texts.Runtimes, quote.Runtimes);
        Lines(quote.Lines);
        Section(texts.Installation, quote.Installation);
        Curve(quote);
    }

    // A heading and its rows in two columns, so that the page keeps room
    // for the line items and the curve.
    void Section(const QString& AHeading, const QList<LabelledValue>& ARows)
    {
        if (ARows.isEmpty())
            return;
        NewPageIfBelow(40);
        Font(11, true);
        y_ += Text(0, width_, AHeading) + 4;
        const double column = (width_ - 12) / 2;
        for (qsizetype i = 0; i < ARows.size(); i += 2) {
            double needed = 0;
            for (qsizetype j = i; j < std::min(i + 2, ARows.size()); ++j) {
                Font(8.5, true);
                needed = std::max(needed, Height(118, ARows[j].Label));
                Font(8.5);
                needed = std::max(needed, Height(column - 122, ARows[j].Value));
            }
            // A row never runs into the footer.
            NewPageIfBelow(needed + 2);
            double rowHeight = 0;
            for (qsizetype j = i; j < std::min(i + 2, ARows.size()); ++j) {
                const double x = static_cast<double>(j - i) * (column + 12);
                Font(8.5, true);
                const double label = Text(x, 118, ARows[j].Label);
                Font(8.5);
                rowHeight = std::max({rowHeight, label, Text(x + 122, column - 122, ARows[j].Value)});
            }
            y_ += rowHeight + 2;
        }
        y_ += 10;
    }

    void Lines(const QList<QuoteLine>& ALines)
    {
        const QuoteTexts& texts = document_.Texts;
        const bool prices = document_.ShowPrices;
        const bool discounts = prices && std::any_of(ALines.begin(), ALines.end(),
                                                     [](const QuoteLine& l) { return l.DiscountPercent > 0; });
        // Columns: code, description, quantity, and with prices the unit
        // price, the discount when a line has one, and the amount.
        const double amount = width_ - 80;
        const double discount = amount - 44;
        const double unit = (discounts ? discount : amount) - 90;
        const double quantity = prices ? unit - 40 : width_ - 40;
        const double code = 0, description = 70;
        const double descriptionWidth = quantity - description - 4;
        const auto header = [&] {
            Font(9, true);
            Text(code, 68, texts.Code);
            Text(description, descriptionWidth, texts.Description);
            Text(quantity, 36, texts.Quantity, Qt::AlignRight);
            if (prices) {
                Text(unit, 86, texts.UnitPrice, Qt::AlignRight);
                if (discounts)
                    Text(discount, 40, document_.DiscountHeading, Qt::AlignRight);
                Text(amount, 80, texts.Amount, Qt::AlignRight);
            }
            y_ += 14;
            painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
            y_ += 4;
        };
        NewPageIfBelow(40);
        header();
        for (const QuoteLine& line : ALines) {
            Font(9);
            const double rowHeight = std::max(Height(descriptionWidth, line.Description), Height(68, line.Code));
            if (y_ + rowHeight > height_ - FooterRoom) {
                NewPageIfBelow(rowHeight + 40);
                header();
                Font(9);
            }
            Text(code, 68, line.Code);
            Text(description, descriptionWidth, line.Description);
            Text(quantity, 36, document_.Locale.toString(line.Quantity), Qt::AlignRight);
            if (prices && line.UnitPrice) {
                Text(unit, 86, Money(*line.UnitPrice), Qt::AlignRight);
                if (discounts && line.DiscountPercent > 0)
                    Text(discount, 40, document_.Locale.toString(line.DiscountPercent, 'g', 4) + QLatin1Char('%'),
                         Qt::AlignRight);
                Text(amount, 80, Money(LineAmount(line)), Qt::AlignRight);
            }
            y_ += rowHeight + 4;
        }
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 16;
    }

    void Totals()
    {
        if (!document_.ShowPrices || document_.Totals.isEmpty())
            return;
        NewPageIfBelow(18.0 * static_cast<double>(document_.Totals.size()) + 10);
        for (qsizetype i = 0; i < document_.Totals.size(); ++i) {
            const bool last = i + 1 == document_.Totals.size();
            Font(10, last);
            Text(width_ - 360, 236, document_.Totals[i].Label, Qt::AlignRight);
            Text(width_ - 120, 120, document_.Totals[i].Value, Qt::AlignRight);
            y_ += 16;
        }
        y_ += 12;
    }

    void Terms()
    {
        for (const QString& sentence : document_.Terms) {
            Font(9);
            NewPageIfBelow(Height(width_, sentence) + 4);
            y_ += Text(0, width_, sentence) + 4;
        }
    }

    void Curve(const Quote& AQuote)
    {
        if (AQuote.Curves.isEmpty())
            return;
        // Squeezed a little rather than alone on a page of its own.
        const double room = height_ - FooterRoom - y_;
        const double full = std::min(300.0, width_ * 0.55);
        const double curveHeight = room < full && room >= 180 ? room : full;
        NewPageIfBelow(curveHeight);
        Font(8);
        PaintRuntimeCurves(painter_, QRectF(0, y_, width_, curveHeight), AQuote.Curves, AQuote.OperatingPoint,
                           AQuote.Texts.Curve, document_.Locale);
        y_ += curveHeight + 10;
    }

    void Footer()
    {
        Font(8);
        const QString text = QString(document_.Texts.Page)
                                 .replace(QLatin1String("%1"), document_.Locale.toString(page_))
                                 .replace(QLatin1String("%2"), document_.Locale.toString(totalPages_));
        const QRectF line(0, height_ - 12, width_, 12);
        if (!document_.Mark.isEmpty())
            painter_.drawText(line, Qt::AlignLeft, document_.Mark);
        painter_.drawText(line, Qt::AlignRight, text);
    }

    QPdfWriter& writer_;
    const QuoteDocument& document_;
    QPainter painter_;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
    int page_ = 1;
    int totalPages_ = 1;
};

void SetUp(QPdfWriter& AWriter, const QuoteDocument& ADocument)
{
    AWriter.setResolution(static_cast<int>(Resolution));
    AWriter.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(42.5, 42.5, 42.5, 42.5), QPageLayout::Point));
    QString title = ADocument.Title;
    if (!ADocument.Mark.isEmpty())
        title += QStringLiteral(" ") + ADocument.Mark;
    AWriter.setTitle(title);
    AWriter.setCreator(ADocument.BrandName);
}

} // namespace

bool WriteQuoteDocumentPdf(const QString& AFile, const QuoteDocument& ADocument)
{
    // A first run into memory counts the pages for "page 1 of 2".
    QBuffer scratch;
    if (!scratch.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter counter(&scratch);
    SetUp(counter, ADocument);
    DocumentPainter counting(counter, ADocument, 1);
    if (!counting.Paint())
        return false;

    // The file appears whole or not at all.
    QSaveFile file(AFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    SetUp(writer, ADocument);
    DocumentPainter painter(writer, ADocument, counting.Pages());
    return painter.Paint() && file.commit();
}

QuoteDocument DocumentOf(const Quote& AQuote)
{
    QuoteDocument document;
    document.BrandName = AQuote.BrandName;
    document.Logo = AQuote.Logo;
    document.Title = AQuote.Texts.Title;
    document.Header = {{AQuote.Texts.Customer, AQuote.Customer},
                       {AQuote.Texts.Project, AQuote.Project},
                       {AQuote.Texts.Date, AQuote.Date}};
    document.Systems = {{QString(), AQuote}};
    document.ShowPrices = AQuote.ShowPrices;
    document.Currency = AQuote.Currency;
    document.Texts = AQuote.Texts;
    document.Locale = AQuote.Locale;
    // A total that leaves out a line without a price would mislead.
    const bool complete = std::all_of(AQuote.Lines.begin(), AQuote.Lines.end(),
                                      [](const QuoteLine& ALine) { return ALine.UnitPrice.has_value(); });
    if (complete && !AQuote.Lines.isEmpty()) {
        double total = 0;
        for (const QuoteLine& line : AQuote.Lines)
            total += LineAmount(line);
        document.Totals = {
            {AQuote.Texts.Total, document.Locale.toString(total, 'f', 2) +
                                     (AQuote.Currency.isEmpty() ? QString() : QLatin1Char(' ') + AQuote.Currency)}};
    }
    return document;
}

} // namespace vantor::devengine
