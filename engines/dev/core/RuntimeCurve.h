// The runtime curve of a UPS: minutes of autonomy against the load, one
// line for the UPS alone and one for each number of battery cabinets, with
// the operating point marked. Drawn with QPainter on any paint device, so
// the runtime selector shows it and the quote prints it.
#pragma once

#include "dev/core/UpsSolutions.h"

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

class QPainter;
class QRectF;

namespace vantor::devengine {

struct CurveSeries {
    int Cabinets = 0;
    QList<QPointF> Points; // x: load in W, y: minutes; only where the table gives an answer
};

// The curves of AModel (AUnits in parallel, or a frame with AModules
// modules, 0: every slot) with 0..ACabinets cabinets, for loads of
// APowerFactor from 10 % to 100 % of the rating running in ASteps steps,
// batteries at end of life.
QList<CurveSeries> RuntimeCurves(const UpsModel& AModel, const ProductData& AData, const BatteryConditions& AConditions,
                                 int ACabinets, int AUnits = 1, int ASteps = 40, int AModules = 0,
                                 double APowerFactor = 1.0);

struct CurveTexts {
    QString LoadAxis = QStringLiteral("Load (W)");
    QString MinutesAxis = QStringLiteral("Runtime (min)");
    QString CabinetsLegend = QStringLiteral("%1 cabinets"); // %1: the number
    QString OneCabinetLegend = QStringLiteral("1 cabinet");
    QString NoCabinetsLegend = QStringLiteral("UPS alone");
};

// Paints the curves into AArea: a linear load axis, a logarithmic minutes
// axis, a legend, and the operating point (load W, minutes) when it has minutes.
void PaintRuntimeCurves(QPainter& APainter, const QRectF& AArea, const QList<CurveSeries>& ASeries,
                        const QPointF& AOperatingPoint, const CurveTexts& ATexts, const QLocale& ALocale);

// The same as a PNG file of ASize pixels; false when it cannot be written.
bool SaveRuntimeCurvePng(const QString& AFile, int AWidth, int AHeight, const QList<CurveSeries>& ASeries,
                         const QPointF& AOperatingPoint, const CurveTexts& ATexts, const QLocale& ALocale);

} // namespace vantor::devengine
