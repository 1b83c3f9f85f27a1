// Shared by the updater's tests: a small translation file.
#pragma once

#include <QString>

namespace vantor::test {

// Writes a translation file with the updater's texts in language "ENG" and
// returns its path.
QString WriteUpdaterTranslations(const QString& AFolder);

} // namespace vantor::test
