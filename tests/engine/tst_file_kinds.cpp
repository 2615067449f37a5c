#include "engine/save_target.h"
#include "engine/tform2.h"
#include "program_dir.h"
#include "toolkit/text_list.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// Each kind of file where the program reads a text, reads its settings or saves a document: the
// right line at once, never a wait, and nothing written where the user did not name.
class TestFileKinds : public QObject
{
    Q_OBJECT

private slots:
    void eachKind_data();
    void eachKind();
    void namesRefused();
};

void TestFileKinds::eachKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("read");  // the text loader's and the settings reader's reason
    QTest::addColumn<QString>("saved"); // the save's reason; "replace": asked, then written
    const QString fifo = QStringLiteral("Это не обычный файл.");
    const QString nowhere = QStringLiteral("Ссылка никуда не ведёт.");
    const QString elsewhere = QStringLiteral("Ссылка ведёт в другую папку.");
    // clang-format off
    QTest::newRow("regular") << "regular" << "" << "replace";
    QTest::newRow("folder") << "folder" << "Это папка." << "Это папка.";
    QTest::newRow("FIFO") << "fifo" << fifo << fifo;
    QTest::newRow("a link to a device") << "device" << fifo << elsewhere;
    QTest::newRow("a dangling link") << "dangling" << nowhere << nowhere;
    QTest::newRow("a link into another folder") << "elsewhere" << "" << elsewhere;
    QTest::newRow("a link beside it") << "beside" << "" << "replace";
    QTest::newRow("a link beside it to a FIFO") << "beside-fifo" << fifo << fifo;
    // clang-format on
}

void TestFileKinds::eachKind()
{
    QFETCH(QString, kind);
    QFETCH(QString, read);
    QFETCH(QString, saved);
    ProgramDir dir(QByteArray("0\r\n3\r\n"));
    QTemporaryDir other;
    const QString outside = other.filePath(QStringLiteral("planted.conf"));
    QFile::copy(dir.file(QStringLiteral("setting/setting.kvt")), outside);
    dir.write(QStringLiteral("setting/real.kvt"), "0\r\n3\r\n");
    // The same kind of file at the text's, the settings' and the document's place.
    const QStringList places = {dir.file("Files/zodiac_lev.KVETAR"),
                                dir.file("setting/setting.kvt"), dir.file("setting/итоги.txt")};
    for (const QString &place : places) {
        QFile::remove(place);
        const QByteArray name = QFile::encodeName(place);
        if (kind == "regular")
            QFile::copy(dir.file("setting/real.kvt"), place);
        else if (kind == "folder")
            QDir().mkdir(place);
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "device")
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), place));
        else if (kind == "dangling")
            QVERIFY(QFile::link(dir.file("setting/nowhere"), place));
        else if (kind == "elsewhere")
            QVERIFY(QFile::link(outside, place));
        else if (kind == "beside")
            QVERIFY(QFile::link(dir.file("setting/real.kvt"), place));
        else if (kind == "beside-fifo") {
            const QString pipe = place + QLatin1String(".pipe");
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
            QVERIFY(QFile::link(pipe, place));
        }
    }

    const Result<QStringList> text = TextList::load(places[0]);
    QCOMPARE(text ? QString() : text.failure().reason, read);
    {
        TForm2 engine(dir.executable());
        QCOMPARE(engine.settingsRead ? QString() : engine.settingsRead.failure().reason, read);
        if (engine.settingsRead)
            QCOMPARE(engine.Edit18, QStringLiteral("3"));
    }

    const Result<SaveTarget> target = checkSaveTarget(places[2]);
    QCOMPARE(target ? QStringLiteral("replace") : target.failure().reason, saved);
    TForm2 engine;
    engine.saveSource = [&] {
        TForm2::SaveSource source;
        source.fileName = places[2];
        source.listVisible = true;
        source.rows = QStringList{QStringLiteral("1")};
        return source;
    };
    const Result<> written = engine.Button7Click();
    QCOMPARE(written ? QStringLiteral("replace") : written.failure().reason, saved);
    if (written)
        QCOMPARE(TextList::load(places[2]).value(), QStringList{QStringLiteral("1")});
    // Nothing outside the chosen folder is touched, nor a file made where a link pointed nowhere.
    QCOMPARE(TextList::load(outside).value(), QStringList({"0", "3"}));
    QVERIFY(!QFileInfo::exists(dir.file("setting/nowhere")));
    QCOMPARE(QDir(other.path()).entryList(QDir::Files), QStringList("planted.conf"));
}

// A pasted name with a line break, and a folder typed without a name.
void TestFileKinds::namesRefused()
{
    QTemporaryDir dir;
    QCOMPARE(checkSaveTarget(dir.filePath(QStringLiteral("итоги\n2.txt"))).failure().reason,
             QStringLiteral("В имени файла не должно быть управляющих символов."));
    QCOMPARE(checkSaveTarget(TForm2::saveTarget(dir.filePath(QStringLiteral("итоги2/"))))
                 .failure()
                 .reason,
             QStringLiteral("Укажите имя файла."));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestFileKinds)
#include "tst_file_kinds.moc"
