#include "toolkit/design.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

QFont pixelFont(const QString &family, int pixels, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setDesignFont(QWidget *window)
{
    window->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
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
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
