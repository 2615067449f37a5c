#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ScreenFit {

namespace {

const char *const Variable = "QT_SCALE_FACTOR";
std::optional<QByteArray> userValue; // set once chooseScale() has changed the variable

// Qt 6.4 paints widgets below one device pixel per window pixel at full size and clips them: no
// window would be whole. A screen smaller than the main window cuts its edge instead.
const qreal SmallestScale = 1;

} // namespace

qreal shrinkFactor(const QSizeF &available, qreal scale, const QSizeF &needed)
{
    const qreal fitting =
        std::min(available.width() / needed.width(), available.height() / needed.height());
    if (scale <= fitting)
        return 1;
    // Two decimals, rounded down, so rounding never makes it overflow again.
    const qreal target = std::max(SmallestScale, std::floor(fitting * 100) / 100);
    return target / scale;
}

bool chooseScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const qreal scale = screen->devicePixelRatio();
    const QSizeF available = QSizeF(screen->availableGeometry().size()) * scale;
    const qreal factor = shrinkFactor(available, scale);
    if (factor >= 1)
        return false;
    const QByteArray user = qgetenv(Variable);
    bool given = false;
    const qreal userFactor = user.toDouble(&given);
    userValue = user;
    qputenv(Variable, QByteArray::number((given && userFactor > 0 ? userFactor : 1) * factor));
    return true;
}

void restoreEnvironment()
{
    if (!userValue)
        return;
    if (userValue->isNull())
        qunsetenv(Variable);
    else
        qputenv(Variable, *userValue);
    userValue.reset();
}

} // namespace ScreenFit
