#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG bytes with libjpeg. A null image when the bytes are not a JPEG.
QImage decodeJpeg(const QByteArray &bytes);

// Reads a JPEG from a file or a Qt resource path.
QImage loadJpeg(const QString &path);
