#include "toolkit/error_box.h"

#include "toolkit/modal.h"
#include "toolkit/window_owner.h"

#include <QMessageBox>

void showErrorBox(const Failure &failure, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Orlenta"), failure.text(),
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
    const QString message = QStringLiteral("Не удалось выполнить действие");
    try {
        throw;
    } catch (const std::bad_alloc &) {
        showErrorBox({message, QStringLiteral("Не хватает памяти.")}, parent);
    } catch (const std::exception &error) {
        showErrorBox({message, QStringLiteral("Внутренняя ошибка программы: %1.")
                                   .arg(QString::fromLocal8Bit(error.what()))},
                     parent);
    } catch (...) {
        showErrorBox({message, QStringLiteral("Внутренняя ошибка программы.")}, parent);
    }
}
