#include "skins/VantorComponents.h"

#include <QSizePolicy>

namespace vantor {

namespace {

TSkinButton* MakeButton(const QString& name, QWidget* panel)
{
    auto* button = new TSkinButton(panel);
    button->setObjectName(name);
    button->setText(name); // placeholder; each dialog sets its translated caption
    button->resize(CommandButtonDefaultWidth, CommandButtonDefaultHeight);
    button->SetShowFocusRect(false);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCommandPanelEx::TCommandPanelEx(QWidget* AOwner) : QFrame(AOwner)
{
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(CommandPanelDefaultHeight);
    if (AOwner)
        resize(AOwner->width(), CommandPanelDefaultHeight);
    SetSkinSection(this, QStringLiteral("COMMAND_PANEL"));

    const int top = InitialButtonTop(CommandPanelDefaultHeight, CommandButtonDefaultHeight);
    // Created in this order so that OK precedes Cancel in the tab order.
    buttonOk_ = MakeButton(QStringLiteral("ButtonOk"), this);
    buttonCancel_ = MakeButton(QStringLiteral("ButtonCancel"), this);
    // Return in the dialog confirms (Escape cancels, as in every dialog).
    buttonOk_->setDefault(true);
    cancelFromRight_ = CommandButtonDefaultWidth + CommandButtonRightMargin;
    okFromRight_ = cancelFromRight_ + CommandButtonDefaultWidth + CommandButtonGap;
    buttonOk_->move(buttonOk_->x(), top);
    buttonCancel_->move(buttonCancel_->x(), top);
    PlaceButtons();
}

void TCommandPanelEx::ArrangeButtons(bool AHighlightOk)
{
    const TCommandPanelStyle& style = CommandPanelStyle;
    setFixedHeight(style.PanelHeight);
    const int top = ArrangedButtonTop(style.PanelHeight, style.ButtonHeight);
    buttonOk_->setGeometry(buttonOk_->x(), top, buttonOk_->width(), style.ButtonHeight);
    buttonCancel_->setGeometry(buttonCancel_->x(), top, buttonCancel_->width(), style.ButtonHeight);

    // Exchange the two positions measured from the right edge, which is what
    // the buttons are anchored to. Left edges are the negated distances.
    const TButtonOrder order = OrderButtons(-okFromRight_, -cancelFromRight_, style.OkLeftOfCancel);
    okFromRight_ = -order.OkLeft;
    cancelFromRight_ = -order.CancelLeft;
    if (order.SwapTabOrder)
        SetOkFirstInTabOrder(!OkFirstInTabOrder());
    PlaceButtons();

    if (AHighlightOk) {
        SetSkinSection(buttonOk_, QStringLiteral("BUTTON_OK"));
        QFont font = buttonOk_->font();
        font.setBold(style.OkFontStyle == TFontStyle::fsBold);
        buttonOk_->setFont(font);
    }
}

void TCommandPanelEx::ShowSingleButton(TUsageType AUsage)
{
    const bool cancel = SingleButtonIsCancel(AUsage);
    buttonCancel_->setVisible(cancel);
    buttonOk_->setVisible(!cancel);
    // The one button left is what Return presses.
    buttonCancel_->setDefault(cancel);
    buttonOk_->setDefault(!cancel);
}

void TCommandPanelEx::ApplyLabelColors()
{
    const TCommandPanelStyle& style = CommandPanelStyle;
    const auto labels = findChildren<TSkinLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (TSkinLabel* label : labels) {
        if (!style.LabelsUseSkinColor)
            label->SetFontColor(style.LabelColor);
        label->SetUseSkinColor(style.LabelsUseSkinColor);
    }
}

void TCommandPanelEx::SetButtonWidth(int AWidth)
{
    const bool okLeft = okFromRight_ > cancelFromRight_;
    const int nearRight = AWidth + CommandButtonRightMargin;
    const int farRight = nearRight + AWidth + CommandButtonGap;
    okFromRight_ = okLeft ? farRight : nearRight;
    cancelFromRight_ = okLeft ? nearRight : farRight;
    buttonOk_->resize(AWidth, buttonOk_->height());
    buttonCancel_->resize(AWidth, buttonCancel_->height());
    PlaceButtons();
}

bool TCommandPanelEx::OkFirstInTabOrder() const
{
    // The panel precedes its children in the focus chain; whichever button
    // comes first after it is first.
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (widget == buttonOk_)
            return true;
        if (widget == buttonCancel_)
            return false;
    }
    return true;
}

void TCommandPanelEx::SetOkFirstInTabOrder(bool AOkFirst)
{
    // A stand-in after the buttons for the time of the call, so that neither
    // ends the focus chain; its destruction leaves the new order in place.
    QWidget standIn(this);
    standIn.setFocusPolicy(Qt::TabFocus);
    if (AOkFirst)
        setTabOrder(buttonOk_, buttonCancel_);
    else
        setTabOrder(buttonCancel_, buttonOk_);
}

void TCommandPanelEx::resizeEvent(QResizeEvent* AEvent)
{
    QFrame::resizeEvent(AEvent);
    PlaceButtons();
}

void TCommandPanelEx::PlaceButtons()
{
    buttonOk_->move(width() - okFromRight_, buttonOk_->y());
    buttonCancel_->move(width() - cancelFromRight_, buttonCancel_->y());
}

} // namespace vantor
