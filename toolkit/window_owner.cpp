#include "toolkit/window_owner.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> main;
    return main;
}

} // namespace

void setMainWindow(QWidget *window)
{
    owner() = window;
}

QWidget *mainWindow()
{
    return owner();
}

void belongToMainWindow(QWidget *window)
{
    QWidget *const main = owner();
    if (!main || !window || window == main)
        return;
    // Both need their native windows for the hint; neither shows for it.
    window->winId();
    main->winId();
    window->windowHandle()->setTransientParent(main->windowHandle());
}
