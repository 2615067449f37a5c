#include "toolkit/error_box.h"

#include "toolkit/window_owner.h"

#include <QApplication>
#include <QMessageBox>

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void showErrorBox(const QString &message, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Orlenta"), errorBoxText(message),
                    QMessageBox::Ok, parent);
    if (!parent)
        belongToMainWindow(&box);
    box.exec();
}
