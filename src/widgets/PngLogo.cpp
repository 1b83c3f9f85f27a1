#include "widgets/PngLogo.h"

#include <QIODevice>
#include <QImageReader>

#include <exception>
#include <utility>

namespace vantor {

bool LoadPngIntoBitmap(QIODevice* Stream, QImage& Bitmap)
{
    if (Stream == nullptr)
        return false;
    // The logo comes from outside the program; a broken one must only cost
    // the picture, never the window that shows it.
    try {
        QImageReader reader(Stream, QByteArrayLiteral("png"));
        QImage decoded;
        if (!reader.read(&decoded) || decoded.isNull())
            return false;
        Bitmap = std::move(decoded);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace vantor
