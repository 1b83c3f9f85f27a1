// The updater wears the skin of its installation's branding, like the main
// program: the branding follows the OEM identifier in the configuration file
// beside the updater, which it only reads.
#pragma once

#include <QString>

namespace vantor {

// Reads "iOemId" of "[Misc]" in ProgramFolder + "Vantor.ini" and activates
// that branding's skin from ProgramFolder + "Skins/". Without a readable
// file or skin the updater keeps Qt's plain look.
void ApplyUpdaterSkin(const QString& ProgramFolder);

} // namespace vantor
