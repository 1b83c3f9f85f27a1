#include "dev/core/Quote.h"

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

class QuotePainter {
public:
    QuotePainter(QPdfWriter& AWriter, const Quote& AQuote, int ATotalPages)
        : writer_(AWriter), quote_(AQuote), painter_(&AWriter), totalPages_(ATotalPages)
    {
        width_ = writer_.pageLayout().paintRect(QPageLayout::Point).width();
        height_ = writer_.pageLayout().paintRect(QPageLayout::Point).height();
    }

    bool Paint()
    {
        if (!painter_.isActive())
            return false;
        Header();
        Facts();
        Section(quote_.Texts.Basis, quote_.Basis);
        Section(quote_.Texts.Runtimes, quote_.Runtimes);
        Lines();
        Section(quote_.Texts.Installation, quote_.Installation);
        Curve();
        Footer();
        return painter_.end();
    }

    int Pages() const { return page_; }

private:
    QString Money(double AValue) const
    {
        const QString amount = quote_.Locale.toString(AValue, 'f', 2);
        return quote_.Currency.isEmpty() ? amount : amount + QLatin1Char(' ') + quote_.Currency;
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

    void NewPageIfBelow(double ANeeded)
    {
        if (y_ + ANeeded <= height_ - 30)
            return;
        Footer();
        writer_.newPage();
        ++page_;
        y_ = 0;
    }

    void Header()
    {
        double logoHeight = 0;
        if (!quote_.Logo.isNull()) {
            const QSizeF size = QSizeF(quote_.Logo.size()).scaled(160, 48, Qt::KeepAspectRatio);
            painter_.drawImage(QRectF(width_ - size.width(), 0, size.width(), size.height()), quote_.Logo);
            logoHeight = size.height();
        }
        Font(18, true);
        y_ += Text(0, width_ - 170, quote_.BrandName);
        Font(14, true);
        y_ += Text(0, width_ - 170, quote_.Texts.Title) + 6;
        y_ = std::max(y_, logoHeight) + 10;
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 10;
    }

    void Row(const QString& ALabel, const QString& AValue)
    {
        Font(10, true);
        const double label = Text(0, 150, ALabel);
        Font(10);
        y_ += std::max(label, Text(155, width_ - 155, AValue)) + 3;
    }

    void Facts()
    {
        const QuoteTexts& texts = quote_.Texts;
        Row(texts.Customer, quote_.Customer);
        Row(texts.Project, quote_.Project);
        Row(texts.Date, quote_.Date);
        Row(texts.Load, QStringLiteral("%1 W / %2 VA")
                            .arg(quote_.Locale.toString(quote_.LoadWatts, 'f', 0),
                                 quote_.Locale.toString(quote_.LoadVoltAmperes, 'f', 0)));
        // The runtime calculator asks for no autonomy.
        if (quote_.AutonomyMinutes > 0)
            Row(texts.Autonomy,
                quote_.Locale.toString(quote_.AutonomyMinutes, 'f', 0) + QLatin1Char(' ') + texts.Minutes);
        Row(texts.Runtime,
            quote_.RuntimeAtLoad.Minutes
                ? quote_.Locale.toString(*quote_.RuntimeAtLoad.Minutes, 'f', 1) + QLatin1Char(' ') + texts.Minutes
                : texts.BeyondTable);
        y_ += 10;
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

    void Lines()
    {
        const QuoteTexts& texts = quote_.Texts;
        // Columns: code, description, quantity, and with prices unit price and amount.
        const double code = 0, description = 70, quantity = quote_.ShowPrices ? width_ - 210 : width_ - 40;
        const double unit = width_ - 170, amount = width_ - 80;
        const auto header = [&] {
            Font(9, true);
            Text(code, 68, texts.Code);
            Text(description, quantity - description - 4, texts.Description);
            Text(quantity, 36, texts.Quantity, Qt::AlignRight);
            if (quote_.ShowPrices) {
                Text(unit, 86, texts.UnitPrice, Qt::AlignRight);
                Text(amount, 80, texts.Amount, Qt::AlignRight);
            }
            y_ += 14;
            painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
            y_ += 4;
        };
        header();
        double total = 0;
        bool complete = true;
        for (const QuoteLine& line : quote_.Lines) {
            Font(9);
            const double rowHeight =
                painter_
                    .boundingRect(QRectF(0, 0, quantity - description - 4, 1000), Qt::TextWordWrap, line.Description)
                    .height();
            if (y_ + rowHeight > height_ - 30) {
                NewPageIfBelow(rowHeight + 40);
                header();
                Font(9);
            }
            Text(code, 68, line.Code);
            Text(description, quantity - description - 4, line.Description);
            Text(quantity, 36, quote_.Locale.toString(line.Quantity), Qt::AlignRight);
            if (quote_.ShowPrices) {
                if (line.UnitPrice) {
                    Text(unit, 86, Money(*line.UnitPrice), Qt::AlignRight);
                    Text(amount, 80, Money(*line.UnitPrice * line.Quantity), Qt::AlignRight);
                    total += *line.UnitPrice * line.Quantity;
                } else {
                    complete = false;
                }
            }
            y_ += rowHeight + 4;
        }
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 4;
        if (quote_.ShowPrices && complete) {
            Font(10, true);
            Text(unit - 60, 146, texts.Total, Qt::AlignRight);
            Text(amount, 80, Money(total), Qt::AlignRight);
            y_ += 18;
        }
        y_ += 12;
    }

    void Curve()
    {
        if (quote_.Curves.isEmpty())
            return;
        // Squeezed a little rather than alone on a page of its own.
        const double room = height_ - 30 - y_;
        const double full = std::min(300.0, width_ * 0.55);
        const double curveHeight = room < full && room >= 180 ? room : full;
        NewPageIfBelow(curveHeight);
        Font(8);
        PaintRuntimeCurves(painter_, QRectF(0, y_, width_, curveHeight), quote_.Curves, quote_.OperatingPoint,
                           quote_.Texts.Curve, quote_.Locale);
        y_ += curveHeight + 10;
    }

    void Footer()
    {
        Font(8);
        const QString text = QString(quote_.Texts.Page)
                                 .replace(QLatin1String("%1"), quote_.Locale.toString(page_))
                                 .replace(QLatin1String("%2"), quote_.Locale.toString(totalPages_));
        painter_.drawText(QRectF(0, height_ - 12, width_, 12), Qt::AlignRight, text);
    }

    QPdfWriter& writer_;
    const Quote& quote_;
    QPainter painter_;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
    int page_ = 1;
    int totalPages_ = 1;
};

void SetUp(QPdfWriter& AWriter, const Quote& AQuote)
{
    AWriter.setResolution(static_cast<int>(Resolution));
    AWriter.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(42.5, 42.5, 42.5, 42.5), QPageLayout::Point));
    AWriter.setTitle(AQuote.Texts.Title + QStringLiteral(" - ") + AQuote.Project);
    AWriter.setCreator(AQuote.BrandName);
}

} // namespace

bool WriteQuotePdf(const QString& AFile, const Quote& AQuote)
{
    // A first run into memory counts the pages for "page 1 of 2".
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter counter(&scratch);
    SetUp(counter, AQuote);
    QuotePainter counting(counter, AQuote, 1);
    if (!counting.Paint())
        return false;

    // The file appears whole or not at all.
    QSaveFile file(AFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    SetUp(writer, AQuote);
    QuotePainter painter(writer, AQuote, counting.Pages());
    return painter.Paint() && file.commit();
}

} // namespace vantor::devengine
