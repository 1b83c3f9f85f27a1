#include "dev/core/RuntimeCurve.h"

#include "dev/core/SystemDischarge.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vantor::devengine {

QList<CurveSeries> RuntimeCurves(const UpsModel& AModel, const ProductData& AData, const BatteryConditions& AConditions,
                                 int ACabinets, int AUnits, int ASteps, int AModules, double APowerFactor)
{
    QList<CurveSeries> result;
    const BatteryBlock* block = AData.Block(AModel.BlockType);
    if (block == nullptr || AModel.BlocksPerString <= 0 || AUnits < 1 || ASteps < 1)
        return result;
    // A frame runs with the modules installed, not with every slot filled.
    const int running = AModel.Modular ? (AModules > 0 ? AModules : AModel.Slots) : AUnits;
    const double powerFactor = APowerFactor > 0 && APowerFactor <= 1 ? APowerFactor : 1.0;
    // The watts where the first of the two ratings is reached.
    const double rating = AModel.Modular ? std::min(AModel.ModuleW, AModel.ModuleVA * powerFactor) * running
                                         : std::min(AModel.RatedW, AModel.RatedVA * powerFactor) * AUnits;
    const BatteryCabinet* cabinet = AData.CabinetFor(AModel);
    const int cabinetStrings = cabinet ? cabinet->Strings : 0;
    const int cabinets = cabinetStrings > 0 ? ACabinets : 0;
    for (int count = 0; count <= cabinets; ++count) {
        const int strings = AModel.InternalStrings + count * cabinetStrings;
        if (strings <= 0)
            continue;
        CurveSeries series{count, {}};
        for (int step = 0; step <= ASteps; ++step) {
            const double fraction = 0.1 + 0.9 * step / ASteps;
            const double load = rating * fraction;
            const OperatingCase::Reading reading =
                OperatingCase(AModel, *block, load, load / powerFactor, running, AConditions).Read(strings);
            if (reading.EndOfLife.Minutes.Minutes)
                series.Points.append({load, *reading.EndOfLife.Minutes.Minutes});
        }
        result.append(series);
    }
    return result;
}

namespace {

const QColor SeriesColours[] = {QColor(0x1d, 0x3f, 0x72), QColor(0xd9, 0x6c, 0x06), QColor(0x2e, 0x8b, 0x57),
                                QColor(0x8e, 0x24, 0xaa), QColor(0xc6, 0x28, 0x28), QColor(0x00, 0x83, 0x8f)};

// Round values for a linear axis: 1, 2 or 5 times a power of ten.
double NiceStep(double ARange, int ATicks)
{
    const double raw = ARange / std::max(1, ATicks);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (raw <= factor * power)
            return factor * power;
    }
    return 10 * power;
}

} // namespace

