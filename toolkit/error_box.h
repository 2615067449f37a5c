#pragma once

#include <QString>

class QWidget;

// The text the error box shows: a full stop is added when the message ends in a character that
// sorts after the full stop (letters and digits do; ".", "!", "," and " " don't).
QString errorBoxText(const QString &message);

// The program's error box: title "Orlenta", stop icon, one OK button; without a parent it
// belongs to the main window.
void showErrorBox(const QString &message, QWidget *parent = nullptr);
