#pragma once

#include "toolkit/modal.h"

#include <QMessageBox>
#include <QStringList>
#include <QWindow>

// Stands in for the user at every message box while it lives: records what each box said and
// answers it with OK (or `answer`), without the box ever showing.
class MessageBoxCatcher
{
public:
    MessageBoxCatcher()
    {
        m_previous = ModalSeam::setBoxSink([this](QMessageBox &box) {
            texts << box.text();
            titles << box.windowTitle();
            owners << (box.windowHandle() ? box.windowHandle()->transientParent() : nullptr);
            return answer;
        });
    }
    ~MessageBoxCatcher() { ModalSeam::setBoxSink(std::move(m_previous)); }
    Q_DISABLE_COPY_MOVE(MessageBoxCatcher)

    QStringList texts;
    QStringList titles;
    QList<QWindow *> owners; // what each box was shown as belonging to
    QMessageBox::StandardButton answer = QMessageBox::Ok;

private:
    ModalSeam::BoxSink m_previous;
};
