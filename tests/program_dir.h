#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A scratch program directory: the settings file and whatever texts a test puts under Files/.
// Tests never depend on the shipped texts.
class ProgramDir
{
public:
    explicit ProgramDir(const QByteArray &settings = QByteArray("1\r\n2\r\n"))
    {
        if (!settings.isNull())
            write(QStringLiteral("setting/setting.kvt"), settings);
        QDir(path()).mkpath(QStringLiteral("Files"));
    }

    QString path() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }
    QString executable() const { return path() + QLatin1String("/orlenta"); }
    QString file(const QString &relative) const { return path() + u'/' + relative; }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        const QString target = file(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile out(target);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    }

    QByteArray read(const QString &relative) const
    {
        QFile in(file(relative));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};
