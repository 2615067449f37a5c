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

// A window mask that hides every pixel of the key colour, and every pixel left see-through, for
// windows whose background is the see-through colour. The image may be a grab at any device pixel
// ratio; the mask is in the window's own (logical) pixels, as QWidget::setMask takes it, and a
// pixel is see-through where its middle shows the key or nothing.
QBitmap colorKeyMask(const QImage &windowImage, QColor key);

class QWidget;

// Lets the desktop show through a window wherever its background would show the key colour. Call
// before the window is first shown. Where the platform composites (Wayland always; X11 while a
// compositing manager runs) the window is translucent and its see-through parts are drawn with no
// alpha, so the desktop shows exactly there at any scale; elsewhere the background is the key
// colour and the window's shape cuts it out.
void makeSeeThrough(QWidget *window, QColor key);

// Brings the window's shape up to what it shows now, after every change: where the window is
// translucent the shape is only where it takes the pointer, so clicks on see-through parts reach
// what lies behind; elsewhere it is also what shows.
void updateSeeThrough(QWidget *window, QColor key);
