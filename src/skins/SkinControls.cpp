#include "skins/SkinControls.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVariant>

namespace vantor {

namespace {

// Qt's style sheet style remembers a widget's font when it first polishes it
// and returns to that font whenever it polishes the widget again, dropping a
// font set in code in between. Such a font is put back, so fonts set in code
// win over the skin's.
template <typename Change>
void KeepingFont(QWidget* widget, Change change)
{
    const bool fontSetInCode = widget->testAttribute(Qt::WA_SetFont);
    const QFont font = widget->font();
    change();
    if (fontSetInCode && widget->font() != font)
        widget->setFont(font);
}

} // namespace

void SetSkinSection(QWidget* AWidget, const QString& ASection)
{
    if (!AWidget)
        return;
    AWidget->setProperty(SkinSectionProperty, ASection);
    // A widget not polished yet picks the section up when it is; one already
    // polished must be polished again, as selectors are matched only then.
    if (!AWidget->testAttribute(Qt::WA_WState_Polished))
        return;
    KeepingFont(AWidget, [AWidget] {
        QStyle* style = AWidget->style();
        style->unpolish(AWidget);
        style->polish(AWidget);
    });
    AWidget->update();
}

QString SkinSection(const QWidget* AWidget)
{
    return AWidget ? AWidget->property(SkinSectionProperty).toString() : QString();
}

TSkinButton::TSkinButton(QWidget* AParent) : QPushButton(AParent)
{}

void TSkinButton::SetShowFocusRect(bool AShow)
{
    if (showFocusRect_ == AShow)
        return;
    showFocusRect_ = AShow;
    update();
}

void TSkinButton::paintEvent(QPaintEvent* AEvent)
{
    // Without a skin nothing else would show where the keyboard is.
    if (showFocusRect_ || qApp->styleSheet().isEmpty()) {
        QPushButton::paintEvent(AEvent);
        return;
    }
    // Paint as the button would, only never in the focused state.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
}

namespace {

void MarkFocus(QWidget* AWidget, bool AFocused)
{
    AWidget->setProperty("skinFocus", AFocused);
    // Style sheets read properties when a widget is polished.
    AWidget->style()->unpolish(AWidget);
    AWidget->style()->polish(AWidget);
    AWidget->update();
}

} // namespace

void TSkinButton::focusInEvent(QFocusEvent* AEvent)
{
    QPushButton::focusInEvent(AEvent);
    MarkFocus(this, true);
}

void TSkinButton::focusOutEvent(QFocusEvent* AEvent)
{
    QPushButton::focusOutEvent(AEvent);
    MarkFocus(this, false);
}

TSkinLabel::TSkinLabel(QWidget* AParent) : QLabel(AParent)
{}

TSkinLabel::TSkinLabel(const QString& AText, QWidget* AParent) : QLabel(AText, AParent)
{}

void TSkinLabel::SetUseSkinColor(bool AUse)
{
    useSkinColor_ = AUse;
    UpdateColor();
}

void TSkinLabel::SetFontColor(const QColor& AColor)
{
    fontColor_ = AColor;
    UpdateColor();
}

namespace {

QString ColorSheet(const QColor& color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

} // namespace

void TSkinLabel::UpdateColor()
{
    if (useSkinColor_) {
        // Only undo what was set here: first the palette, then the sheet, whose
        // removal polishes the label again with the skin's colour.
        if (appliedSheet_.isEmpty())
            return;
        setPalette(QPalette());
        if (styleSheet() == appliedSheet_)
            KeepingFont(this, [this] { setStyleSheet(QString()); });
        appliedSheet_.clear();
        return;
    }
    // The palette serves the plain look; a style sheet of the widget's own is
    // needed because the skin's rules would otherwise override the palette.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, fontColor_);
    setPalette(palette);
    appliedSheet_ = ColorSheet(fontColor_);
    KeepingFont(this, [this] { setStyleSheet(appliedSheet_); });
}

} // namespace vantor
