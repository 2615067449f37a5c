#pragma once

#include "toolkit/result.h"

#include <QString>

class QWidget;

// The program's error box: title "Orlenta", stop icon, one OK button, the failure's text (see
// Failure::text); without a parent it belongs to the main window. Like every message box it runs
// through execBox() (toolkit/modal.h), where a test can take it.
void showErrorBox(const Failure &failure, QWidget *parent = nullptr);

// A message that is not an error, in the same kind of box with the information icon.
void showNoticeBox(const QString &text, QWidget *parent = nullptr);

// The event loop's last guard, and the only place an exception is caught: failures travel as
// results, but one thrown by a library or for want of memory must not unwind through Qt's event
// dispatch. Shows it in the error box; returns whether the work ran to its end.
template <typename Work> bool reportingErrors(Work &&work, QWidget *parent = nullptr);

void showCurrentError(QWidget *parent); // call only from a catch block

template <typename Work> bool reportingErrors(Work &&work, QWidget *parent)
{
    try {
        work();
        return true;
    } catch (...) {
        showCurrentError(parent);
        return false;
    }
}
