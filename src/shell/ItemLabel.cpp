#include "shell/ItemLabel.h"

#include <QMouseEvent>

namespace vantor {

TItemLabel::TItemLabel(QWidget* parent) : TSkinLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TItemLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit Clicked();
    TSkinLabel::mouseReleaseEvent(event);
}

void TItemLabel::enterEvent(QEnterEvent* event)
{
    emit MouseEnter();
    TSkinLabel::enterEvent(event);
}

void TItemLabel::leaveEvent(QEvent* event)
{
    emit MouseLeave();
    TSkinLabel::leaveEvent(event);
}

} // namespace vantor
