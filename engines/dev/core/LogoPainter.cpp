#include "dev/core/LogoPainter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace vantor::devengine {

namespace {

QPainterPath ShapePath(MarkShape shape, const QRectF& box)
{
    QPainterPath path;
    const double s = box.width();
    const QPointF c = box.center();
    switch (shape) {
    case MarkShape::RoundedSquare:
        path.addRoundedRect(box, s * 0.22, s * 0.22);
        break;
    case MarkShape::Circle:
        path.addEllipse(box);
        break;
    case MarkShape::Hexagon: {
        QPolygonF hexagon;
        for (int i = 0; i < 6; ++i) {
            const double angle = std::numbers::pi / 3 * i - std::numbers::pi / 2;
            hexagon << c + QPointF(std::cos(angle), std::sin(angle)) * (s * 0.5);
        }
        path.addPolygon(hexagon);
        path.closeSubpath();
        break;
    }
    case MarkShape::Shield: {
        const double l = box.left() + s * 0.08, r = box.right() - s * 0.08, t = box.top();
        path.moveTo(l, t + s * 0.12);
        path.quadTo(c.x(), t - s * 0.02, r, t + s * 0.12);
        path.lineTo(r, t + s * 0.52);
        path.quadTo(r, t + s * 0.82, c.x(), box.bottom());
        path.quadTo(l, t + s * 0.82, l, t + s * 0.52);
        path.closeSubpath();
        break;
    }
    case MarkShape::Diamond: {
        QPainterPath square;
        const double side = s * 0.72;
        square.addRoundedRect(QRectF(-side / 2, -side / 2, side, side), s * 0.12, s * 0.12);
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(45);
        path = turn.map(square);
        break;
    }
    }
    return path;
}

// A bolt in unit coordinates around the mark's centre.
QPolygonF BoltPolygon(const QPointF& centre, double size)
{
    static const QPointF unit[] = {{0.03, -0.37}, {-0.13, 0.05},  {-0.015, 0.05}, {-0.06, 0.33},
                                   {0.13, -0.07}, {0.015, -0.07}, {0.075, -0.37}};
    QPolygonF bolt;
    for (const QPointF& point : unit)
        bolt << centre + point * size;
    return bolt;
}

QFont LogoFont(double pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Arial")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(weight);
    return font;
}

QImage TransparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool OnDarkSkin(const Branding& branding)
{
    return branding.HostBackground.lightnessF() < 0.5;
}

struct WideTextColours {
    QColor Brand, Rest, Tagline;
};

// The brand colours are dark: on a dark skin the text takes light tints of
// its own instead, or it would all but disappear.
WideTextColours WideTextColoursFor(const Branding& branding)
{
    if (OnDarkSkin(branding))
        return {QColor(0xF2, 0xF4, 0xF6), QColor(0xB4, 0xBD, 0xC7), QColor(0xC4, 0xCB, 0xD3, 210)};
    QColor tagline = branding.Primary;
    tagline.setAlpha(190);
    return {branding.Primary, branding.Secondary, tagline};
}

// Moves the drawing by whole pixels, so that its leftmost and rightmost
// visible columns are equally far from the edges (within a pixel).
QImage CentredHorizontally(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    }
    if (last < first)
        return image;
    const int shift = (image.width() - (last - first + 1)) / 2 - first;
    // Parts of the copied rectangle outside the image come out transparent.
    return image.copy(QRect(-shift, 0, image.width(), image.height()));
}

} // namespace

void PaintMark(QPainter& painter, const QRectF& box, const Branding& branding, bool rimmed)
{
    const double s = std::min(box.width(), box.height());
    const QRectF square(box.center() - QPointF(s / 2, s / 2), QSizeF(s, s));
    const QPointF c = square.center();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fill(square.topLeft(), square.bottomRight());
    fill.setColorAt(0, branding.Secondary);
    fill.setColorAt(1, branding.Primary);
    painter.setPen(rimmed ? QPen(QColor(255, 255, 255, 90), std::max(1.0, s * 0.025)) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(ShapePath(branding.Mark, square));

    // The power ring, open at the top where the bolt breaks through it.
    const double radius = s * 0.25;
    QPen ring(QColor(255, 255, 255, 235), s * 0.07, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(ring);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), 125 * 16, 290 * 16);

    painter.setPen(QPen(branding.Primary.darker(130), s * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(branding.Accent);
    painter.drawPolygon(BoltPolygon(c, s));
    painter.restore();
}

QImage PaintWideLogo(const Branding& branding)
{
    QImage image = TransparentImage(WideLogoWidth, WideLogoHeight);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    // On a dark skin a light edge keeps the dark mark from melting into it.
    PaintMark(painter, QRectF(6, 6, 58, 58), branding, OnDarkSkin(branding));

    // The first word of the product name is the brand, the rest the kind of
    // product; both shrink together when the name is long.
    const qsizetype split = branding.Product.indexOf(u' ');
    const QString brand = split < 0 ? branding.Product : branding.Product.left(split);
    const QString rest = split < 0 ? QString() : branding.Product.mid(split);
    const double left = 80, available = WideLogoWidth - left - 8;
    double size = 32;
    QFont bold = LogoFont(size, QFont::Bold);
    QFont light = LogoFont(size, QFont::Light);
    while (size > 12 &&
           QFontMetricsF(bold).horizontalAdvance(brand) + QFontMetricsF(light).horizontalAdvance(rest) > available) {
        size -= 1;
        bold = LogoFont(size, QFont::Bold);
        light = LogoFont(size, QFont::Light);
    }
    const WideTextColours colours = WideTextColoursFor(branding);
    const double baseline = 40;
    painter.setFont(bold);
    painter.setPen(colours.Brand);
    painter.drawText(QPointF(left, baseline), brand);
    painter.setFont(light);
    painter.setPen(colours.Rest);
    painter.drawText(QPointF(left + QFontMetricsF(bold).horizontalAdvance(brand), baseline), rest);

    painter.fillRect(QRectF(left + 1, 51, 22, 3), branding.Accent);
    QFont tagline = LogoFont(11, QFont::DemiBold);
    tagline.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    painter.setFont(tagline);
    painter.setPen(colours.Tagline);
    painter.drawText(QPointF(left + 31, 57), branding.Tagline);
    painter.end();
    // The host centres the picture, so the drawing is centred in it too.
    return CentredHorizontally(image);
}

QImage PaintSquareLogo(const Branding& branding)
{
    QImage image = TransparentImage(SquareLogoSize, SquareLogoSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    PaintMark(painter, QRectF(23, 4, 82, 82), branding);

    double size = 19;
    QFont font = LogoFont(size, QFont::Bold);
    while (size > 9 && QFontMetricsF(font).horizontalAdvance(branding.Name) > SquareLogoSize - 6) {
        size -= 1;
        font = LogoFont(size, QFont::Bold);
    }
    painter.setFont(font);
    painter.setPen(branding.Primary);
    painter.drawText(QRectF(0, 90, SquareLogoSize, 24), Qt::AlignHCenter | Qt::AlignVCenter, branding.Name);
    painter.fillRect(QRectF(SquareLogoSize / 2.0 - 14, 118, 28, 3), branding.Accent);
    painter.end();
    return image;
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace vantor::devengine
