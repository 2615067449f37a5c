#include "program_dir.h"
#include "toolkit/exception.h"
#include "toolkit/text_list.h"

#include <QtTest>

class TestTextList : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();
    void roundTripIsByteExact();
    void unopenableFiles_data();
    void unopenableFiles();
    void uncreatableFile();
    void failedSaveKeepsTheOldFile();
};

void TestTextList::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    // clang-format off
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList({"a", "b"});
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList({"a", "b"});
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList({"a", "b"});
    QTest::newRow("mixed, empty lines kept")
        << QByteArray("a\r\n\nb\r\rc") << QStringList({"a", "", "b", "", "c"});
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList({"a", "", "b"});
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList({"a", "b"});
    QTest::newRow("NUL ends the text") << QByteArray("a\r\nb\0c\r\nd", 9) << QStringList({"a", "b"});
    QTest::newRow("code page 1251") << QByteArray("\xc7\xed\xe0\xea \xa8\xe6\r\n")
                                    << QStringList({"Знак Ёж"});
    QTest::newRow("one byte past ASCII") << QByteArray("1\r\n2 \xb9") << QStringList({"1", "2 №"});
    // clang-format on
}

void TestTextList::splitsLines()
{
    QFETCH(QByteArray, bytes);
    ProgramDir dir;
    dir.write("Files/text.KVETAR", bytes);
    QTEST(TextList::load(dir.file("Files/text.KVETAR")), "lines");
}

void TestTextList::roundTripIsByteExact()
{
    const QByteArray bytes(
        "\xcf\xee \xe7\xed\xe0\xea\xf3 \xe7\xee\xe4\xe8\xe0\xea\xe0.....(\xcb\xe5\xe2)\r\n"
        "\r\n\xab\xf2\xe5\xea\xf1\xf2\xbb \x97 \xb9 1\r\n");
    ProgramDir dir;
    dir.write("in.txt", bytes);
    const QStringList lines = TextList::load(dir.file("in.txt"));
    QCOMPARE(lines.first(), "По знаку зодиака.....(Лев)");
    TextList::save(dir.file("out.txt"), lines);
    QCOMPARE(dir.read("out.txt"), bytes);
}

void TestTextList::unopenableFiles_data()
{
    QTest::addColumn<QString>("relative");
    // clang-format off
    QTest::newRow("missing") << "Files/none.KVETAR";
    QTest::newRow("missing folder") << "nowhere/none.KVETAR";
    QTest::newRow("a directory") << "Files";
    // clang-format on
}

void TestTextList::unopenableFiles()
{
    QFETCH(QString, relative);
    ProgramDir dir;
    try {
        TextList::load(dir.file(relative));
        QFAIL("no exception");
    } catch (const Exception &error) {
        QCOMPARE(error.message(), "Cannot open file " + dir.file(relative));
    }
}

void TestTextList::uncreatableFile()
{
    ProgramDir dir;
    try {
        TextList::save(dir.file("Files"), {"x"}); // a directory stands there
        QFAIL("no exception");
    } catch (const Exception &error) {
        QCOMPARE(error.message(), "Cannot create file " + dir.file("Files"));
    }
}

// The file is replaced only by a complete new one.
void TestTextList::failedSaveKeepsTheOldFile()
{
    ProgramDir dir;
    dir.write("keep.txt", "old\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(dir.path()).isWritable(); // root writes anyway
    try {
        TextList::save(dir.file("keep.txt"), {"new"});
    } catch (const Exception &) {
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable)
        QSKIP("permissions do not bind this user");
    QCOMPARE(dir.read("keep.txt"), QByteArray("old\r\n"));
}

QTEST_GUILESS_MAIN(TestTextList)
#include "tst_text_list.moc"
