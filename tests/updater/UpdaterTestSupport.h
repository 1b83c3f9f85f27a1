// Shared by the updater's tests: a snapshot of a folder tree that tells any
// change apart, and a small translation file.
#pragma once

#include <QMap>
#include <QString>

namespace vantor::test {

// Every path below ARoot (hidden ones included, links not followed) mapped to
// its kind, permission bits and content.
QMap<QString, QString> SnapshotTree(const QString& ARoot);

// Writes a translation file with the updater's texts in language "ENG" and
// returns its path.
QString WriteUpdaterTranslations(const QString& AFolder);

} // namespace vantor::test
