#pragma once

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPixmap>

// A picture drawn "transparent": the colour of its lower-left pixel becomes see-through.
QPixmap transparentPicture(const QImage &image);

// A window mask that hides every pixel of the key colour, for windows whose background is the
// see-through colour. Works on X11 without a compositor.
QBitmap colorKeyMask(const QImage &windowImage, QColor key);
