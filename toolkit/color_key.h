#pragma once

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPixmap>

// A picture drawn "transparent": the colour of its lower-left pixel becomes see-through.
QPixmap transparentPicture(const QImage &image);

// The same for a screen of the given device pixel ratio: the picture is keyed at the size it was
// drawn and then fitted to the ratio; its edges stay as hard as the key made them.
QPixmap transparentPicture(const QImage &image, qreal ratio);

// A window mask that hides every pixel of the key colour, for windows whose background is the
// see-through colour. Works on X11 without a compositor. The image may be a grab at any device
// pixel ratio; the mask is in the window's own (logical) pixels, as QWidget::setMask takes it,
// and a pixel is see-through where its middle shows the key.
QBitmap colorKeyMask(const QImage &windowImage, QColor key);

class QWidget;

// Gives a window drawn on the key colour its see-through shape, from a grab of the window. At a
// fractional device pixel ratio Qt rounds the mask's rectangles onto the screen's pixels, which
// can leave a line of key colour along an edge; on X11 the shape is then cut from the grab's own
// pixels.
void setColorKeyShape(QWidget *window, const QImage &grab, QColor key);
