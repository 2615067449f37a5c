#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "toolkit/result.h"

class QTextBrowser;

// The help, in a window of its own beside the main window: the text shipped in Files/, headings
// bold, read with the keyboard or the wheel.
class HelpWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    explicit HelpWindow(const QString &programDir, QWidget *parent = nullptr);

    // The help file under the program directory.
    static QString path(const QString &programDir);
    // Its lines, or the reason it cannot be read.
    static Result<QStringList> lines(const QString &programDir);

    // Reads the help again; says why in the error box and returns false when it cannot.
    bool load();

    QTextBrowser *text() const { return m_text; }

private:
    QString m_programDir;
    QTextBrowser *m_text;
};
