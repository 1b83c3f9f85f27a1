// The licence documents compiled into the program: one RTF document per
// language, named "LICENCE_" + language identifier.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantor {

// Names of the licence documents the program carries.
[[nodiscard]] QStringList LicenceResourceNames();

// The document named AName, matched without regard to letter case; empty
// when the program carries none of that name.
[[nodiscard]] QByteArray LoadLicenceResource(const QString& AName);

} // namespace vantor
