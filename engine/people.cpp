#include "engine/people.h"

#include "engine/day_numbers.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The first line names the file, so that another file put in its place is not read as people.
const QByteArray Header = QByteArrayLiteral("# Orlenta: мои люди");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

bool isKeptName(const QString &name)
{
    return !name.isEmpty() && People::cleanName(name) == name;
}

} // namespace

namespace People {

QString cleanName(const QString &name)
{
    QList<uint> kept;
    for (const uint c : name.toUcs4()) {
        const QChar::Category category = QChar::category(char32_t(c));
        const bool control = category == QChar::Other_Control ||
                             category == QChar::Separator_Line ||
                             category == QChar::Separator_Paragraph;
        kept.append(control ? uint(' ') : c);
    }
    QString clean =
        QString::fromUcs4(reinterpret_cast<const char32_t *>(kept.constData()), kept.size())
            .simplified();
    const QList<uint> points = clean.toUcs4();
    if (points.size() > MaxNameLength)
        clean =
            QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), MaxNameLength)
                .trimmed();
    return clean;
}

bool isBirthDate(const QDate &date)
{
    // The wizard's last year follows the clock; a date kept in an earlier run stays good when the
    // clock is set back.
    return date.isValid() && date.year() >= DayNumbers::FirstYear &&
           date.year() <= DayNumbers::LastYear;
}

QByteArray toBytes(const PersonList &people)
{
    QByteArray bytes = Header + '\n';
    for (const Person &person : people)
        bytes += person.birth.toString(DateFormat).toLatin1() + '\t' + person.name.toUtf8() + '\n';
    return bytes;
}

bool fromBytes(const QByteArray &bytes, PersonList *people)
{
    people->clear();
    const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    const QList<QByteArray> lines =
        (bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes).split('\n');
    bool sound = lines.constFirst() == Header || lines.constFirst() == Header + '\r';
    for (qsizetype at = sound ? 1 : 0; at < lines.size(); ++at) {
        QByteArray line = lines.at(at);
        if (line.endsWith('\r'))
            line.chop(1);
        // Editors leave blank lines behind, at the end most of all; they hold no one.
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf('\t');
        const QDate birth = QDate::fromString(QString::fromLatin1(line.left(tab)), DateFormat);
        const QString name = QString::fromUtf8(line.mid(tab + 1));
        if (tab != 10 || !isBirthDate(birth) || !isKeptName(name) ||
            name.toUtf8() != line.mid(tab + 1)) {
            sound = false;
            continue;
        }
        people->append({name, birth});
    }
    return sound;
}

QString filePath(const QString &settingsFile)
{
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("people.txt"));
}

} // namespace People

PeopleFile::PeopleFile(const QString &path)
    : m_file(
          path,
          [](const QByteArray &bytes) {
              PersonList people;
              return People::fromBytes(bytes, &people);
          },
          People::MaxFileSize)
{
    m_file.setBusyReason(
        QStringLiteral("Список людей сейчас изменяет другая копия Orlenta. Попробуйте ещё раз."));
}

PeopleFile::Loaded PeopleFile::load() const
{
    const Result<UserFile::Content> content = m_file.read();
    Loaded loaded;
    if (!content) {
        loaded.read = content.failure();
        return loaded;
    }
    People::fromBytes(content->bytes, &loaded.people);
    if (!content->sound)
        loaded.read = m_file.damaged();
    return loaded;
}

Result<PersonList> PeopleFile::change(const Change &change) const
{
    PersonList people;
    const Result<> saved = m_file.update([&](const QByteArray &current) {
        People::fromBytes(current, &people);
        change(people);
        return People::toBytes(people);
    });
    if (!saved)
        return saved.failure();
    return people;
}
