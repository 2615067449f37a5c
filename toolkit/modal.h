#pragma once

#include <QMessageBox>

#include <functional>
#include <utility>

class QDialog;
class QWidget;

// Every modal window and message box runs through here, so a test can stand in for the user: the
// sinks it installs meet each window as it shows, with no timer polling for it.
namespace ModalSeam {

// Handed each modal window once it is on screen, its own event loop running. A window still open
// when the sink returns is rejected, so a test that expected another window fails at once
// instead of waiting on this one.
using WindowSink = std::function<void(QDialog &window)>;

// Handed each message box instead of showing it; answers with the button the user would press.
using BoxSink = std::function<QMessageBox::StandardButton(QMessageBox &box)>;

// Each returns the sink it replaces; an empty sink gives the windows back to the user.
WindowSink setWindowSink(WindowSink sink);
BoxSink setBoxSink(BoxSink sink);

} // namespace ModalSeam

// Runs a modal window, or hands it to the test's sink; returns the window's result.
int execModal(QDialog &window);

// Shows a message box and waits for its answer, or asks the test's sink.
QMessageBox::StandardButton execBox(QMessageBox &box);

// Shows a modal window that runs here anew, as a new window, for window systems that give the
// keyboard to a new window but not to one asking for it back; its show handling does not run
// again. Returns false, and leaves the window as it is, when it runs elsewhere.
bool showModalAnew(QWidget *window);

// Brings an open window to the front and gives it the keyboard.
void raiseWindow(QWidget *window);

// What runModal() answers when the window was open already.
constexpr int ModalAlreadyOpen = -2;

// Runs a modal window made on the stack for the time of its exec(), with `global` naming it
// meanwhile and cleared however the run ends. Asked again while it is open (a shortcut that came
// twice before the window took the keyboard), it raises the open window and makes no other.
// `setUp` meets the window before it shows, to connect what it emits.
template <typename Window, typename SetUp, typename... Args>
int runModalSetUp(Window *&global, SetUp &&setUp, Args &&...args)
{
    if (global) {
        raiseWindow(global);
        return ModalAlreadyOpen;
    }
    Window window(std::forward<Args>(args)...);
    struct Named {
        Window *&global;
        ~Named() { global = nullptr; }
    } named{global};
    global = &window;
    setUp(window);
    return execModal(window);
}

template <typename Window, typename... Args> int runModal(Window *&global, Args &&...args)
{
    return runModalSetUp(
        global, [](Window &) {}, std::forward<Args>(args)...);
}
