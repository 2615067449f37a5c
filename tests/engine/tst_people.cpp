#include "engine/people.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The people file: what is written reads back the same, a damaged file is read as far as it goes
// and kept aside at the next change, and a change that cannot be written leaves the old file.
class TestPeople : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void damagedKeptAside();
    void failedChangeKeepsFile();
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void TestPeople::roundTrip()
{
    QTemporaryDir dir;
    const PeopleFile file(People::filePath(dir.filePath(QStringLiteral("setting.kvt"))));
    QCOMPARE(file.path(), dir.filePath(QStringLiteral("people.txt")));
    QVERIFY(file.load().read.ok());
    QVERIFY(file.load().people.isEmpty());

    // A name with a line break, a tab and 45 letters, one outside the basic plane.
    const QString typed = QStringLiteral("\tБабушка\nЗоя 😀") + QString(45, u'ё');
    const QString kept = People::cleanName(typed);
    QCOMPARE(kept.toUcs4().size(), People::MaxNameLength);
    QVERIFY(kept.startsWith(QStringLiteral("Бабушка Зоя 😀ёё")));

    const PersonList people = {{People::OwnName, QDate(1985, 3, 21)},
                               {kept, QDate(1900, 1, 1)},
                               {QStringLiteral("Ёжик"), QDate(2000, 2, 29)}};
    QCOMPARE(file.change([&](PersonList &list) { list = people; }).value(), people);
    const PeopleFile::Loaded loaded = file.load();
    QVERIFY(loaded.read.ok());
    QCOMPARE(loaded.people, people);

    // A change applies to what the file holds now, as another copy of the program left it.
    write(file.path(), People::toBytes({people.at(2)}));
    QVERIFY(file.change([](PersonList &list) {
                    list.prepend({QStringLiteral("Я"), QDate(1990, 8, 14)});
                })
                .ok());
    QCOMPARE(file.load().people,
             PersonList({{QStringLiteral("Я"), QDate(1990, 8, 14)}, people.at(2)}));
}

void TestPeople::damagedKeptAside()
{
    QTemporaryDir dir;
    const PeopleFile file(dir.filePath(QStringLiteral("people.txt")));
    const QByteArray damaged = People::toBytes({{QStringLiteral("Маша"), QDate(1990, 8, 14)}}) +
                               "1899-12-31\tПрадед\n2001-02-29\tНикто\n1970-01-01\t\n";
    write(file.path(), damaged);

    const PeopleFile::Loaded loaded = file.load();
    QCOMPARE(loaded.read.failure().text(),
             "Не удалось открыть файл " + file.path() +
                 ".\nФайл повреждён: в нём не то, что записывает программа.");
    QCOMPARE(loaded.people, PersonList({{QStringLiteral("Маша"), QDate(1990, 8, 14)}}));

    QVERIFY(file.change([](PersonList &list) {
                    list.append({QStringLiteral("Петя"), QDate(1991, 1, 1)});
                })
                .ok());
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("people.txt.damaged-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(contents(dir.filePath(aside.constFirst())), damaged);
    QVERIFY(file.load().read.ok());
    QCOMPARE(file.load().people.size(), 2);
}

void TestPeople::failedChangeKeepsFile()
{
    // The file is a link to one outside its folder and the home folder, which is not followed.
    QTemporaryDir dir, elsewhere;
    qputenv("HOME", dir.path().toUtf8());
    const QString real = elsewhere.filePath(QStringLiteral("people.txt"));
    const QByteArray old = People::toBytes({{QStringLiteral("Я"), QDate(1985, 3, 21)}});
    write(real, old);
    const PeopleFile file(dir.filePath(QStringLiteral("people.txt")));
    QVERIFY(QFile::link(real, file.path()));

    QVERIFY(!file.change([](PersonList &list) { list.clear(); }));
    QCOMPARE(contents(real), old);
}

QTEST_GUILESS_MAIN(TestPeople)
#include "tst_people.moc"
