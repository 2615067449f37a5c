#include "toolkit/text_list.h"

#include "toolkit/exception.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

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

QStringList load(const QString &path)
{
    QFile file(path);
    // A directory opens fine on Linux but cannot be read: treat it as the missing file it is.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file %1").arg(path));
    return fromBytes(file.readAll());
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
    QSaveFile file(path);
    const QByteArray bytes = toBytes(lines);
    // commit() does not see a failed flush and would put the short file in place: flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        throw Exception(QStringLiteral("Cannot create file %1").arg(path));
}

} // namespace TextList
