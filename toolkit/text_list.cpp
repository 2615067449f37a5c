#include "toolkit/text_list.h"

#include "toolkit/file_reason.h"
#include "toolkit/regular_file.h"

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

bool isHeading(QStringView line)
{
    return !line.isEmpty() && line.size() <= MaxHeading && line.back().isLetterOrNumber();
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

Result<QStringList> load(const QString &path)
{
    const RegularFile::Contents read = RegularFile::read(path, MaxFileSize);
    if (read.error == FileError::TooBig)
        return fileFailure(FileAction::Open, path,
                           QStringLiteral("Файл больше %1 МБ: это не текст программы.")
                               .arg(MaxFileSize / (1024 * 1024)));
    if (read.error)
        return fileFailure(FileAction::Open, path, read.reason());
    return fromBytes(read.bytes);
}

QByteArray toBytes(const QStringList &lines, Encoding encoding)
{
    QByteArray bytes;
    if (encoding == Encoding::Utf8) {
#ifdef Q_OS_WIN
        const char *const lineEnd = "\r\n";
#else
        const char *const lineEnd = "\n";
#endif
        for (const QString &line : lines)
            bytes += line.toUtf8() + lineEnd;
        return bytes;
    }
    QStringEncoder encode(Codepage);
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Result<> save(const QString &path, const QStringList &lines, Encoding encoding)
{
    return saveBytes(path, toBytes(lines, encoding));
}

Result<> saveBytes(const QString &path, const QByteArray &bytes)
{
    const auto failed = [&path](int error) {
        return fileFailure(FileAction::Save, path, FileStep::Write, error);
    };
    if (QFileInfo(path).isDir())
        return failed(EISDIR);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(errorOf(path, true));
    // commit() does not see a failed flush and would put the short file in place: flush first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(errorOf(path, true));
    errno = 0;
    if (!file.commit())
        return failed(errorOf(path, true));
    return {};
}

} // namespace TextList
