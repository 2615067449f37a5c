#include "toolkit/color_key.h"

#include "toolkit/picture.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

// Xlib's macros clash with Qt's names: it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace {

QImage keyed(const QImage &image)
{
    const QRgb key = image.pixel(0, image.height() - 1);
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == (key & RGB_MASK))
                line[x] = 0;
        }
    }
    return keyed;
}

} // namespace

QPixmap transparentPicture(const QImage &image)
{
    if (image.isNull())
        return {};
    return QPixmap::fromImage(keyed(image));
}

QPixmap transparentPicture(const QImage &image, qreal ratio)
{
    if (image.isNull())
        return {};
    QImage fitted = fitToRatio(keyed(image), ratio).convertToFormat(QImage::Format_ARGB32);
    if (fitted.devicePixelRatio() != image.devicePixelRatio()) {
        // Scaling blends the edges into the see-through colour; a half-covered pixel is either
        // the picture's or the desktop's, as the key decides at the drawn size.
        for (int y = 0; y < fitted.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(fitted.scanLine(y));
            for (int x = 0; x < fitted.width(); ++x)
                line[x] = qAlpha(line[x]) >= 128 ? line[x] | 0xff000000 : 0;
        }
    }
    return QPixmap::fromImage(fitted);
}

QBitmap colorKeyMask(const QImage &windowImage, QColor key)
{
    QImage argb = windowImage.convertToFormat(QImage::Format_ARGB32);
    const qreal ratio = argb.devicePixelRatio();
    if (ratio != 1) {
        // Each window pixel takes the device pixel under its middle.
        const QSize logical(qRound(argb.width() / ratio), qRound(argb.height() / ratio));
        const auto device = [ratio](int x, int limit) {
            return std::min(limit - 1, int((x + 0.5) * ratio));
        };
        QImage window(logical, QImage::Format_ARGB32);
        for (int y = 0; y < logical.height(); ++y) {
            const auto *from =
                reinterpret_cast<const QRgb *>(argb.constScanLine(device(y, argb.height())));
            auto *to = reinterpret_cast<QRgb *>(window.scanLine(y));
            for (int x = 0; x < logical.width(); ++x)
                to[x] = from[device(x, argb.width())];
        }
        argb = window;
    }
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < argb.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            line[x] = qAlpha(line[x]) == 0 || (line[x] & RGB_MASK) == (keyRgb & RGB_MASK)
                          ? keyRgb
                          : line[x] | 0xff000000;
    }
    return QBitmap::fromImage(argb.createMaskFromColor(keyRgb, Qt::MaskInColor));
}

namespace {

// Whether what a translucent window leaves undrawn shows the desktop: a compositor blends it. An
// X11 display without one shows the undrawn pixels black.
bool composited()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *const display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.constData(), False)) != None;
}

// Above 1x the shape is cut from the grab's own pixels on X11: the pictures' outlines are as fine
// as the screen's pixels, and Qt's mask, in the window's pixels, would leave key colour beside
// them. At a fractional ratio the screen places the window's pictures and controls a little
// differently than the grab does; a pixel beside the key colour may show either, so it is cut.
void cutDeviceShape(QWidget *window, const QImage &grab, QColor key)
{
    const qreal ratio = grab.devicePixelRatio();
    const bool fractional = ratio != std::floor(ratio);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (ratio <= 1 || !x11 || !x11->display() || !window->windowHandle())
        return;
    const QImage device = grab.convertToFormat(QImage::Format_RGB32);
    const int width = device.width(), height = device.height();
    const auto keyed = [&device, key, width, height](int x, int y) {
        return x < 0 || y < 0 || x >= width || y >= height ||
               (device.pixel(x, y) & RGB_MASK) == (key.rgb() & RGB_MASK);
    };
    std::vector<XRectangle> rectangles;
    for (int y = 0; y < height; ++y) {
        int start = -1;
        for (int x = 0; x <= width; ++x) {
            const bool shown = x < width && !keyed(x, y) &&
                               (!fractional || (!keyed(x - 1, y) && !keyed(x + 1, y) &&
                                                !keyed(x, y - 1) && !keyed(x, y + 1)));
            if (shown && start < 0)
                start = x;
            if (!shown && start >= 0) {
                rectangles.push_back(
                    {short(start), short(y), static_cast<unsigned short>(x - start), 1});
                start = -1;
            }
        }
    }
    XShapeCombineRectangles(x11->display(), window->winId(), ShapeBounding, 0, 0, rectangles.data(),
                            int(rectangles.size()), ShapeSet, YXBanded);
    XFlush(x11->display());
}

} // namespace

void makeSeeThrough(QWidget *window, QColor key)
{
    if (composited()) {
        window->setAttribute(Qt::WA_TranslucentBackground);
        window->setAutoFillBackground(false);
        return;
    }
    QPalette background = window->palette();
    background.setColor(QPalette::Window, key);
    window->setPalette(background);
    window->setAutoFillBackground(true);
}

void updateSeeThrough(QWidget *window, QColor key)
{
    const QImage grab = window->grab().toImage();
    window->setMask(colorKeyMask(grab, key));
    if (!window->testAttribute(Qt::WA_TranslucentBackground))
        cutDeviceShape(window, grab, key);
}
