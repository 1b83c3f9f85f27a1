// A snapshot of a folder tree that tells any change apart.
#pragma once

#include <QMap>
#include <QString>

namespace vantor::test {

// Every path below ARoot (hidden ones included, links not followed) mapped to
// its kind, permission bits and content.
QMap<QString, QString> SnapshotTree(const QString& ARoot);

} // namespace vantor::test
