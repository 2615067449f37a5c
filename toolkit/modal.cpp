#include "toolkit/modal.h"

#include <QDialog>
#include <QTimer>

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
    return window.exec();
}

QMessageBox::StandardButton execBox(QMessageBox &box)
{
    if (const ModalSeam::BoxSink sink = boxSink())
        return sink(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

void raiseWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
