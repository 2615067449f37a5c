#include "toolkit/file_reason.h"

#include <cerrno>

namespace {

struct Reason {
    int step; // a FileStep, or AnyStep
    int error;
    const char *line;
};

constexpr int AnyStep = -1;
constexpr int Read = int(FileStep::Read);
constexpr int Write = int(FileStep::Write);
constexpr int MakeFolder = int(FileStep::MakeFolder);
constexpr int FollowLink = int(FileStep::FollowLink);

// The first row that matches wins: rows for one step come before the rows for any step.
// clang-format off
const Reason Reasons[] = {
    {Read,       ENOENT,                 "Нет такого файла."},
    {Write,      ENOENT,                 "Нет такой папки."},
    {MakeFolder, ENOENT,                 "Папку не создать: нет папки, в которой она должна лежать."},
    {MakeFolder, EACCES,                 "Папку не создать: нет прав на запись."},
    {MakeFolder, EPERM,                  "Папку не создать: нет прав на запись."},
    {MakeFolder, EEXIST,                 "Папку не создать: на её месте файл."},
    {MakeFolder, ENOTDIR,                "Папку не создать: часть пути — не папка."},
    {MakeFolder, FileError::HomeUnset,   "Папку не создать: не задана домашняя папка (HOME)."},
    {FollowLink, ENOENT,                 "Ссылка никуда не ведёт."},
    {FollowLink, FileError::LinkOutside, "Ссылка ведёт в другую папку."},
    {Read,       EACCES,                 "Нет прав на чтение."},
    {Read,       EPERM,                  "Нет прав на чтение."},
    {AnyStep,    EACCES,                 "Нет прав на запись."},
    {AnyStep,    EPERM,                  "Нет прав на запись."},
    {AnyStep,    FileError::NoName,      "Укажите имя файла."},
    {AnyStep,    FileError::ControlChar, "В имени файла не должно быть управляющих символов."},
    {AnyStep,    EINVAL,                 "Такое имя здесь недопустимо."},
    {AnyStep,    FileError::NotRegular,  "Это не обычный файл."},
    {AnyStep,    ENXIO,                  "Это не обычный файл."},
    {Write,      FileError::TooBig,      "Файл достиг предельного размера: больше в нём не поместится."},
    {AnyStep,    FileError::TooBig,      "Файл слишком велик: это не файл программы."},
    {AnyStep,    FileError::Busy,        "Файл сейчас изменяет другая копия Orlenta. Попробуйте ещё раз."},
    {AnyStep,    EISDIR,                 "Это папка."},
    {AnyStep,    ENOTDIR,                "Часть пути — не папка."},
    {AnyStep,    EROFS,                  "Диск только для чтения."},
    {AnyStep,    ENOSPC,                 "Нет места на диске."},
    {AnyStep,    EDQUOT,                 "Нет места на диске."},
    {AnyStep,    EFBIG,                  "Файл слишком велик для этого диска."},
    {AnyStep,    ENAMETOOLONG,           "Слишком длинное имя."},
    {AnyStep,    ELOOP,                  "Ссылки в пути ведут по кругу."},
    {AnyStep,    EIO,                    "Ошибка ввода-вывода на диске."},
    {AnyStep,    EMFILE,                 "Открыто слишком много файлов."},
    {AnyStep,    ENFILE,                 "Открыто слишком много файлов."},
    {AnyStep,    ENOMEM,                 "Не хватает памяти."},
    {AnyStep,    EBUSY,                  "Файл занят другой программой."},
    {AnyStep,    ETXTBSY,                "Файл занят другой программой."},
};
// clang-format on

} // namespace

QString fileFailureReason(FileStep step, int error)
{
    for (const Reason &reason : Reasons) {
        if (reason.error == error && (reason.step == AnyStep || reason.step == int(step)))
            return QString::fromUtf8(reason.line);
    }
    return QStringLiteral("Причина неизвестна.");
}

QString Failure::text() const
{
    QString text = message;
    // Letters and digits sort after the full stop; ".", "!", "," and " " do not.
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += u'.';
    if (!reason.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + reason;
    return text;
}

Failure fileFailure(FileAction action, const QString &path, const QString &reason)
{
    const QString message = action == FileAction::Open
                                ? QStringLiteral("Не удалось открыть файл %1")
                                : QStringLiteral("Не удалось сохранить файл %1");
    return {message.arg(path), reason};
}

Failure fileFailure(FileAction action, const QString &path, FileStep step, int error)
{
    return fileFailure(action, path, fileFailureReason(step, error));
}
