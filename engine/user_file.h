#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A small file the program keeps for each user (the settings, the remembered date, the text size,
// the people): read without ever blocking, and changed so that two running copies lose nothing.
//
//   UserFile people(folder + "/people.txt", [](const QByteArray &bytes) { return parses(bytes); });
//   const UserFile::Content now = people.read();
//   if (now.status == UserFile::Unreadable || now.status == UserFile::Damaged)
//       showErrorBox(QStringLiteral("Cannot open file %1").arg(people.path()), now.reason);
//   // Later, to save: the change is applied to what the file holds at that moment, which another
//   // copy of the program may have changed since; a damaged file is kept aside first.
//   const QString failure = people.update([&](const QByteArray &current) {
//       return withPerson(current, person); // keep what is still good in a damaged file
//   });
//   if (!failure.isEmpty())
//       showErrorBox(QStringLiteral("Cannot create file %1").arg(people.path()), failure);
class UserFile
{
public:
    enum Status {
        Missing,    // no such file: the caller's defaults hold
        Ok,         // read whole, and sound by the caller's check
        Damaged,    // read, but not what the program writes
        Unreadable, // too large, not a regular file, no permission, a dangling link...
    };

    struct Content {
        Status status = Missing;
        QByteArray bytes; // what the file holds when Ok or Damaged, else empty
        QString reason;   // one Russian line when Damaged or Unreadable
    };

    // Whether bytes read are what the program would write; none: any bytes are.
    using Check = std::function<bool(const QByteArray &bytes)>;
    // From what the file holds now (empty when it is missing or unreadable) to what it is to hold.
    using Change = std::function<QByteArray(const QByteArray &current)>;

    // The per-user files are a few lines; anything larger is not one of them.
    static constexpr qint64 DefaultMaxSize = 64 * 1024;

    explicit UserFile(QString path, Check isSound = {}, qint64 maxSize = DefaultMaxSize);

    const QString &path() const { return m_path; }

    Content read() const;

    // Reads the file, applies the change and puts the result in place atomically, making the
    // folder when needed; a file that is damaged or unreadable (but not a folder) is kept aside
    // first. Two copies of the program updating one file take turns. A link is followed when it
    // leads into the file's own folder or the user's home. Returns an empty text on success, else
    // the reason in Russian; the file is then as it was.
    QString update(const Change &change) const;

    // Renames the file to "<name>.damaged-YYYY-MM-DD-hhmm" beside it; returns the new path, or
    // an empty text when it could not be renamed.
    QString keepAside() const;

private:
    QString m_path;
    Check m_isSound;
    qint64 m_maxSize;
};
