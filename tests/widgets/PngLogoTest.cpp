#include "widgets/PngLogo.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QByteArray PngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage Sample()
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(3, 2, QColor(200, 100, 50));
    return image;
}

TEST(LoadPngIntoBitmap, DecodesFromTheCurrentPosition)
{
    QByteArray data = QByteArray("leading bytes") + PngOf(Sample());
    QBuffer stream(&data);
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    ASSERT_TRUE(stream.seek(13));

    QImage bitmap;
    ASSERT_TRUE(LoadPngIntoBitmap(&stream, bitmap));
    EXPECT_EQ(bitmap.size(), QSize(7, 5));
    EXPECT_EQ(bitmap.pixelColor(3, 2), QColor(200, 100, 50));
    EXPECT_EQ(bitmap.pixelColor(0, 0), QColor(10, 20, 30));
}

TEST(LoadPngIntoBitmap, FailureLeavesBitmapUnchanged)
{
    const QImage original = Sample();
    QImage bitmap = original;

    QByteArray garbage("\x89PNG\r\n\x1a\nthis is not a picture");
    QBuffer broken(&garbage);
    broken.open(QIODevice::ReadOnly);
    EXPECT_FALSE(LoadPngIntoBitmap(&broken, bitmap));
    EXPECT_EQ(bitmap, original);

    QByteArray nothing;
    QBuffer empty(&nothing);
    empty.open(QIODevice::ReadOnly);
    EXPECT_FALSE(LoadPngIntoBitmap(&empty, bitmap));
    EXPECT_EQ(bitmap, original);

    // A valid picture behind the position is not found.
    QByteArray png = PngOf(Sample());
    QBuffer past(&png);
    past.open(QIODevice::ReadOnly);
    past.seek(png.size());
    EXPECT_FALSE(LoadPngIntoBitmap(&past, bitmap));

    EXPECT_FALSE(LoadPngIntoBitmap(nullptr, bitmap));
    EXPECT_EQ(bitmap, original);
}

} // namespace
} // namespace vantor::test
