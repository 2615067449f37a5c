#include "toolkit/design.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QFont pixelFont(const QString &family, int pixels, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QString designFontFamily()
{
    return QStringLiteral("MS Sans Serif");
}

QFont designFont(int pixels, bool bold, bool underline)
{
    return pixelFont(designFontFamily(), pixels, bold, underline);
}

void setDesignFont(QWidget *window)
{
    window->setFont(designFont(11));
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void copyFont(const QLabel *from, QLabel *to)
{
    to->setFont(from->font());
    setTextColor(to, from->palette().color(QPalette::WindowText));
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // A window larger than the screen keeps its top left, and with it the title bar, on screen.
    const QRect available = screen->availableGeometry();
    const QPoint centred = available.center() - window->rect().center();
    window->move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}
