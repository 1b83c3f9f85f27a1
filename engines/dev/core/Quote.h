// A quote for the customer: the chosen solution with its line items, the
// runtime at the load and the basis it was sized on, the installation data,
// the runtime curve, the branding, prices when they are shown, and the
// customer and project fields the user typed; written as PDF with Qt's own
// writer.
#pragma once

#include "dev/core/RuntimeCurve.h"

#include <QImage>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace vantor::devengine {

// One row of a quote's facts: what it is and its value, both as printed.
struct LabelledValue {
    QString Label;
    QString Value;
};

struct QuoteLine {
    QuoteLine() = default;
    QuoteLine(QString ACode, QString ADescription, int AQuantity, std::optional<double> AUnitPrice)
        : Code(std::move(ACode)), Description(std::move(ADescription)), Quantity(AQuantity), UnitPrice(AUnitPrice)
    {}

    QString Code;
    QString Description;
    int Quantity = 1;
    std::optional<double> UnitPrice; // none: no price in the pricelist
    double DiscountPercent = 0;
    // What the line comes to after its discount, rounded as the totals are;
    // none: the quantity times the unit price.
    std::optional<double> Amount;
};

// The texts of the quote in the user's language.
struct QuoteTexts {
    QString Title = QStringLiteral("Quotation");
    QString Customer = QStringLiteral("Customer");
    QString Project = QStringLiteral("Project");
    QString Date = QStringLiteral("Date");
    QString Load = QStringLiteral("Load");
    QString Autonomy = QStringLiteral("Required autonomy");
    QString Runtime = QStringLiteral("Runtime at this load");
    QString Code = QStringLiteral("Code");
    QString Description = QStringLiteral("Description");
    QString Quantity = QStringLiteral("Qty");
    QString UnitPrice = QStringLiteral("Unit price");
    QString Amount = QStringLiteral("Amount");
    QString Total = QStringLiteral("Total");
    QString Minutes = QStringLiteral("min");
    QString BeyondTable = QStringLiteral("beyond the battery tables");
    QString Page = QStringLiteral("Page %1 of %2");
    QString Basis = QStringLiteral("Sizing basis");
    QString Runtimes = QStringLiteral("Runtime");
    QString Installation = QStringLiteral("Installation data");
    CurveTexts Curve;
};

struct Quote {
    QString BrandName;
    QImage Logo; // may be null
    QString Customer;
    QString Project;
    QString Date; // already formatted
    double LoadWatts = 0;
    double LoadVoltAmperes = 0;
    double AutonomyMinutes = 0;
    Runtime RuntimeAtLoad;
    // What the sizing assumed and the runtimes it gives; the data for the
    // electrician. Printed under their headings when given.
    QList<LabelledValue> Basis;
    QList<LabelledValue> Runtimes;
    QList<LabelledValue> Installation;
    QList<QuoteLine> Lines;
    bool ShowPrices = false;
    QString Currency; // after each amount when set
    QList<CurveSeries> Curves;
    QPointF OperatingPoint;
    QuoteTexts Texts;
    QLocale Locale = QLocale::c();
};

// Writes the quote to AFile (A4, one page, or two when the line items need
// the room): false when the file cannot be written.
[[nodiscard]] bool WriteQuotePdf(const QString& AFile, const Quote& AQuote);

} // namespace vantor::devengine
