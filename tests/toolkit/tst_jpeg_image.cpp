#include "toolkit/jpeg_image.h"

#include <QtTest>

#include <cstdio>
#include <jpeglib.h>

namespace {

// A JPEG the test makes itself: left half red, right half blue.
QByteArray encodeTestJpeg(int width, int height)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    QByteArray row(width * 3, '\0');
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        row[x * 3] = char(left ? 220 : 20);
        row[x * 3 + 1] = char(20);
        row[x * 3 + 2] = char(left ? 20 : 220);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<int>(size));
    jpeg_destroy_compress(&info);
    free(buffer);
    return bytes;
}

} // namespace

class TestJpegImage : public QObject
{
    Q_OBJECT

private slots:
    void decodesSizeAndColours();
    void refusesWhatIsNoJpeg_data();
    void refusesWhatIsNoJpeg();
};

void TestJpegImage::decodesSizeAndColours()
{
    const QImage image = decodeJpeg(encodeTestJpeg(465, 323));
    QCOMPARE(image.size(), QSize(465, 323));
    const QColor left = image.pixelColor(40, 100);
    const QColor right = image.pixelColor(420, 100);
    QVERIFY2(left.red() > 180 && left.blue() < 60, qPrintable(left.name()));
    QVERIFY2(right.blue() > 180 && right.red() < 60, qPrintable(right.name()));
}

void TestJpegImage::refusesWhatIsNoJpeg_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // clang-format off
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture at all");
    QTest::newRow("cut short") << encodeTestJpeg(64, 64).left(40);
    // clang-format on
}

void TestJpegImage::refusesWhatIsNoJpeg()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes).isNull());
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "tst_jpeg_image.moc"
