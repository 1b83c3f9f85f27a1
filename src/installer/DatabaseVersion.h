// The date a ".vt4" database carries in its "Info" table: what decides, on
// an upgrade, whether the user's copy is newer than the one shipped.
#pragma once

#include <QString>

namespace vantor::installer {

// YYYYMMDD as a number: "Version" of a catalogue or engine database,
// "Validity" of a pricelist (told apart by the file name). 0 when the file
// cannot be read or carries no such date.
long DatabaseDate(const QString& AFileName);

} // namespace vantor::installer
