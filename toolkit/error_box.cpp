#include "toolkit/error_box.h"

#include "toolkit/exception.h"
#include "toolkit/modal.h"
#include "toolkit/window_owner.h"

#include <QMessageBox>

QString errorBoxText(const QString &message, const QString &reason)
{
    QString text = message;
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += u'.';
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

void showErrorBox(const QString &message, const QString &reason, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Orlenta"), errorBoxText(message, reason),
                    QMessageBox::Ok, parent);
    if (!parent)
        belongToMainWindow(&box);
    // A path in the message is worth copying.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    execBox(box);
}

void showNoticeBox(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Orlenta"), text, QMessageBox::Ok,
                    parent);
    if (!parent)
        belongToMainWindow(&box);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    execBox(box);
}

void showCurrentError(QWidget *parent)
{
    try {
        throw;
    } catch (const Exception &error) {
        showErrorBox(error.message(), error.reason(), parent);
    } catch (const std::bad_alloc &) {
        showErrorBox(QStringLiteral("Out of memory"), QStringLiteral("Не хватает памяти."), parent);
    } catch (const std::exception &error) {
        showErrorBox(QString::fromLocal8Bit(error.what()), QString(), parent);
    } catch (...) {
        showErrorBox(QString(), QString(), parent);
    }
}
