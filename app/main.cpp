#include "app/application.h"
#include "app/command_line.h"
#include "app/forms.h"
#include "app/screen_fit.h"
#include "app/startup.h"
#include "main_window/tform1.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const char *const NoDisplay = "Нет графического экрана: запустите Orlenta в графическом сеансе или "
                              "используйте --date.";

QtMessageHandler qtHandler = nullptr;
QList<std::pair<QtMsgType, QString>> *heldMessages = nullptr;

// While the application object connects to the display, Qt's own complaints are held back: when
// no display can be had, Qt ends the process with a fatal message, which becomes one Russian line
// and status 1 instead of an abort; when one can, they are passed on as they came.
void whileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplay);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa"))
        heldMessages->append({type, message});
    else if (qtHandler)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // --help, --version and --date answer before any window exists, so they need no display.
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;

    QList<std::pair<QtMsgType, QString>> held;
    heldMessages = &held;
    qtHandler = qInstallMessageHandler(whileConnecting);
    std::optional<OrlentaApplication> app(std::in_place, argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto &[type, message] : std::as_const(held))
        qt_message_output(type, QMessageLogContext(), message);
    // A window that would not fit the screen at the desktop's scale: start again at one that fits.
    if (ScreenFit::chooseScale()) {
        app.reset();
        app.emplace(argc, argv);
        ScreenFit::restoreEnvironment();
    }
    // The loading screen goes up as soon as the settings are known to be there, and stays while the
    // remaining windows are made. A start-up that cannot find its settings must not look like
    // success to whoever started it.
    const bool sky = opensSky(argc, argv);
    if (!createForms(QCoreApplication::applicationFilePath(), [sky] {
            if (sky)
                Form1->openSkyAtStart();
            Form1->show();
        }))
        return 1;
    const int status = app->exec();
    destroyForms();
    return status;
}
