// Branding-dependent look of the command panel at the foot of the dialogs,
// and the button arithmetic behind it. No widgets here, so all of it can be
// checked without a display.
#pragma once

#include "common/uGlobals.h"

#include <QColor>

#include <cstdint>

namespace vantor {

enum class TFontStyle : std::uint8_t { fsRegular, fsBold };

struct TCommandPanelStyle {
    int PanelHeight = 0;
    int ButtonHeight = 0;
    bool OkLeftOfCancel = false;
    TFontStyle OkFontStyle = TFontStyle::fsRegular; // of the emphasised OK button
    bool LabelsUseSkinColor = false;                // labels on the panel take their colour from the skin
    QColor LabelColor;                              // used when LabelsUseSkinColor is off
};

// Zero until SetCommandPanelStyle runs during the main window's set-up.
extern TCommandPanelStyle CommandPanelStyle;

// The style of a branding variant; values outside the table count as utMaronel.
TCommandPanelStyle CommandPanelStyleFor(TUsageType AUsageType);
void SetCommandPanelStyle(TUsageType AUsageType);

// Placement of the two buttons, in pixels.
inline constexpr int CommandPanelDefaultHeight = 44;
inline constexpr int CommandButtonDefaultWidth = 80;
inline constexpr int CommandButtonDefaultHeight = 30;
inline constexpr int CommandButtonRightMargin = 10; // Cancel to the panel's right edge
inline constexpr int CommandButtonGap = 5;          // between OK and Cancel

// Top of the buttons in a freshly built panel: centred, one pixel lower.
[[nodiscard]] int InitialButtonTop(int APanelHeight, int AButtonHeight);
// Top after ArrangeButtons: 2 + half the free height, rounded up.
[[nodiscard]] int ArrangedButtonTop(int APanelHeight, int AButtonHeight);

struct TButtonOrder {
    int OkLeft = 0;
    int CancelLeft = 0;
    bool SwapTabOrder = false;
};
// Puts OK left or right of Cancel on the two positions the buttons hold now;
// putting OK on the right also exchanges the buttons' tab-order positions.
TButtonOrder OrderButtons(int AOkLeft, int ACancelLeft, bool AOkLeftOfCancel);

// Which button a single-button panel keeps: OK for Porvik and Sandel, Cancel otherwise.
[[nodiscard]] bool SingleButtonIsCancel(TUsageType AUsageType);

} // namespace vantor
