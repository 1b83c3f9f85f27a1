// A row of toggle buttons drawn as one control, one of them checked; their
// ids in the group are 0, 1, ...
#pragma once

#include <QStringList>

class QButtonGroup;
class QWidget;

namespace vantor::devengine {

// Fills ARow (which gets the layout) with a button per choice; the
// accessible names are the choices after AAccessiblePrefix.
QButtonGroup* MakeSegmentRow(QWidget* ARow, const QStringList& AChoices, int ACurrent,
                             const QString& AAccessiblePrefix);

} // namespace vantor::devengine
