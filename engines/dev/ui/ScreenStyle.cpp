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
    QColor hover = branding.Secondary;
    hover.setAlpha(22);
    const QColor accentHover = branding.Accent.lighter(112);
    const QColor accentPressed = branding.Accent.darker(115);
    // Every colour is set, since the host's skin may style the same kinds of
    // widgets application-wide (a dark skin would leave light text on our
    // white cards otherwise). A plain QTableView::item rule would hide the
    // model's highlight of suggested rows, so only its states are styled.
    QString sheet = QStringLiteral(R"(
#SelectorScreen, #ProjectScreen { background: #F3F5F9; color: #1F2933; }
#SelectorScreen QLabel, #ProjectScreen QLabel { color: #1F2933; background: transparent; }
QFrame#SettingsStrip, QFrame#ProjectBar { background: #FFFFFF; border: none; border-bottom: 1px solid #DCE1E8; }
QLabel#ProjectTotals { color: @primary; font-size: 13px; padding: 4px 2px; }
QWidget#ProjectFields, QWidget#ProjectAddPanel { background: #FFFFFF; }
QPlainTextEdit {
    background: #FFFFFF; color: #1F2933; border: 1px solid #C9D1DB; border-radius: 5px; padding: 2px 4px;
}
QTreeView {
    background: #FFFFFF; alternate-background-color: #F7F9FC; color: #1F2933; border: 1px solid #EEF1F5;
    selection-background-color: @selection; selection-color: #1F2933; outline: none;
}
QTreeView::item { min-height: 24px; }
QTreeView::item:hover { background: @hover; color: #1F2933; }
QTreeView::item:selected { background: @selection; color: #1F2933; }
QFrame#Card { background: #FFFFFF; border: 1px solid #DCE1E8; border-radius: 8px; }
QLabel#CardTitle { color: @primary; font-size: 14px; font-weight: 600; }
QLabel#SettingName { color: #6B7785; }
QLabel#SizingResult { color: #1F2933; }
QLabel#PricelistProblem { color: #8A1C1C; background: #FDF1F0; border: 1px solid #F3C7C3; border-radius: 6px; padding: 14px; }
QLabel#FooterNote, QLabel#EngineVersion { color: #6B7785; }
QDialog#DetailsDialog { background: #FFFFFF; }
QDialog#DetailsDialog QLabel { color: #1F2933; background: transparent; }
QLabel#DetailsTitle { color: @primary; font-size: 15px; font-weight: 600; }
QLabel#DetailsHeading { color: @primary; font-size: 13px; font-weight: 600; border-bottom: 2px solid @accent; padding-bottom: 2px; }
QLabel#DetailsLabel { color: #6B7785; }
QLabel#SolutionSummary, QLabel#RuntimeResult { color: #1F2933; }
QLabel#SolutionSummary[problem="true"], QLabel#RuntimeResult[problem="true"] { color: #8A1C1C; }
QComboBox {
    background: #FFFFFF; color: #1F2933; border: 1px solid #C9D1DB; border-radius: 5px; padding: 3px 6px;
    min-height: 20px;
}
QComboBox:focus { border: 1px solid @secondary; }
QComboBox QAbstractItemView { background: #FFFFFF; color: #1F2933; selection-background-color: @selection; }
QPushButton#QuoteButton {
    background: #FFFFFF; color: @primary; border: 1px solid @primary; border-radius: 6px; padding: 7px 20px;
    min-height: 18px; font-size: 13px; font-weight: 600;
}
QPushButton#QuoteButton:hover { background: @hover; }
QPushButton#QuoteButton:disabled { color: #9AA4AD; border-color: #C9D1DB; }
QPushButton#DetailsButton, QPushButton#CloseButton, QPushButton#AddToProjectButton, QPushButton[export="true"] {
    background: #FFFFFF; color: @primary; border: 1px solid #C9D1DB; border-radius: 6px; padding: 7px 16px;
    min-height: 18px; font-size: 13px;
}
QPushButton#DetailsButton:hover, QPushButton#CloseButton:hover, QPushButton#AddToProjectButton:hover,
QPushButton[export="true"]:hover { background: @hover; }
QPushButton#DetailsButton:disabled, QPushButton#AddToProjectButton:disabled { color: #9AA4AD; }
QLabel#CountBadge { color: @primary; background: @selection; border-radius: 9px; padding: 1px 8px; font-size: 11px; }
QLineEdit, QDoubleSpinBox, QSpinBox {
    background: #FFFFFF; color: #1F2933; border: 1px solid #C9D1DB; border-radius: 5px; padding: 3px 6px;
    min-height: 20px; selection-background-color: @secondary; selection-color: #FFFFFF;
}
QLineEdit:focus, QDoubleSpinBox:focus, QSpinBox:focus { border: 1px solid @secondary; }
QLineEdit:disabled, QDoubleSpinBox:disabled, QSpinBox:disabled { background: #F3F5F9; color: #9AA4AD; }
QPushButton[segment] {
    background: #FFFFFF; color: #4A5563; border: 1px solid #C9D1DB; border-radius: 0px; padding: 4px 14px;
    min-height: 20px; font-weight: 400;
}
QPushButton[segment="first"] { border-top-left-radius: 5px; border-bottom-left-radius: 5px; }
QPushButton[segment="middle"], QPushButton[segment="last"] { border-left: none; }
QPushButton[segment="single"] { border-radius: 5px; padding: 4px 12px; }
QPushButton[segment="last"] { border-top-right-radius: 5px; border-bottom-right-radius: 5px; }
QPushButton[segment]:hover { background: #F3F5F9; border-color: #C9D1DB; }
QPushButton[segment]:checked { background: @secondary; color: #FFFFFF; border-color: @secondary; font-weight: 600; }
QPushButton[segment]:disabled { background: #F3F5F9; color: #9AA4AD; }
QScrollArea#InputsScroll, QWidget#InputsScrollContent { background: transparent; border: none; }
QTableView {
    background: #FFFFFF; alternate-background-color: #F7F9FC; color: #1F2933; border: none;
    gridline-color: #EEF1F5; selection-background-color: @selection; selection-color: #1F2933; outline: none;
}
QTableView::item:hover { background: @hover; color: #1F2933; }
QTableView::item:selected { background: @selection; color: #1F2933; }
QHeaderView { background: #F3F5F9; border: none; }
QHeaderView::section {
    background: #F3F5F9; color: #4A5563; border: none; border-bottom: 2px solid @accent;
    padding: 6px 8px; font-weight: 600;
}
QTableCornerButton::section { background: #F3F5F9; border: none; }
QScrollBar:vertical { background: #F3F5F9; width: 10px; margin: 0px; border: none; }
QScrollBar:horizontal { background: #F3F5F9; height: 10px; margin: 0px; border: none; }
QScrollBar::handle:vertical { background: #C9D1DB; border-radius: 4px; min-height: 30px; margin: 1px; }
QScrollBar::handle:horizontal { background: #C9D1DB; border-radius: 4px; min-width: 30px; margin: 1px; }
QScrollBar::handle:hover { background: #AAB4C0; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QPushButton#BackButton {
    background: @accent; color: #FFFFFF; border: none; border-radius: 6px; padding: 8px 26px; min-height: 18px;
    font-size: 13px; font-weight: 600;
}
QPushButton#BackButton:hover { background: @accentHover; }
QPushButton#BackButton:pressed { background: @accentPressed; }
)");
    sheet.replace(QStringLiteral("@primary"), CssColour(branding.Primary));
    sheet.replace(QStringLiteral("@secondary"), CssColour(branding.Secondary));
    sheet.replace(QStringLiteral("@selection"), CssColour(selection));
    sheet.replace(QStringLiteral("@hover"), CssColour(hover));
    sheet.replace(QStringLiteral("@accentHover"), CssColour(accentHover));
    sheet.replace(QStringLiteral("@accentPressed"), CssColour(accentPressed));
    sheet.replace(QStringLiteral("@accent"), CssColour(branding.Accent));
    return sheet;
}

} // namespace vantor::devengine
