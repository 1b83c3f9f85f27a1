// The command panel at the foot of the dialogs, with the program-wide style
// that drives it, and the skin set-up of the program.
#pragma once

#include "skins/CommandPanelStyle.h"
#include "skins/SkinControls.h"
#include "skins/SkinManager.h"

#include <QFrame>

namespace vantor {

// An OK and a Cancel button side by side at the right end of a bottom strip,
// 5 pixels apart and 10 pixels from the right edge; they keep that distance
// when the panel is resized. Placed last in a dialog's vertical layout it
// spans the dialog's full width.
//
// Move the buttons through the panel (ArrangeButtons, SetButtonWidth): a
// button moved from outside returns to its place at the next resize.
class TCommandPanelEx : public QFrame {
    Q_OBJECT

public:
    explicit TCommandPanelEx(QWidget* AOwner = nullptr);

    TSkinButton* ButtonOk() const { return buttonOk_; }
    TSkinButton* ButtonCancel() const { return buttonCancel_; }

    // Applies CommandPanelStyle: heights, vertical position, OK left or right
    // of Cancel (exchanging their tab-order positions when OK goes right), and
    // with AHighlightOk the skin section "BUTTON_OK" and font of OK.
    // Must not run before SetCommandPanelStyle.
    void ArrangeButtons(bool AHighlightOk);
    // Shows only OK (Porvik, Sandel) or only Cancel (every other variant).
    void ShowSingleButton(TUsageType AUsage);
    // Colours the skinned labels placed directly on the panel.
    void ApplyLabelColors();

    // Gives both buttons this width, keeping Cancel's right margin and the gap.
    void SetButtonWidth(int AWidth);
    // Whether OK comes before Cancel when tabbing through the panel.
    [[nodiscard]] bool OkFirstInTabOrder() const;
    // Use this rather than QWidget::setTabOrder for the two buttons: Qt
    // ignores setTabOrder when its first widget ends the window's focus chain,
    // which the buttons of a panel at the foot of a dialog usually do.
    void SetOkFirstInTabOrder(bool AOkFirst);

protected:
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    void PlaceButtons();

    TSkinButton* buttonCancel_ = nullptr;
    TSkinButton* buttonOk_ = nullptr;
    // Distance of each button's left edge from the panel's right edge.
    int okFromRight_ = 0;
    int cancelFromRight_ = 0;
};

} // namespace vantor
