#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "main_window/tform1.h"

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    // A start-up that cannot find its settings must not look like success to whoever started it.
    if (!createForms(QCoreApplication::applicationFilePath()))
        return 1;
    Form1->show();
    const int status = app.exec();
    destroyForms();
    return status;
}
