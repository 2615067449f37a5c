#pragma once

#include <QString>

class QWidget;

// The text the error box shows: a full stop is added when the message ends in a character that
// sorts after the full stop (letters and digits do; ".", "!", "," and " " don't); the reason, when
// there is one, follows on a line of its own.
QString errorBoxText(const QString &message, const QString &reason = QString());

// The program's error box: title "Orlenta", stop icon, one OK button; without a parent it
// belongs to the main window. Like every message box it runs through execBox() (toolkit/modal.h),
// where a test can take it.
void showErrorBox(const QString &message, const QString &reason = QString(),
                  QWidget *parent = nullptr);

// A message that is not an error, in the same kind of box with the information icon.
void showNoticeBox(const QString &text, QWidget *parent = nullptr);

// Shows the exception being handled in the error box; call it only from a catch block.
void showCurrentError(QWidget *parent = nullptr);

// Runs a handler's work and shows whatever it throws in the error box, here: an exception must
// not unwind through Qt's event dispatch. Returns whether the work ran to its end.
template <typename Work> bool reportingErrors(Work &&work, QWidget *parent = nullptr)
{
    try {
        work();
        return true;
    } catch (...) {
        showCurrentError(parent);
        return false;
    }
}
