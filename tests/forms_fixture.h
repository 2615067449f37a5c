#pragma once

#include "app/forms.h"
#include "app/startup.h"
#include "main_window/tform1.h"
#include "program_dir.h"

#include <QTimer>

// The program's windows over a scratch program directory, made as at start-up and destroyed with
// the fixture. The loading screen's timer is stopped: it would hide the main window behind the
// test's back.
class FormsFixture
{
public:
    explicit FormsFixture(const QByteArray &settings = QByteArray("1\r\n2\r\n")) : dir(settings)
    {
        created = createForms(dir.executable());
        if (created)
            Form1->Timer1->stop();
    }
    ~FormsFixture() { destroyForms(); }
    Q_DISABLE_COPY_MOVE(FormsFixture)

    ProgramDir dir;
    bool created = false;

    QByteArray settingsFile() const { return dir.read(QStringLiteral("setting/setting.kvt")); }
};
