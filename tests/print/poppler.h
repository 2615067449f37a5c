#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Runs a poppler tool on a PDF and returns what it printed; empty when it is missing or fails.
inline QString poppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text with every space, line break and hyphen taken out: a table cell wraps where it likes, and
// pdftotext joins a word broken after its hyphen.
inline QString unspaced(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("[\\s-]+")));
}
