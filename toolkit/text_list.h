#pragma once

#include "toolkit/result.h"

#include <QString>
#include <QStringList>

// Text files as the program stores them: code page 1251, lines ended by CR LF.
namespace TextList {

// The largest file load() reads. The texts are a few kilobytes; a file this big is not one of
// them, and showing it would stall the window for seconds.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

// Reads the whole file in one go. CR LF, a lone CR and a lone LF each end a line; a NUL byte
// ends the text.
Result<QStringList> load(const QString &path);

// Splits already-read bytes the way load() does.
QStringList fromBytes(const QByteArray &bytes);

// The horoscope texts keep one paragraph a line, and every paragraph ends with sentence
// punctuation. A heading is a line of its own, just above its paragraph, of at most MaxHeading
// characters with no punctuation at its end: the plain file stays readable and needs no markup.
constexpr qsizetype MaxHeading = 40;
bool isHeading(QStringView line);

// How a document is written: the design's code page 1251 with CR LF, or UTF-8 (no byte-order
// mark) with the platform's line ends, which today's editors read.
enum class Encoding { Windows1251, Utf8 };

// Encodes every line followed by its line end.
QByteArray toBytes(const QStringList &lines, Encoding encoding = Encoding::Windows1251);

// Writes every line followed by its line end. The old file stays whole unless the new one was
// written completely.
Result<> save(const QString &path, const QStringList &lines,
              Encoding encoding = Encoding::Windows1251);

// Writes bytes made elsewhere (a PDF) the same careful way.
Result<> saveBytes(const QString &path, const QByteArray &bytes);

} // namespace TextList
