#pragma once

#include "toolkit/modal.h"

#include <QDialog>
#include <QStringList>

#include <functional>

// Stands in for the user at every modal window while it lives: notes the class of each as it
// shows, runs `step` on it, and leaves it to be closed if the step did not close it.
class ModalCatcher
{
public:
    explicit ModalCatcher(std::function<void(QDialog &)> onShow = {}) : step(std::move(onShow))
    {
        m_previous = ModalSeam::setWindowSink([this](QDialog &window) {
            seen << QString::fromLatin1(window.metaObject()->className());
            if (this->step)
                this->step(window);
        });
    }
    ~ModalCatcher() { ModalSeam::setWindowSink(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(ModalCatcher)

    QStringList seen;
    std::function<void(QDialog &)> step;

private:
    ModalSeam::WindowSink m_previous;
};
