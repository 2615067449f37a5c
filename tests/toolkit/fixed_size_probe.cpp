// The main window in its list view and the settings window, for the real-display test of
// fixed-size windows: once on screen, the main window is asked to maximise on its native window,
// as the title bar Qt draws asks, and the settings window through the widget; each says the size
// and state it has a moment later.
#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "settings/tform6.h"

#include <QListWidget>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace {

void say(const char *what, const QWidget *window)
{
    std::printf("%s %dx%d %s\n", what, window->width(), window->height(),
                window->isMaximized() ? "maximised" : "normal");
    std::fflush(stdout);
}

// Maximises the window once it shows, then reports it and goes on to `next`.
void maximiseThen(QWidget *window, bool native, const std::function<void()> &next)
{
    QTimer::singleShot(1000, window, [window, native, next] {
        say("asked", window);
        if (native)
            window->windowHandle()->setWindowStates(Qt::WindowMaximized);
        else
            window->setWindowState(Qt::WindowMaximized);
        // A frame drawn after the compositor's answer, as a hover or a blinking cursor draws one.
        QTimer::singleShot(700, window, [window] { window->repaint(); });
        QTimer::singleShot(1500, window, [window, next] {
            say("now", window);
            next();
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    if (!createForms(QCoreApplication::applicationFilePath()))
        return 1;
    Form1->Timer1->stop();
    Form2->Edit1 = QStringLiteral("999");
    Form1->ListBox1->addItem(QStringLiteral("строка"));
    Form1->Button1Click();
    Form1->show();
    TForm6 settings;
    maximiseThen(Form1, true, [&settings] {
        settings.show();
        maximiseThen(&settings, false, [] {
            std::printf("done\n");
            std::fflush(stdout);
        });
    });
    const int status = app.exec();
    destroyForms();
    return status;
}
