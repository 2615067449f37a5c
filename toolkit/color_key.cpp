#include "toolkit/color_key.h"

QPixmap transparentPicture(const QImage &image)
{
    if (image.isNull())
        return {};
    const QRgb key = image.pixel(0, image.height() - 1);
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == (key & RGB_MASK))
                line[x] = 0;
        }
    }
    return QPixmap::fromImage(keyed);
}

QBitmap colorKeyMask(const QImage &windowImage, QColor key)
{
    const QImage rgb = windowImage.convertToFormat(QImage::Format_RGB32);
    const QImage keyMask = rgb.createMaskFromColor(key.rgb(), Qt::MaskInColor);
    return QBitmap::fromImage(keyMask);
}
