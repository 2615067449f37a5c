#include "toolkit/text_list.h"

#include "toolkit/exception.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>

namespace TextList {

static const char *const Codepage = "windows-1251";

QStringList fromBytes(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray body = nul < 0 ? bytes : bytes.left(nul);
    // Plain ASCII reads the same in the code page. The settings file is, and reading it at start-up
    // then need not load the converter's tables.
    const bool ascii =
        std::all_of(body.cbegin(), body.cend(), [](char c) { return uchar(c) < 0x80; });
    const QString text = ascii ? QString::fromLatin1(body) : QStringDecoder(Codepage).decode(body);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString failureReason(int error, bool writing)
{
    switch (error) {
    case ENOENT:
        return writing ? QStringLiteral("Нет такой папки.") : QStringLiteral("Нет такого файла.");
    case EISDIR:
        return QStringLiteral("Это папка.");
    case ENOTDIR:
        return QStringLiteral("Часть пути — не папка.");
    case EACCES:
    case EPERM:
        return writing ? QStringLiteral("Нет прав на запись.")
                       : QStringLiteral("Нет прав на чтение.");
    case EROFS:
        return QStringLiteral("Диск только для чтения.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Нет места на диске.");
    case EFBIG:
        return QStringLiteral("Файл слишком велик для этого диска.");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя.");
    case ELOOP:
        return QStringLiteral("Ссылки в пути ведут по кругу.");
    case EIO:
        return QStringLiteral("Ошибка ввода-вывода на диске.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Открыто слишком много файлов.");
    case ENOMEM:
        return QStringLiteral("Не хватает памяти.");
    default:
        return QStringLiteral("Причина неизвестна.");
    }
}

// Qt refuses some cases itself, without a system error: tell those from the file's state.
static int errorOf(const QString &path, bool writing)
{
    if (errno != 0)
        return errno;
    const QFileInfo info(path);
    if (info.isDir())
        return EISDIR;
    if (!info.exists())
        return writing && QFileInfo(info.absolutePath()).isDir() ? 0 : ENOENT;
    if (writing ? !info.isWritable() : !info.isReadable())
        return EACCES;
    return 0;
}

QStringList load(const QString &path)
{
    const auto failure = [&path](const QString &reason) {
        return Exception(QStringLiteral("Cannot open file %1").arg(path), reason);
    };
    QFile file(path);
    // A directory opens fine on Linux but cannot be read.
    if (QFileInfo(path).isDir())
        throw failure(failureReason(EISDIR, false));
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw failure(failureReason(errorOf(path, false), false));
    const QString tooBig = QStringLiteral("Файл больше %1 МБ: это не текст программы.")
                               .arg(MaxFileSize / (1024 * 1024));
    if (file.size() > MaxFileSize)
        throw failure(tooBig);
    // A pipe or a device tells no size: read no more than one byte past the limit.
    const QByteArray bytes = file.isSequential() ? file.read(MaxFileSize + 1) : file.readAll();
    if (bytes.size() > MaxFileSize)
        throw failure(tooBig);
    if (file.error() != QFileDevice::NoError)
        throw failure(failureReason(errorOf(path, false), false));
    return fromBytes(bytes);
}

QByteArray toBytes(const QStringList &lines)
{
    QStringEncoder encode(Codepage);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void save(const QString &path, const QStringList &lines)
{
    const auto fail = [&path](int error) {
        throw Exception(QStringLiteral("Cannot create file %1").arg(path),
                        failureReason(error, true));
    };
    if (QFileInfo(path).isDir())
        fail(EISDIR);
    const QByteArray bytes = toBytes(lines);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(errorOf(path, true));
    // commit() does not see a failed flush and would put the short file in place: flush first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(errorOf(path, true));
    errno = 0;
    if (!file.commit())
        fail(errorOf(path, true));
}

} // namespace TextList