void PaintRuntimeCurves(QPainter& APainter, const QRectF& AArea, const QList<CurveSeries>& ASeries,
                        const QPointF& AOperatingPoint, const CurveTexts& ATexts, const QLocale& ALocale)
{
    double maxLoad = AOperatingPoint.x();
    double minMinutes = 1e9, maxMinutes = 0;
    for (const CurveSeries& series : ASeries) {
        for (const QPointF& point : series.Points) {
            maxLoad = std::max(maxLoad, point.x());
            minMinutes = std::min(minMinutes, point.y());
            maxMinutes = std::max(maxMinutes, point.y());
        }
    }
    if (AOperatingPoint.y() > 0) {
        minMinutes = std::min(minMinutes, AOperatingPoint.y());
        maxMinutes = std::max(maxMinutes, AOperatingPoint.y());
    }
    if (maxMinutes <= 0 || maxLoad <= 0) {
        minMinutes = 1;
        maxMinutes = 100;
        maxLoad = std::max(maxLoad, 1000.0);
    }
    // Whole decades on the minutes axis.
    const double lowDecade = std::pow(10.0, std::floor(std::log10(std::max(minMinutes, 0.1))));
    const double highDecade = std::pow(10.0, std::ceil(std::log10(std::max(maxMinutes, lowDecade * 10))));
    const double loadStep = NiceStep(maxLoad, 6);
    const double loadTop = std::ceil(maxLoad / loadStep) * loadStep;

    APainter.save();
    APainter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(APainter.font());
    const double left = AArea.left() + metrics.horizontalAdvance(QStringLiteral("10000")) + metrics.height() + 8;
    const double bottom = AArea.bottom() - 2 * metrics.height() - 8;
    const QRectF plot(left, AArea.top() + metrics.height(), AArea.right() - left - 150,
                      bottom - AArea.top() - metrics.height());
    const auto toX = [&](double ALoad) { return plot.left() + plot.width() * ALoad / loadTop; };
    const auto toY = [&](double AMinutes) {
        const double t =
            (std::log10(AMinutes) - std::log10(lowDecade)) / (std::log10(highDecade) - std::log10(lowDecade));
        return plot.bottom() - plot.height() * t;
    };

    APainter.fillRect(AArea, Qt::white);
    // Grid and axis labels.
    APainter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
    APainter.setBrush(Qt::NoBrush);
    for (double load = 0; load <= loadTop + loadStep / 2; load += loadStep) {
        APainter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
        APainter.drawLine(QPointF(toX(load), plot.top()), QPointF(toX(load), plot.bottom()));
        APainter.setPen(Qt::black);
        const QString label = ALocale.toString(load, 'f', 0);
        APainter.drawText(QRectF(toX(load) - 40, plot.bottom() + 4, 80, metrics.height()), Qt::AlignHCenter, label);
    }
    for (double decade = lowDecade; decade <= highDecade * 1.001; decade *= 10) {
        for (const int factor : {1, 2, 5}) {
            const double minutes = decade * factor;
            if (minutes > highDecade * 1.001)
                break;
            APainter.setPen(
                QPen(QColor(factor == 1 ? 0xbb : 0xe6, factor == 1 ? 0xbb : 0xe6, factor == 1 ? 0xbb : 0xe6), 1));
            APainter.drawLine(QPointF(plot.left(), toY(minutes)), QPointF(plot.right(), toY(minutes)));
            APainter.setPen(Qt::black);
            APainter.drawText(
                QRectF(AArea.left(), toY(minutes) - metrics.height() / 2, left - AArea.left() - 6, metrics.height()),
                Qt::AlignRight | Qt::AlignVCenter, ALocale.toString(minutes, 'g', 4));
        }
    }
    APainter.setPen(QPen(Qt::black, 1));
    APainter.drawRect(plot);
    APainter.drawText(QRectF(plot.left(), AArea.bottom() - metrics.height(), plot.width(), metrics.height()),
                      Qt::AlignHCenter, ATexts.LoadAxis);
    APainter.save();
    APainter.translate(AArea.left() + metrics.height() / 2, plot.center().y());
    APainter.rotate(-90);
    APainter.drawText(QRectF(-plot.height() / 2, -metrics.height() / 2, plot.height(), metrics.height()),
                      Qt::AlignHCenter, ATexts.MinutesAxis);
    APainter.restore();

    // The curves and their legend.
    APainter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (qsizetype i = 0; i < ASeries.size(); ++i) {
        const CurveSeries& series = ASeries.at(i);
        QPainterPath path;
        for (qsizetype p = 0; p < series.Points.size(); ++p) {
            const QPointF point(toX(series.Points.at(p).x()), toY(series.Points.at(p).y()));
            if (p == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        APainter.setPen(QPen(SeriesColours[i % std::size(SeriesColours)], 2));
        APainter.drawPath(path);
    }
    APainter.setClipping(false);
    for (qsizetype i = 0; i < ASeries.size(); ++i) {
        const double y = plot.top() + 4 + static_cast<double>(i) * (metrics.height() + 4);
        APainter.setPen(QPen(SeriesColours[i % std::size(SeriesColours)], 3));
        APainter.drawLine(QPointF(plot.right() + 12, y + metrics.height() / 2),
                          QPointF(plot.right() + 32, y + metrics.height() / 2));
        APainter.setPen(Qt::black);
        const int cabinets = ASeries.at(i).Cabinets;
        const QString legend =
            cabinets == 0   ? ATexts.NoCabinetsLegend
            : cabinets == 1 ? ATexts.OneCabinetLegend
                            : QString(ATexts.CabinetsLegend).replace(QLatin1String("%1"), ALocale.toString(cabinets));
        APainter.drawText(QRectF(plot.right() + 38, y, 112, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          legend);
    }
    // The operating point.
    if (AOperatingPoint.y() > 0 && AOperatingPoint.x() > 0) {
        const QPointF point(toX(AOperatingPoint.x()), toY(AOperatingPoint.y()));
        APainter.setPen(QPen(Qt::black, 2));
        APainter.setBrush(QColor(0xff, 0xc6, 0x29));
        APainter.drawEllipse(point, 6, 6);
    }
    APainter.restore();
}

bool SaveRuntimeCurvePng(const QString& AFile, int AWidth, int AHeight, const QList<CurveSeries>& ASeries,
                         const QPointF& AOperatingPoint, const CurveTexts& ATexts, const QLocale& ALocale)
{
    QImage image(AWidth, AHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintRuntimeCurves(painter, QRectF(0, 0, AWidth, AHeight), ASeries, AOperatingPoint, ATexts, ALocale);
    }
    return image.save(AFile, "PNG");
}

} // namespace vantor::devengine
