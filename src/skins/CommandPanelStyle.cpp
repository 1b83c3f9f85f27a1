#include "skins/CommandPanelStyle.h"

#include <algorithm>

namespace vantor {

TCommandPanelStyle CommandPanelStyle;

namespace {

TCommandPanelStyle MakeStyle(bool okLeftOfCancel, TFontStyle okFontStyle, bool labelsUseSkinColor, QColor labelColor)
{
    TCommandPanelStyle style;
    style.PanelHeight = 43;
    style.ButtonHeight = 30;
    style.OkLeftOfCancel = okLeftOfCancel;
    style.OkFontStyle = okFontStyle;
    style.LabelsUseSkinColor = labelsUseSkinColor;
    style.LabelColor = labelColor;
    return style;
}

} // namespace

TCommandPanelStyle CommandPanelStyleFor(TUsageType AUsageType)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    switch (AUsageType) {
    case TUsageType::utPorvik:
    case TUsageType::utSandel:
        return MakeStyle(false, TFontStyle::fsBold, false, white);
    case TUsageType::utQuillon:
        return MakeStyle(false, TFontStyle::fsBold, true, black);
    case TUsageType::utMaronel:
    case TUsageType::utKelvra:
    case TUsageType::utGeneric:
    case TUsageType::utWebMaronel:
        break;
    }
    return MakeStyle(true, TFontStyle::fsRegular, true, black);
}

void SetCommandPanelStyle(TUsageType AUsageType)
{
    CommandPanelStyle = CommandPanelStyleFor(AUsageType);
}

int InitialButtonTop(int APanelHeight, int AButtonHeight)
{
    return (APanelHeight - AButtonHeight) / 2 + 1;
}

int ArrangedButtonTop(int APanelHeight, int AButtonHeight)
{
    const int free = APanelHeight - AButtonHeight;
    // Half of the free height, rounded up (floor division keeps negatives right).
    const int half = free >= 0 ? (free + 1) / 2 : -((-free) / 2);
    return 2 + half;
}

TButtonOrder OrderButtons(int AOkLeft, int ACancelLeft, bool AOkLeftOfCancel)
{
    const int left = std::min(AOkLeft, ACancelLeft);
    const int right = std::max(AOkLeft, ACancelLeft);
    if (AOkLeftOfCancel)
        return {left, right, false};
    return {right, left, true};
}

bool SingleButtonIsCancel(TUsageType AUsageType)
{
    return AUsageType != TUsageType::utPorvik && AUsageType != TUsageType::utSandel;
}

} // namespace vantor
