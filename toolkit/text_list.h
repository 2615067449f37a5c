#pragma once

#include <QString>
#include <QStringList>

// Text files as the program stores them: code page 1251, lines ended by CR LF.
namespace TextList {

// Reads the whole file in one go. CR LF, a lone CR and a lone LF each end a line; a NUL byte
// ends the text. Throws Exception("Cannot open file <path>").
QStringList load(const QString &path);

// Splits already-read bytes the way load() does.
QStringList fromBytes(const QByteArray &bytes);

// Encodes every line followed by CR LF.
QByteArray toBytes(const QStringList &lines);

// Writes every line followed by CR LF. The old file stays whole unless the new one was written
// completely. Throws Exception("Cannot create file <path>").
void save(const QString &path, const QStringList &lines);

} // namespace TextList
