#pragma once

#include <QSizeF>

// The scale the program draws at when the desktop's own would not fit its largest window on the
// primary screen: every window whole on screen, title bar included, as far as the screen's pixels
// allow. Asked once the application
// object exists, since only then are the screens known; the answer takes effect when the object
// is made again.
namespace ScreenFit {

// The largest window of the design, the main window, with room for a window manager's title bar
// and borders, in the program's pixels.
constexpr QSizeF Largest(817 + 16, 578 + 56);

// The factor to scale the desktop's scale by so that a window of `needed` fits in `available`
// device pixels drawn at `scale`; 1 when it fits already. Never below one device pixel per window
// pixel, where Qt cannot draw.
qreal shrinkFactor(const QSizeF &available, qreal scale, const QSizeF &needed = Largest);

// Sets QT_SCALE_FACTOR so that the primary screen holds the largest window and returns true, or
// returns false when it fits at the desktop's scale (or there is no screen to ask).
bool chooseScale();

// Puts QT_SCALE_FACTOR back as the user had it, so that programs the user opens from here get
// their own scale.
void restoreEnvironment();

} // namespace ScreenFit
