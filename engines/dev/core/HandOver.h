// Values the engine hands to the host across the boundary: length-prefixed
// strings the host frees with EngineStringFree, and picture streams the host
// destroys through their Destroy function.
#pragma once

#include "engine/EngineApi.h"

#include <QByteArray>
#include <QString>

namespace vantor::devengine {

// nullptr only when memory runs out.
TEngineString NewEngineString(const QString& text);

// One block holding the stream record and a copy of bytes, positioned at the
// first byte; Destroy frees the block. nullptr for empty bytes or no memory.
TEngineStream* NewEngineStream(const QByteArray& bytes);

} // namespace vantor::devengine
