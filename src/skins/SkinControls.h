// The skinned controls: plain Qt widgets whose look the skin's style sheet
// selects through the dynamic property "skinSection", e.g.
//   *[skinSection="BUTTON_OK"] { background: ... }
// Sections the shipped skins style: FORM (windows), MENUBTN (title band),
// CHECKBOX (engine container, logo), PANEL (welcome panel) with MAINITEM and
// MINORITEM (its entries), COMMAND_PANEL, BUTTON, BUTTON_OK, GROUPBOX,
// PAGECONTROL, TABSHEET, EDIT, COMBOBOX, and PAPER (a white sheet with dark
// text whatever the skin, such as the about page). Plain widget types
// (dialogs, message boxes, tabs, grids, editors) are styled too.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>

class QWidget;

namespace vantor {

inline constexpr char SkinSectionProperty[] = "skinSection";

// Sets the section the style sheet selects on and re-polishes the widget so
// that a changed section takes effect at once.
void SetSkinSection(QWidget* AWidget, const QString& ASection);
[[nodiscard]] QString SkinSection(const QWidget* AWidget);

// Push button whose focus rectangle can be switched off. The keyboard focus
// still shows: the property "skinFocus" is "true" while it has the focus, for
// the skins to draw their own mark; without a skin the platform's focus
// rectangle stays.
class TSkinButton : public QPushButton {
    Q_OBJECT

public:
    explicit TSkinButton(QWidget* AParent = nullptr);

    [[nodiscard]] bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool AShow);

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void focusInEvent(QFocusEvent* AEvent) override;
    void focusOutEvent(QFocusEvent* AEvent) override;

private:
    bool showFocusRect_ = true;
};

// Label that takes its text colour from the skin, or from FontColor when
// UseSkinColor is off. The explicit colour wins over the skin's rules.
class TSkinLabel : public QLabel {
    Q_OBJECT

public:
    explicit TSkinLabel(QWidget* AParent = nullptr);
    explicit TSkinLabel(const QString& AText, QWidget* AParent = nullptr);

    [[nodiscard]] bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool AUse);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& AColor);

private:
    void UpdateColor();

    bool useSkinColor_ = true;
    QColor fontColor_{0, 0, 0};
    QString appliedSheet_;
};

} // namespace vantor
