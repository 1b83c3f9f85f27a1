#include "dev/ui/ScreenStyle.h"

namespace vantor::devengine {

QString CssColour(const QColor& colour)
{
    if (colour.alpha() == 255)
        return colour.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

QString ScreenStyleSheet(const Branding& branding)
{
    QColor selection = branding.Secondary;
    selection.setAlpha(60);
    const QColor accentHover = branding.Accent.lighter(112);
    const QColor accentPressed = branding.Accent.darker(115);
    QString sheet = QStringLiteral(R"(
#SelectorScreen { background: #F3F5F9; }
#SelectorScreen QLabel { color: #1F2933; }
QFrame#Card { background: #FFFFFF; border: 1px solid #DCE1E8; border-radius: 8px; }
QFrame#SettingsStrip { background: #FFFFFF; border: none; border-bottom: 1px solid #DCE1E8; }
QLabel#CardTitle { color: @primary; font-size: 14px; font-weight: 600; }
QLabel#SettingName { color: #6B7785; }
QLabel#SettingValue { color: #1F2933; }
QLabel#SizingResult { color: #1F2933; }
QLabel#PricelistProblem { color: #8A1C1C; background: #FDF1F0; border: 1px solid #F3C7C3; border-radius: 6px; padding: 14px; }
QLabel#FooterNote { color: #6B7785; }
QLabel#CountBadge { color: @primary; background: @selection; border-radius: 9px; padding: 1px 8px; font-size: 11px; }
QLineEdit, QDoubleSpinBox, QSpinBox {
    background: #FFFFFF; border: 1px solid #C9D1DB; border-radius: 5px; padding: 3px 6px; min-height: 20px;
    selection-background-color: @secondary;
}
QLineEdit:focus, QDoubleSpinBox:focus, QSpinBox:focus { border: 1px solid @secondary; }
QPushButton[segment] {
    background: #FFFFFF; color: #4A5563; border: 1px solid #C9D1DB; padding: 4px 14px; min-height: 20px;
}
QPushButton[segment="first"] { border-top-left-radius: 5px; border-bottom-left-radius: 5px; }
QPushButton[segment="middle"], QPushButton[segment="last"] { border-left: none; }
QPushButton[segment="single"] { border-radius: 5px; padding: 4px 12px; }
QPushButton[segment="last"] { border-top-right-radius: 5px; border-bottom-right-radius: 5px; }
QPushButton[segment]:hover { background: #F3F5F9; }
QPushButton[segment]:checked { background: @secondary; color: #FFFFFF; border-color: @secondary; font-weight: 600; }
QScrollArea#SizingScroll, QWidget#SizingScrollContent { background: transparent; border: none; }
QTableView {
    background: #FFFFFF; alternate-background-color: #F7F9FC; border: none; gridline-color: #EEF1F5;
    selection-background-color: @selection; selection-color: #1F2933;
}
QHeaderView::section {
    background: #F3F5F9; color: #4A5563; border: none; border-bottom: 2px solid @accent;
    padding: 6px 8px; font-weight: 600;
}
QPushButton#BackButton {
    background: @accent; color: #FFFFFF; border: none; border-radius: 6px; padding: 8px 26px;
    font-size: 13px; font-weight: 600;
}
QPushButton#BackButton:hover { background: @accentHover; }
QPushButton#BackButton:pressed { background: @accentPressed; }
)");
    sheet.replace(QStringLiteral("@primary"), CssColour(branding.Primary));
    sheet.replace(QStringLiteral("@secondary"), CssColour(branding.Secondary));
    sheet.replace(QStringLiteral("@selection"), CssColour(selection));
    sheet.replace(QStringLiteral("@accentHover"), CssColour(accentHover));
    sheet.replace(QStringLiteral("@accentPressed"), CssColour(accentPressed));
    sheet.replace(QStringLiteral("@accent"), CssColour(branding.Accent));
    return sheet;
}

} // namespace vantor::devengine
