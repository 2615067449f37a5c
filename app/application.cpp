#include "app/application.h"

#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/window_owner.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

OrlentaApplication::OrlentaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The lower-case name is the per-user settings folder's; the desktop entry gives the icon.
    // No display name: Qt would add it to every window's caption, and the captions stand as they
    // are ("Orlenta — 21 марта 1985 г.", "Настройки").
    setApplicationName(QStringLiteral("orlenta"));
    setApplicationVersion(QStringLiteral(ORLENTA_VERSION));
    setDesktopFileName(QStringLiteral("org.example.Orlenta"));
    setWindowIcon(applicationIcon());
    registerFontSubstitutions();
    keepModalWindowsInFront();
    keepFixedSizeWindowsNormal();

    // Orlenta speaks Russian whatever the desktop's language: so do Qt's own dialogs.
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool OrlentaApplication::notify(QObject *receiver, QEvent *event)
{
    // Handlers report their own failures; this only keeps one that slipped through from ending
    // the program.
    bool handled = false;
    reportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Book Antiqua"),
                               {QStringLiteral("P052"), QStringLiteral("Liberation Serif")});
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(designFontFamily(), sans);
    QFont::insertSubstitutions(QStringLiteral("System"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

QIcon applicationIcon()
{
    // Window lists and task bars draw at most this large, and every size given here is decoded
    // and sent to the window system at start-up; launchers take the large ones from the installed
    // icon theme.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(size), QSize(size, size));
    return icon;
}
