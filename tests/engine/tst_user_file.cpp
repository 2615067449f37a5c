#include "engine/user_file.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// Per-user files: what a read reports for each kind of file, and an update that applies the change
// to what the file holds at that moment, keeps a bad file aside and touches nothing on failure.
class TestUserFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void updates_data();
    void updates();
};

namespace {

bool sound(const QByteArray &bytes)
{
    return bytes.startsWith("ok");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Makes "people.txt" in the folder the way the row names: "" nothing, "bytes:<content>",
// "unreadable:<content>", "big", "folder", "fifo", "dangling", "link-in" (to real.txt beside it),
// "link-out" (to a file in `elsewhere`), "link-home-damaged" (to `elsewhere`/bashrc, not ours),
// "nearly-full" (two bytes short of the limit), "under-a-file" (the folder is a file).
QString make(const QString &folder, const QString &elsewhere, const QString &how)
{
    const QString path = folder + QLatin1String("/people.txt");
    const QByteArray name = QFile::encodeName(path);
    const QString content = how.section(u':', 1);
    if (how.startsWith(QLatin1String("bytes:"))) {
        write(path, content.toUtf8());
    } else if (how.startsWith(QLatin1String("unreadable:"))) {
        write(path, content.toUtf8());
        QFile::setPermissions(path, QFileDevice::WriteOwner);
    } else if (how == QLatin1String("big")) {
        write(path, QByteArray(UserFile::DefaultMaxSize + 1, 'o'));
    } else if (how == QLatin1String("folder")) {
        QDir().mkdir(path);
    } else if (how == QLatin1String("fifo")) {
        ::mkfifo(name.constData(), 0600);
    } else if (how == QLatin1String("dangling")) {
        ::symlink("nowhere", name.constData());
    } else if (how == QLatin1String("link-in")) {
        write(folder + QLatin1String("/real.txt"), "ok");
        ::symlink("real.txt", name.constData());
    } else if (how.startsWith(QLatin1String("link-out"))) {
        write(elsewhere + QLatin1String("/real.txt"), "ok");
        QFile::link(elsewhere + QLatin1String("/real.txt"), path);
    } else if (how == QLatin1String("nearly-full")) {
        write(path, "ok" + QByteArray(UserFile::DefaultMaxSize - 3, 'x'));
    } else if (how == QLatin1String("link-home-damaged")) {
        write(elsewhere + QLatin1String("/bashrc"), "export X");
        QFile::link(elsewhere + QLatin1String("/bashrc"), path);
    } else if (how == QLatin1String("under-a-file")) {
        write(folder + QLatin1String("/sub"), "file");
        return folder + QLatin1String("/sub/people.txt");
    }
    return path;
}

} // namespace

void TestUserFile::reads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("status"); // missing, sound, damaged, or why it cannot be read
    // clang-format off
    QTest::newRow("missing") << "" << "missing";
    QTest::newRow("sound") << "bytes:ok 1" << "sound";
    QTest::newRow("not what we write") << "bytes:7\r\n9" << "damaged";
    QTest::newRow("over the limit") << "big" << "Файл слишком велик: это не файл программы.";
    QTest::newRow("a folder") << "folder" << "Это папка.";
    QTest::newRow("a FIFO nobody writes") << "fifo" << "Это не обычный файл.";
    QTest::newRow("a link to nowhere") << "dangling" << "Ссылка никуда не ведёт.";
    QTest::newRow("no permission") << "unreadable:ok" << "Нет прав на чтение.";
    // clang-format on
}

void TestUserFile::reads()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString path = make(dir.path(), dir.path(), file);
    if (file.startsWith(QLatin1String("unreadable")) && ::geteuid() == 0)
        QSKIP("permissions do not bind root");
    const Result<UserFile::Content> content = UserFile(path, sound).read();
    QTEST(!content          ? content.failure().reason
          : !content->found ? QStringLiteral("missing")
          : content->sound  ? QStringLiteral("sound")
                            : QStringLiteral("damaged"),
          "status");
    QCOMPARE(content->bytes,
             file.startsWith(QLatin1String("bytes:")) ? file.mid(6).toUtf8() : QByteArray());
}

