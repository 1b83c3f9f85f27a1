#include "shell/ItemLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vantor {

namespace {

// What assistive technology sees of an entry: a button with the entry's
// caption as its name, which it can press.
class TItemLabelAccessible final : public QAccessibleWidget {
public:
    explicit TItemLabelAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name)
            return static_cast<const TItemLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            emit static_cast<TItemLabel*>(widget())->Clicked();
    }
};

QAccessibleInterface* ItemLabelAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(TItemLabel::staticMetaObject.className()) && object->isWidgetType())
        return new TItemLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

TItemLabel::TItemLabel(QWidget* parent) : TSkinLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ItemLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TItemLabel::mousePressEvent(QMouseEvent* event)
{
    // A click moves the focus here, but the keyboard did not.
    keyboardFocus_ = false;
    TSkinLabel::mousePressEvent(event);
    updateHighlight();
}

void TItemLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit Clicked();
    TSkinLabel::mouseReleaseEvent(event);
}

void TItemLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (isEnabled() && !event->isAutoRepeat())
            emit Clicked();
        event->accept();
        return;
    default:
        TSkinLabel::keyPressEvent(event);
    }
}

void TItemLabel::DropHighlight()
{
    hovered_ = false;
    keyboardFocus_ = false;
    updateHighlight();
}

void TItemLabel::updateHighlight()
{
    const bool highlighted = isEnabled() && (hovered_ || (keyboardFocus_ && hasFocus()));
    if (highlighted == highlighted_)
        return;
    highlighted_ = highlighted;
    if (highlighted)
        emit MouseEnter();
    else
        emit MouseLeave();
}

void TItemLabel::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    TSkinLabel::enterEvent(event);
    updateHighlight();
}

void TItemLabel::leaveEvent(QEvent* event)
{
    hovered_ = false;
    TSkinLabel::leaveEvent(event);
    updateHighlight();
}

void TItemLabel::focusInEvent(QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        keyboardFocus_ = true;
        break;
    case Qt::MouseFocusReason:
        keyboardFocus_ = false;
        break;
    default:
        // The focus coming back (a dialog closed, a selector left): as it was.
        break;
    }
    TSkinLabel::focusInEvent(event);
    updateHighlight();
}

void TItemLabel::focusOutEvent(QFocusEvent* event)
{
    TSkinLabel::focusOutEvent(event);
    updateHighlight();
}

} // namespace vantor
