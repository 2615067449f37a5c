#include "toolkit/modal.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QVariant>

namespace {

ModalSeam::WindowSink &windowSink()
{
    static ModalSeam::WindowSink sink;
    return sink;
}

ModalSeam::BoxSink &boxSink()
{
    static ModalSeam::BoxSink sink;
    return sink;
}

const char *const RunHere = "orlentaRunHere";
const char *const ShowAgain = "orlentaShowAgain";

// A window shown anew is the same window: its own show handling, which sets it up for a new
// showing, is left out.
class SecondShowing : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->property(ShowAgain).toBool())
            return false;
        watched->setProperty(ShowAgain, false);
        return true;
    }
};

// exec() that starts again when the window was hidden to be shown anew.
int execShowingAgain(QDialog &window)
{
    SecondShowing filter;
    window.installEventFilter(&filter);
    window.setProperty(RunHere, true);
    int result = 0;
    do
        result = window.exec();
    while (window.property(ShowAgain).toBool());
    window.setProperty(RunHere, QVariant());
    return result;
}

} // namespace

ModalSeam::WindowSink ModalSeam::setWindowSink(WindowSink sink)
{
    return std::exchange(windowSink(), std::move(sink));
}

ModalSeam::BoxSink ModalSeam::setBoxSink(BoxSink sink)
{
    return std::exchange(boxSink(), std::move(sink));
}

int execModal(QDialog &window)
{
    if (const ModalSeam::WindowSink sink = windowSink()) {
        // Queued before exec(), so it runs in the window's own loop with the window showing.
        QTimer::singleShot(0, &window, [&window, sink] {
            sink(window);
            if (window.isVisible())
                window.reject();
        });
    }
    return execShowingAgain(window);
}

QMessageBox::StandardButton execBox(QMessageBox &box)
{
    if (const ModalSeam::BoxSink sink = boxSink())
        return sink(box);
    execShowingAgain(box);
    return box.standardButton(box.clickedButton());
}

bool showModalAnew(QWidget *window)
{
    if (!window || !window->property(RunHere).toBool())
        return false;
    window->setProperty(ShowAgain, true);
    window->hide();
    return true;
}

void raiseWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
