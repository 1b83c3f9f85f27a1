// Decoding of the branding logo, a PNG picture handed over as a stream.
#pragma once

#include <QImage>

class QIODevice;

namespace vantor {

// Decodes a PNG from the stream's current position into Bitmap. Returns false
// and leaves Bitmap untouched when there is no stream, no picture or the data
// cannot be decoded.
[[nodiscard]] bool LoadPngIntoBitmap(QIODevice* Stream, QImage& Bitmap);

} // namespace vantor
