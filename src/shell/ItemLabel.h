// An entry of the welcome panel: a label that acts as a link. It reacts to
// the mouse and to the keyboard alike: Tab reaches it, Return, Enter or Space
// activate it, and it reports both the mouse over it and the keyboard focus
// on it, so that the window highlights it either way. Screen readers see it
// as a button named by its caption.
#pragma once

#include "skins/SkinControls.h"

namespace vantor {

class TItemLabel : public TSkinLabel {
    Q_OBJECT

public:
    explicit TItemLabel(QWidget* parent = nullptr);

signals:
    void Clicked();
    // The mouse is over it or it has the focus (MouseEnter), and neither any
    // longer (MouseLeave).
    void MouseEnter();
    void MouseLeave();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace vantor
