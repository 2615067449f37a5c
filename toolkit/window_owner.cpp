#include "toolkit/window_owner.h"

#include "toolkit/modal.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> main;
    return main;
}

// Whether the window is the modal one or one of its own, such as its open drop-down list. A
// popup (a completer's list) opens only for the window in use, and may name no parent.
bool belongsTo(const QWindow *window, const QWindow *modal)
{
    if (window && window->type() == Qt::Popup)
        return true;
    for (; window;
         window = window->transientParent() ? window->transientParent() : window->parent())
        if (window == modal)
            return true;
    return false;
}

// Long enough for a compositor that grants the request to have done so.
constexpr int ActivationWait = 300;

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
    // A compositor may only mark a window that asks for the keyboard (sway by default); a window
    // shown anew gets it as every new window does.
    QTimer::singleShot(ActivationWait, modal, [modal] {
        const QWindow *focus = QGuiApplication::focusWindow();
        if (QApplication::activeModalWidget() == modal && focus &&
            !belongsTo(focus, modal->windowHandle()))
            showModalAnew(modal);
    });
}

constexpr Qt::WindowStates Grown = Qt::WindowMaximized | Qt::WindowFullScreen;
// The design's size of a window that lets itself grow for the time a maximised state lasts.
const char *const DesignSize = "orlentaDesignSize";

bool fixedSize(const QWidget *window)
{
    return window->minimumSize() == window->maximumSize() || window->property(DesignSize).isValid();
}

void makeNormal(QWidget *window)
{
    if (fixedSize(window) && (window->windowState() & Grown))
        window->setWindowState(window->windowState() & ~Grown);
}

// A maximise request made on the native window, as the title bar Qt draws makes one, is on its way
// to the compositor before the program hears of it, and once the compositor's answer is taken a
// strict one (weston) ends the program for a frame of any other size. So the window may take the
// compositor's size until the answer is in, then asks to be normal again and takes back its own.
class FixedSizeKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
            return QObject::eventFilter(watched, event);
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::Show:
            if (QWindow *window = widget->windowHandle())
                connect(window, &QWindow::windowStateChanged, this, &FixedSizeKeeper::stateAsked,
                        Qt::UniqueConnection);
            break;
        case QEvent::WindowStateChange:
            if (!widget->property(DesignSize).isValid())
                makeNormal(widget);
            break;
        case QEvent::Paint:
            // The compositor takes a request to leave the state only once a frame in it is in.
            if (widget->property(DesignSize).isValid())
                QTimer::singleShot(0, widget, [widget] { makeNormal(widget); });
            break;
        case QEvent::Resize:
            if (const QVariant design = widget->property(DesignSize);
                design.isValid() && widget->size() == design.toSize() &&
                !(widget->windowHandle()->windowStates() & Grown)) {
                widget->setProperty(DesignSize, QVariant());
                widget->setFixedSize(design.toSize());
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void stateAsked(Qt::WindowState state)
    {
        auto *window = qobject_cast<QWindow *>(sender());
        if (!window || !(state & Grown))
            return;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() != window || !fixedSize(widget))
                continue;
            if (!widget->property(DesignSize).isValid())
                widget->setProperty(DesignSize, widget->size());
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
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
