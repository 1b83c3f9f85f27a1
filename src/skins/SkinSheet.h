// Text work on skin style sheets.
#pragma once

#include <QString>
#include <QStringList>

namespace vantor {

// Lets widget classes that are trees in their own right (not QTreeView
// subclasses) wear the tree look: every rule whose selector names QTreeView
// gets the same selector for each class name added. Comments are dropped.
[[nodiscard]] QString ExtendTreeSelectors(const QString& ASheet, const QStringList& AClassNames);

// Makes the relative url(...) references of a skin point into its folder
// (AFolder ends with a separator), so that a skin can ship its own pictures
// beside it; Qt would otherwise look in the current working directory.
[[nodiscard]] QString ResolveSkinUrls(const QString& ASheet, const QString& AFolder);

} // namespace vantor
