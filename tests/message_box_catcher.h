#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

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
                box->accept();
            }
        });
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;

private:
    QTimer m_timer;
};
