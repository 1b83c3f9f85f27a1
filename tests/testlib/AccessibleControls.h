// Checks what a screen reader finds in a window: every control the keyboard
// can reach must have an accessible name and a role of its own.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace vantor::test {

// The reachable controls of Window that a screen reader could not announce,
// as "objectName (role)"; empty when all can be.
inline QStringList UnannouncedControls(QWidget* Window)
{
    QStringList missing;
    QList<QWidget*> widgets = Window->findChildren<QWidget*>();
    widgets.prepend(Window);
    for (QWidget* widget : widgets) {
        // Widgets that hand their focus on (a tab widget to its tab bar) are
        // announced through the widget that takes it.
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled() || !widget->isVisible() ||
            widget->focusProxy() != nullptr)
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QAccessible::Role role = accessible ? accessible->role() : QAccessible::NoRole;
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty() || role == QAccessible::NoRole || role == QAccessible::Client)
            missing << QStringLiteral("%1 %2 (role 0x%3)")
                           .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                                QString::number(role, 16));
    }
    return missing;
}

} // namespace vantor::test
