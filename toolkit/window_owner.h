#pragma once

class QWidget;

// The window the program's dialogs and error boxes belong to.
void setMainWindow(QWidget *window);
QWidget *mainWindow();

// Makes a top-level window belong to the main window for the window manager, which keeps it
// above the main window and with it, without making it a child: where it shows stays its own.
void belongToMainWindow(QWidget *window);
