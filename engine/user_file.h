#pragma once

#include "toolkit/result.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A small file the program keeps for each user (the settings, the remembered date, the text size,
// the people): read without ever blocking, and changed so that two running copies lose nothing.
//
//   UserFile people(folder + "/people.txt", [](const QByteArray &bytes) { return parses(bytes); });
//   const Result<UserFile::Content> now = people.read();
//   if (!now)
//       showErrorBox(now.failure());
//   else if (!now->sound)
//       showErrorBox(people.damaged());
//   // Later, to save: the change is applied to what the file holds at that moment, which another
//   // copy of the program may have changed since; a damaged file is kept aside first.
//   const Result<> saved = people.update([&](const QByteArray &current) {
//       return withPerson(current, person); // keep what is still good in a damaged file
//   });
//   if (!saved)
//       showErrorBox(saved.failure());
class UserFile
{
public:
    struct Content {
        QByteArray bytes;   // empty when the file is missing
        bool found = false; // the file is there
        bool sound = true;  // what the program writes, by the caller's check
    };

    // Whether bytes read are what the program would write; none: any bytes are.
    using Check = std::function<bool(const QByteArray &bytes)>;
    // From what the file holds now (empty when it is missing or unreadable) to what it is to hold.
    using Change = std::function<QByteArray(const QByteArray &current)>;

    // The per-user files are a few lines; anything larger is not one of them.
    static constexpr qint64 DefaultMaxSize = 64 * 1024;

    // `maxSize` bounds both what is read and what is written.
    explicit UserFile(QString path, Check isSound = {}, qint64 maxSize = DefaultMaxSize);

    const QString &path() const { return m_path; }

    // What the file holds; a failure when it is there but cannot be read (too large, not a regular
    // file, no permission, a link to nowhere...).
    Result<Content> read() const;

    // What a file read but not sound is reported as.
    Failure damaged() const;

    // The reason given when another copy of the program holds the file too long.
    void setBusyReason(const QString &reason) { m_busyReason = reason; }

    // Reads the file, applies the change and puts the result in place atomically, making the
    // folder when needed; a file that is damaged or unreadable (but not a folder, not too large
    // and not behind a link) is kept aside first. Two copies of the program updating one file take
    // turns; a change that cannot have its turn in time is refused. A link is followed when it
    // leads into the file's own folder or the user's home. On failure the file is as it was.
    Result<> update(const Change &change) const;

private:
    QString m_path;
    Check m_isSound;
    qint64 m_maxSize;
    QString m_busyReason;
};
