#include "toolkit/picture.h"

#include "toolkit/jpeg_image.h"

#include <QFile>

QString pictureFile(const QString &path, qreal ratio)
{
    if (ratio <= 1)
        return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString doubled = dot < 0 ? path + QLatin1String("@2x")
                                    : path.left(dot) + QLatin1String("@2x") + path.mid(dot);
    return QFile::exists(doubled) ? doubled : path;
}

QImage loadPicture(const QString &path, qreal ratio)
{
    const QString file = pictureFile(path, ratio);
    QImage picture =
        file.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? loadJpeg(file) : QImage(file);
    // Qt reads the ratio from a PNG's "@2x" name; libjpeg knows nothing of it.
    picture.setDevicePixelRatio(file == path ? 1 : 2);
    return picture;
}

QImage fitToRatio(const QImage &picture, qreal ratio)
{
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), ratio))
        return picture;
    const QSizeF logical = QSizeF(picture.size()) / picture.devicePixelRatio();
    QImage fitted =
        picture.scaled((logical * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}
