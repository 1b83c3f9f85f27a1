#include "dev/ui/HeaderBand.h"

#include "dev/core/LogoPainter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

constexpr int BandHeight = 68;
constexpr int AccentLine = 3;
constexpr int MarkSize = 42;
constexpr int MarkLeft = 18;

} // namespace

HeaderBand::HeaderBand(const Branding& branding, const QString& title, const QString& badgeText, QWidget* parent)
    : QWidget(parent), branding_(branding)
{
    setObjectName(QStringLiteral("HeaderBand"));
    setFixedHeight(BandHeight);

    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("SelectorTitle"));
    titleLabel->setStyleSheet(QStringLiteral("color: #FFFFFF; font-size: 21px; font-weight: 700;"));
    auto* productLabel = new QLabel(QStringLiteral("%1  ·  %2").arg(branding.Name, branding.Product), this);
    productLabel->setObjectName(QStringLiteral("ProductLine"));
    productLabel->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, 190); font-size: 12px;"));

    auto* badge = new QLabel(badgeText.toUpper(), this);
    badge->setStyleSheet(QStringLiteral("color: #FFFFFF; background: rgba(255, 255, 255, 38); border: 1px solid "
                                        "rgba(255, 255, 255, 90); border-radius: 10px; padding: 2px 10px; "
                                        "font-size: 10px; font-weight: 600; letter-spacing: 1px;"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    texts->addStretch();
    texts->addWidget(titleLabel);
    texts->addWidget(productLabel);
    texts->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(MarkLeft + MarkSize + 14, 0, 20, AccentLine);
    layout->addLayout(texts, 1);
    layout->addWidget(badge, 0, Qt::AlignVCenter);
}

void HeaderBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF band(0, 0, width(), height() - AccentLine);
    QLinearGradient gradient(band.topLeft(), band.topRight());
    gradient.setColorAt(0, branding_.Primary);
    gradient.setColorAt(1, branding_.Secondary);
    painter.fillRect(band, gradient);
    painter.fillRect(QRectF(0, height() - AccentLine, width(), AccentLine), branding_.Accent);

    // The mark sits on a light tile so that dark marks stay visible on the band.
    const QRectF tile(MarkLeft - 3, (band.height() - MarkSize) / 2 - 3, MarkSize + 6, MarkSize + 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRoundedRect(tile, 10, 10);
    PaintMark(painter, tile.adjusted(5, 5, -5, -5), branding_);
}

} // namespace vantor::devengine
