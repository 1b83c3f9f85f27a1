#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vantor {

QPoint CenteredTopLeft(const QRect& Area, const QSize& Size)
{
    // C++ integer division truncates toward zero.
    return {Area.left() + (Area.width() - Size.width()) / 2, Area.top() + (Area.height() - Size.height()) / 2};
}

void CenterFormOnWorkArea(QWidget* Form)
{
    if (Form == nullptr)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // move() places a top-level window by its frame's corner.
    Form->move(CenteredTopLeft(screen->availableGeometry(), Form->frameGeometry().size()));
}

void CenterFormOnForm(QWidget* Owner, QWidget* Form)
{
    if (Owner == nullptr || Form == nullptr)
        return;
    Form->move(CenteredTopLeft(Owner->frameGeometry(), Form->frameGeometry().size()));
}

} // namespace vantor
