#include "toolkit/window_owner.h"

#include "toolkit/modal.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> main;
    return main;
}

// Whether the window is the modal one or one of its own, such as its open drop-down list.
bool belongsTo(const QWindow *window, const QWindow *modal)
{
    for (; window;
         window = window->transientParent() ? window->transientParent() : window->parent())
        if (window == modal)
            return true;
    return false;
}

void bringModalWindowForward(QWindow *focused)
{
    QWidget *const modal = QApplication::activeModalWidget();
    if (!modal || !focused || !modal->windowHandle() || belongsTo(focused, modal->windowHandle()))
        return;
    // On X11 the window system reports a minimised window, and Qt can restore it; a Wayland
    // compositor restores one that asks to be activated.
    if (modal->isMinimized())
        modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
    raiseWindow(modal);
}

class FixedSizeKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        constexpr Qt::WindowStates grown = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            if (window->isWindow() && window->minimumSize() == window->maximumSize() &&
                (window->windowState() & grown))
                window->setWindowState(window->windowState() & ~grown);
        }
        return QObject::eventFilter(watched, event);
    }
};

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

void keepModalWindowsInFront()
{
    // Qt's X11 platform passes the keyboard on to the modal window by itself; on Wayland the
    // blocked window keeps it and drops every key.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, &bringModalWindowForward);
}

void keepFixedSizeWindowsNormal()
{
    qApp->installEventFilter(new FixedSizeKeeper(qApp));
}
