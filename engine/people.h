#pragma once

#include "engine/user_file.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// The people the user keeps: a name and a birth date each, in the order the user chose, the user
// first. Kept in one small UTF-8 file beside the settings, one person a line.
struct Person {
    QString name;
    QDate birth;
    bool operator==(const Person &other) const
    {
        return name == other.name && birth == other.birth;
    }
};

using PersonList = QList<Person>;

namespace People {

constexpr int MaxNameLength = 40; // characters, not bytes
// Both what is read and what is written: some twenty thousand people.
constexpr qint64 MaxFileSize = 1024 * 1024;
// What the user is called until renamed.
inline const QString OwnName = QStringLiteral("Я");

// The name as kept: without line breaks, tabs and other control characters, blanks trimmed and
// cut to MaxNameLength characters. Empty when nothing is left.
QString cleanName(const QString &name);

// A birth date the wizard could have given, or could once the day has come: one kept in the file
// stays there even when the clock says it is still to come.
bool isBirthDate(const QDate &date);

QByteArray toBytes(const PersonList &people);

// The people the bytes hold; false when some line cannot be read (the good lines are still given,
// whichever line it is). Line ends of other systems, a UTF-8 byte-order mark and a missing final
// line end read the same as what toBytes() writes.
bool fromBytes(const QByteArray &bytes, PersonList *people);

// The people file of the user whose settings file this is.
QString filePath(const QString &settingsFile);

} // namespace People

class PeopleFile
{
public:
    explicit PeopleFile(const QString &path);

    struct Loaded {
        PersonList people; // all that could be read
        Result<> read;     // failed when the file is damaged or unreadable: the one report of it
    };
    Loaded load() const;

    // Applies the change to the list the file holds at this moment (another copy of the program
    // may have changed it) and writes it; a damaged file is kept aside first. Gives the list as
    // written; on failure the file is unchanged.
    using Change = std::function<void(PersonList &people)>;
    Result<PersonList> change(const Change &change) const;

    const QString &path() const { return m_file.path(); }

private:
    UserFile m_file;
};
