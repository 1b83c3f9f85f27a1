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
    const QColor red(215, 25, 25);
    APainter.setPen(QPen(red.darker(140), 1));
    APainter.setBrush(red);
    APainter.drawEllipse(QRectF(0.8, 0.8, 14.4, 14.4));
    // The stroke across the circle, darker than the disc and behind the mark.
    APainter.setPen(QPen(red.darker(190), 2));
    APainter.drawLine(QPointF(3.3, 3.3), QPointF(12.7, 12.7));
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(Qt::white);
    APainter.drawRoundedRect(QRectF(6.9, 3.0, 2.2, 6.6), 1, 1);
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
