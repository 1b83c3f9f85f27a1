// The runtime curve on the runtime calculator, painted to the widget's size.
#pragma once

#include "dev/core/RuntimeCurve.h"

#include <QWidget>

namespace vantor::devengine {

class CurveView final : public QWidget {
    Q_OBJECT
public:
    CurveView(const CurveTexts& ATexts, const QLocale& ALocale, QWidget* AParent);

    void Show(const QList<CurveSeries>& ASeries, const QPointF& AOperatingPoint);
    const QList<CurveSeries>& Series() const { return series_; }
    const QPointF& OperatingPoint() const { return point_; }
    const CurveTexts& Texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent* AEvent) override;

private:
    CurveTexts texts_;
    QLocale locale_;
    QList<CurveSeries> series_;
    QPointF point_;
};

} // namespace vantor::devengine
