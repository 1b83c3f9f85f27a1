#include "updater/StatusImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vantor {

namespace {

void DrawArrow(QPainter& APainter)
{
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(Qt::black);
    APainter.drawRect(QRectF(2, 6, 7, 4));
    const QPolygonF head({QPointF(8, 2), QPointF(14.5, 8), QPointF(8, 14)});
    APainter.drawPolygon(head);
}

void DrawTick(QPainter& APainter)
{
    QPen pen(QColor(0, 150, 0), 2.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    APainter.setPen(pen);
    APainter.setBrush(Qt::NoBrush);
    APainter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6, 12), QPointF(13.5, 3.5)}));
}

void DrawFailure(QPainter& APainter)
{
    const QColor red(210, 20, 20);
    APainter.setPen(QPen(red, 1.6));
    APainter.setBrush(QColor(255, 235, 235));
    APainter.drawEllipse(QRectF(1.3, 1.3, 13.4, 13.4));
    // The stroke across the circle, behind the mark.
    APainter.drawLine(QPointF(3.6, 3.6), QPointF(12.4, 12.4));
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(red.darker(130));
    APainter.drawRoundedRect(QRectF(6.9, 3.4, 2.2, 6.2), 1, 1);
    APainter.drawEllipse(QRectF(6.8, 10.6, 2.4, 2.4));
}

} // namespace

QPixmap StatusImage(TStatusImage AImage)
{
    QPixmap pixmap(StatusImageSize, StatusImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (AImage) {
    case TStatusImage::Working:
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawArrow(painter);
        break;
    case TStatusImage::Success:
        DrawTick(painter);
        break;
    case TStatusImage::Failure:
        DrawFailure(painter);
        break;
    }
    return pixmap;
}

} // namespace vantor