void TestUserFile::updates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("after"); // what people.txt (or the file it links to) holds
    QTest::addColumn<QByteArray>("aside"); // what the kept-aside file holds; null: none made
    const QByteArray none;
    // clang-format off
    QTest::newRow("missing") << "" << false << "" << QByteArray("ok +") << none;
    QTest::newRow("another copy's change stays") << "bytes:ok A" << false << ""
        << QByteArray("ok A +") << none;
    QTest::newRow("damaged: kept aside, its bytes changed") << "bytes:7\r\n9" << false << ""
        << QByteArray("7\r\n9 +") << QByteArray("7\r\n9");
    QTest::newRow("unreadable: kept aside") << "unreadable:ok B" << false << ""
        << QByteArray("ok +") << QByteArray("ok B");
    QTest::newRow("a FIFO: kept aside") << "fifo" << false << "" << QByteArray("ok +")
        << QByteArray("");
    QTest::newRow("a folder stays") << "folder" << false << "Это папка." << QByteArray("(none)")
        << none;
    QTest::newRow("a link to nowhere creates nothing") << "dangling" << false
        << "Ссылка никуда не ведёт." << QByteArray("(none)") << none;
    QTest::newRow("a link beside it is followed") << "link-in" << false << "" << QByteArray("ok +")
        << none;
    QTest::newRow("a link elsewhere is not") << "link-out" << false
        << "Ссылка ведёт в другую папку." << QByteArray("ok") << none;
    QTest::newRow("a link elsewhere, HOME gone") << "link-out-no-home" << false
        << "Ссылка ведёт в другую папку." << QByteArray("ok") << none;
    QTest::newRow("a link into a sibling of HOME") << "link-out-sibling" << false
        << "Ссылка ведёт в другую папку." << QByteArray("ok") << none;
    QTest::newRow("a file not ours behind a link stays") << "link-home-damaged" << false
        << "Файл по ссылке (~/bashrc) оставлен как есть. Файл повреждён: в нём не то, что "
           "записывает программа." << QByteArray("export X") << none;
    QTest::newRow("too large to read: never replaced") << "big" << false
        << "Файл слишком велик: это не файл программы."
        << QByteArray(UserFile::DefaultMaxSize + 1, 'o') << none;
    QTest::newRow("a change past the limit") << "nearly-full" << false
        << "Файл достиг предельного размера: больше в нём не поместится."
        << "ok" + QByteArray(UserFile::DefaultMaxSize - 3, 'x') << none;
    QTest::newRow("a file for the folder") << "under-a-file" << false
        << "Папку не создать: на её месте файл." << QByteArray("(none)") << none;
    QTest::newRow("read-only folder: the file stays whole") << "bytes:ok C" << true
        << "Нет прав на запись." << QByteArray("ok C") << none;
    // clang-format on
}

void TestUserFile::updates()
{
    QFETCH(QString, file);
    QFETCH(bool, readOnlyFolder);
    QFETCH(QByteArray, aside);
    if ((readOnlyFolder || file.startsWith(QLatin1String("unreadable"))) && ::geteuid() == 0)
        QSKIP("permissions do not bind root");
    QTemporaryDir home;
    QTemporaryDir elsewhereDir;
    QString homePath = home.path();
    QString elsewhere = elsewhereDir.path();
    if (file == QLatin1String("link-out-no-home"))
        homePath = QStringLiteral("/nonexistent-home");
    else if (file == QLatin1String("link-home-damaged"))
        elsewhere = homePath;
    else if (file == QLatin1String("link-out-sibling")) {
        // "/tmp/x/alice" starts with "/tmp/x/al" but is not inside it.
        homePath = home.path() + QLatin1String("/al");
        elsewhere = homePath + QLatin1String("ice");
        QDir().mkpath(homePath);
        QDir().mkpath(elsewhere);
    }
    qputenv("HOME", QFile::encodeName(homePath));
    const QString folder = home.path() + QLatin1String("/config");
    QDir().mkpath(folder);
    const QString path = make(folder, elsewhere, file);
    if (readOnlyFolder)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const Result<> updated = UserFile(path, sound).update([](const QByteArray &current) {
        return (current.isEmpty() ? QByteArray("ok") : current) + " +";
    });
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFETCH(QString, reason);
    QCOMPARE(updated ? QString() : updated.failure().reason,
             QString(reason).replace(u'~', homePath));
    const QString real =
        file.startsWith(QLatin1String("link-out"))   ? elsewhere + QLatin1String("/real.txt")
        : file == QLatin1String("link-in")           ? folder + QLatin1String("/real.txt")
        : file == QLatin1String("link-home-damaged") ? elsewhere + QLatin1String("/bashrc")
                                                     : path;
    QTEST(contents(real), "after");
    const QStringList kept = QDir(folder).entryList({QStringLiteral("people.txt.damaged-*")},
                                                    QDir::AllEntries | QDir::System);
    QCOMPARE(kept.size(), aside.isNull() ? 0 : 1);
    if (!aside.isNull()) {
        const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd-");
        QVERIFY2(kept.first().startsWith("people.txt.damaged-" + stamp), qPrintable(kept.first()));
        if (file != QLatin1String("fifo")) {
            QFile::setPermissions(folder + u'/' + kept.first(), QFileDevice::ReadOwner);
            QCOMPARE(contents(folder + u'/' + kept.first()), aside);
        }
    }
    QVERIFY(!QFileInfo::exists(folder + QLatin1String("/nowhere")));
}

QTEST_GUILESS_MAIN(TestUserFile)
#include "tst_user_file.moc"
