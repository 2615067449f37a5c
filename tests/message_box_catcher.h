#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWindow>

// Answers every message box that comes up while it lives with OK and records what it said, so a
// test can run code that shows the program's error box.
class MessageBoxCatcher
{
public:
    MessageBoxCatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                titles << box->windowTitle();
                owners << box->windowHandle()->transientParent();
                box->accept();
            }
        });
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;
    QList<QWindow *> owners; // what each box was shown as belonging to

private:
    QTimer m_timer;
};
