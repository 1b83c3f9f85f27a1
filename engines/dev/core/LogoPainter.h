// The branding logos: a mark (a shape in the brand colours with a power ring
// and a bolt) and the product's name. The build renders them once with these
// functions (tools/RenderLogos) and the engine hands out the finished PNGs;
// the selector screens draw the mark live.
#pragma once

#include "dev/core/Branding.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>

class QPainter;

namespace vantor::devengine {

inline constexpr int WideLogoWidth = 560;
inline constexpr int WideLogoHeight = 70;
inline constexpr int SquareLogoSize = 128;

// The mark alone, fitted into box (which should be square); rimmed gives its
// outline a light edge, for dark backgrounds.
void PaintMark(QPainter& painter, const QRectF& box, const Branding& branding, bool rimmed = false);

// For the bottom of the main window: mark, product name and tagline centred
// on a transparent background, in colours that stand out against the host's
// skin (Branding::HostBackground).
QImage PaintWideLogo(const Branding& branding);
// For the about dialog: the mark above the maker's name.
QImage PaintSquareLogo(const Branding& branding);

// The picture as PNG bytes; empty when encoding fails.
QByteArray EncodePng(const QImage& image);

} // namespace vantor::devengine
