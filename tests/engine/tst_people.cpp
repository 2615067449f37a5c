#include "engine/clock.h"
#include "engine/people.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The people file: what is written reads back the same, files from other systems read as one, a
// damaged file is read as far as it goes, a change that cannot be written leaves the file as it
// was, and copies taking turns lose nothing.
class TestPeople : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Clock::setToday(QDate()); }
    void roundTrip();
    void reads_data();
    void reads();
    void failedWriteChangesNothing();
    void threeCopiesLoseNothing();
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

const Person Masha{QStringLiteral("Маша"), QDate(1990, 8, 14)};
const Person Petya{QStringLiteral("Петя"), QDate(1991, 1, 1)};

constexpr int WriterChanges = 200;

// One of the copies in threeCopiesLoseNothing: adds its people one change at a time, trying a
// refused change again as a user told of the refusal would.
int runWriter(const QString &path, const QString &tag)
{
    const PeopleFile file(path);
    QElapsedTimer time;
    time.start();
    for (int i = 0; i < WriterChanges; ++i) {
        const Person person{tag + QString::number(i), QDate(1980, 1, 1)};
        while (!file.change([&](PersonList &people) { people.append(person); })) {
            if (time.elapsed() > 60000)
                return 1;
        }
    }
    return 0;
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
    QCOMPARE(People::cleanName(QString(41, u'я')), QString(40, u'я'));

    // A large family with long names is far more than a few kilobytes.
    PersonList people = {{People::OwnName, QDate(1985, 3, 21)}, {kept, QDate(1900, 1, 1)}};
    for (int i = 0; i < 2000; ++i)
        people.append({kept.left(30) + QString::number(i), QDate(2000, 2, 29)});
    QCOMPARE(file.change([&](PersonList &list) { list = people; }).value(), people);
    const PeopleFile::Loaded loaded = file.load();
    QVERIFY(loaded.read.ok());
    QCOMPARE(loaded.people, people);

    // A change applies to what the file holds now, as another copy of the program left it.
    write(file.path(), People::toBytes({people.at(2)}));
    QVERIFY(file.change([](PersonList &list) { list.prepend(Masha); }));
    QCOMPARE(file.load().people, PersonList({Masha, people.at(2)}));
}

void TestPeople::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<PersonList>("people");
    const QByteArray header("# Orlenta: мои люди");
    const QByteArray masha("1990-08-14\tМаша"), petya("1991-01-01\tПетя");
    const PersonList both = {Masha, Petya};
    // clang-format off
    QTest::newRow("as written") << header + '\n' + masha + '\n' + petya + '\n' << true << both;
    QTest::newRow("CR LF") << header + "\r\n" + masha + "\r\n" + petya + "\r\n" << true << both;
    QTest::newRow("a byte-order mark") << "\xEF\xBB\xBF" + header + '\n' + masha + '\n' + petya + '\n' << true << both;
    QTest::newRow("no final line end") << header + '\n' + masha + '\n' + petya << true << both;
    QTest::newRow("a blank line left") << header + "\r\n" + masha + "\r\n\r\n" + petya + "\r\n\r\n" << true << both;
    QTest::newRow("a date yet to come stays") << header + "\n2010-05-05\tБудущий\n" << true
        << PersonList{{QStringLiteral("Будущий"), QDate(2010, 5, 5)}};
    QTest::newRow("no header: the first line is a person") << masha + '\n' + petya + '\n' << false << both;
    QTest::newRow("a bad first person") << header + "\n1899-12-31\tПрадед\n" + masha + '\n' << false << PersonList{Masha};
    QTest::newRow("a bad last person") << header + '\n' + masha + "\n2001-02-29\tНикто\n1970-01-01\t\n" << false << PersonList{Masha};
    QTest::newRow("empty") << QByteArray() << false << PersonList();
    // clang-format on
}

void TestPeople::reads()
{
    QFETCH(QByteArray, bytes);
    Clock::setToday(QDate(2000, 1, 1));
    QTemporaryDir dir;
    const PeopleFile file(dir.filePath(QStringLiteral("people.txt")));
    write(file.path(), bytes);
    const PeopleFile::Loaded loaded = file.load();
    QTEST(loaded.read.ok(), "sound");
    QTEST(loaded.people, "people");
    if (!loaded.read)
        QCOMPARE(loaded.read.failure().text(),
                 "Не удалось открыть файл " + file.path() +
                     ".\nФайл повреждён: в нём не то, что записывает программа.");
}

// A damaged file is moved aside before the write; when the write fails (here the process may
// write no more than a few hundred bytes to a file, as on a full disk), it is moved back.
void TestPeople::failedWriteChangesNothing()
{
    QTemporaryDir dir;
    const PeopleFile file(dir.filePath(QStringLiteral("people.txt")));
    PersonList many;
    for (int i = 0; i < 20; ++i)
        many.append({QStringLiteral("Человек %1").arg(i), QDate(1970, 1, 1)});
    const QByteArray damaged = People::toBytes(many) + "bad line\n";
    write(file.path(), damaged);

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 300;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<PersonList> changed = file.change([](PersonList &list) { list.append(Petya); });
    ::setrlimit(RLIMIT_FSIZE, &before);

    QVERIFY(!changed);
    QCOMPARE(changed.failure().text(),
             "Не удалось сохранить файл " + file.path() + ".\nФайл слишком велик для этого диска.");
    QCOMPARE(contents(file.path()), damaged);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("people.txt.*")}), QStringList());
}

// Three copies of the program changing the list at once: every change lands exactly once.
void TestPeople::threeCopiesLoseNothing()
{
    // Memory-backed when there is such a folder: the test is about turns, not the disk's speed.
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/orlenta-people-XXXXXX")
                          : QString());
    const QString path = dir.filePath(QStringLiteral("people.txt"));
    const QStringList tags = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const QString &tag : tags) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QCoreApplication::applicationFilePath(),
                             {QStringLiteral("--writer"), path, tag});
    }
    for (const auto &copy : copies) {
        QVERIFY(copy->waitForFinished(90000));
        QCOMPARE(copy->exitCode(), 0);
    }
    const PeopleFile::Loaded loaded = PeopleFile(path).load();
    QVERIFY(loaded.read.ok());
    QStringList names;
    for (const Person &person : loaded.people)
        names.append(person.name);
    QCOMPARE(names.size(), WriterChanges * tags.size());
    names.removeDuplicates();
    QCOMPARE(names.size(), WriterChanges * tags.size());
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestPeople test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_people.moc"
