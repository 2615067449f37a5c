#include "app/application.h"
#include "app/command_line.h"
#include "app/forms.h"
#include "app/startup.h"
#include "main_window/tform1.h"

int main(int argc, char *argv[])
{
    // --help, --version and --date answer before any window exists, so they need no display.
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;

    OrlentaApplication app(argc, argv);
    // The loading screen goes up as soon as the settings are known to be there, and stays while the
    // remaining windows are made. A start-up that cannot find its settings must not look like
    // success to whoever started it.
    if (!createForms(QCoreApplication::applicationFilePath(), [] { Form1->show(); }))
        return 1;
    const int status = app.exec();
    destroyForms();
    return status;
}
