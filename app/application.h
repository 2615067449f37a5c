#pragma once

#include <QApplication>
#include <QIcon>

// The application object: title "Orlenta", the design's fonts mapped onto installed ones, and
// every exception that escapes an event handler shown in the error box.
class OrlentaApplication : public QApplication
{
public:
    OrlentaApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Maps the Windows fonts named by the design onto fonts a Debian desktop has.
void registerFontSubstitutions();

// The program's icon at every size it is drawn in.
QIcon applicationIcon();
