// Writes update packages (".Z"): per file its stored folder and name, its
// size, the size of its zlib stream and the stream itself.
#pragma once

#include "pack/PackageInputs.h"
#include "support/Result.h"

#include <QList>
#include <QString>

namespace vantor::pack {

// Writes the package from the inputs in their order, each file compressed
// with zlib's default settings. All or nothing: the package is written to a
// temporary file beside it and renamed at the end. Files are streamed in
// chunks.
[[nodiscard]] Result<void> WritePackage(const QString& packagePath, const QList<PackageInput>& inputs);

} // namespace vantor::pack
