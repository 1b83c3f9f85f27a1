// Turns an empty file into an empty database, protected by a password or not.
// The connection of our database layer opens existing databases only (the
// program must never create one by accident); the maker's tools start each
// file here and fill it through that connection.
#pragma once

#include "support/Result.h"

#include <QString>

namespace vantor::tools {

// file must exist and be empty.
[[nodiscard]] Result<void> InitialiseDatabaseFile(const QString& file, const QString& password);

} // namespace vantor::tools
