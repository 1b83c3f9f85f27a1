// An entry of the welcome panel: a label that acts as a link and reports
// the mouse entering and leaving it.
#pragma once

#include "skins/SkinControls.h"

namespace vantor {

class TItemLabel : public TSkinLabel {
    Q_OBJECT

public:
    explicit TItemLabel(QWidget* parent = nullptr);

signals:
    void Clicked();
    void MouseEnter();
    void MouseLeave();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace vantor
