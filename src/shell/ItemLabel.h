// An entry of the welcome panel: a label that acts as a link. It reacts to
// the mouse and to the keyboard alike: Tab reaches it, Return, Enter or Space
// activate it, and it reports the mouse over it, and the keyboard focus on it
// when that came from the keyboard, so that the window highlights it either
// way. A click gives it the focus too, but no highlight of its own: leaving
// it with the mouse ends the highlight. Screen readers see it as a button
// named by its caption.
#pragma once

#include "skins/SkinControls.h"

namespace vantor {

class TItemLabel : public TSkinLabel {
    Q_OBJECT

public:
    explicit TItemLabel(QWidget* parent = nullptr);

    // The mouse is over it, or it has a focus that came from the keyboard.
    [[nodiscard]] bool IsHighlighted() const { return highlighted_; }
    // Ends its highlight because another entry is highlighted now: until the
    // mouse enters it again or the keyboard brings the focus back.
    void DropHighlight();

signals:
    void Clicked();
    // It became highlighted (MouseEnter), and it is no longer (MouseLeave).
    void MouseEnter();
    void MouseLeave();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateHighlight();

    bool hovered_ = false;
    bool keyboardFocus_ = false; // the focus it has came from the keyboard
    bool highlighted_ = false;
};

} // namespace vantor
