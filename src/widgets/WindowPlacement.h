// Centring of top-level windows, by their outer (frame) sizes.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vantor {

// Top-left corner that centres a window of outer size Size within Area.
// Halves are truncated toward zero, so a window wider than the area by an
// odd amount sits one pixel further right than rounding down would put it.
QPoint CenteredTopLeft(const QRect& Area, const QSize& Size);

// Centres the window on the primary screen's work area (the desktop without
// the task bar).
void CenterFormOnWorkArea(QWidget* Form);

// Centres Form over Owner; the result is not clipped to the screen.
void CenterFormOnForm(QWidget* Owner, QWidget* Form);

} // namespace vantor
