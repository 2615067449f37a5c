#pragma once

class QWidget;

// The window the program's dialogs and error boxes belong to.
void setMainWindow(QWidget *window);
QWidget *mainWindow();

// Makes a top-level window belong to the main window for the window manager, which keeps it
// above the main window and with it, without making it a child: where it shows stays its own.
void belongToMainWindow(QWidget *window);

// Keeps the program's modal window in front for the whole time it is open, whatever made it: when
// the window system hands the keyboard to a window the modal one blocks (a click on it, a window
// switcher, the compositor's own focus), the modal window is restored if minimised, raised and
// asks for the keyboard back, so its keys, Escape among them, reach it.
void keepModalWindowsInFront();

// Windows of a fixed size take no maximised or full-screen state, whatever offers one: where Qt
// draws the title bar itself it shows a maximise button, and a compositor may honour a request for
// a window that cannot grow by throwing it into a corner.
void keepFixedSizeWindowsNormal();
