// The main window in its list view, for the real-display test of the tool buttons: the save
// button reports on standard output instead of asking for a file name, and says which of its
// pictures shows, so a click made by the window system can be seen to complete.
#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    if (!createForms(QCoreApplication::applicationFilePath()))
        return 1;
    Form1->Timer1->stop();
    Form2->Edit1 = QStringLiteral("999");
    Form1->ListBox1->addItem(QStringLiteral("строка"));
    Form1->Button1Click();
    int clicks = 0;
    Form1->chooseSaveFile = [&clicks] {
        std::printf("save clicked %d: idle %d highlighted %d pressed %d\n", ++clicks,
                    !Form1->Image10->isHidden(), !Form1->Image9->isHidden(),
                    !Form1->Image8->isHidden());
        std::fflush(stdout);
        return QString();
    };
    Form1->show();
    QTimer::singleShot(0, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    const int status = app.exec();
    destroyForms();
    return status;
}
