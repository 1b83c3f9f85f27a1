#include "dev/ui/CurveView.h"

#include <QPainter>

namespace vantor::devengine {

CurveView::CurveView(const CurveTexts& ATexts, const QLocale& ALocale, QWidget* AParent)
    : QWidget(AParent), texts_(ATexts), locale_(ALocale)
{
    setObjectName(QStringLiteral("CurveView"));
    setMinimumSize(360, 240);
}

void CurveView::Show(const QList<CurveSeries>& ASeries, const QPointF& AOperatingPoint)
{
    series_ = ASeries;
    point_ = AOperatingPoint;
    update();
}

void CurveView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    PaintRuntimeCurves(painter, QRectF(rect()), series_, point_, texts_, locale_);
}

} // namespace vantor::devengine
