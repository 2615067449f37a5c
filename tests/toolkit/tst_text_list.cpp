#include "program_dir.h"
#include "toolkit/file_reason.h"
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
    void uncreatableFiles_data();
    void uncreatableFiles();
    void failedSaveKeepsTheOldFile();
    void reasonsNameTheCause_data();
    void reasonsNameTheCause();
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
    QTEST(TextList::load(dir.file("Files/text.KVETAR")).value(), "lines");
}

void TestTextList::roundTripIsByteExact()
{
    const QByteArray bytes(
        "\xcf\xee \xe7\xed\xe0\xea\xf3 \xe7\xee\xe4\xe8\xe0\xea\xe0.....(\xcb\xe5\xe2)\r\n"
        "\r\n\xab\xf2\xe5\xea\xf1\xf2\xbb \x97 \xb9 1\r\n");
    ProgramDir dir;
    dir.write("in.txt", bytes);
    const QStringList lines = TextList::load(dir.file("in.txt")).value();
    QCOMPARE(lines.first(), "По знаку зодиака.....(Лев)");
    QVERIFY(TextList::save(dir.file("out.txt"), lines).ok());
    QCOMPARE(dir.read("out.txt"), bytes);
}

void TestTextList::unopenableFiles_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<qint64>("size"); // of a file made there first
    QTest::addColumn<QString>("reason");
    const qint64 limit = TextList::MaxFileSize;
    const QString tooBig = QStringLiteral("Файл больше 16 МБ: это не текст программы.");
    // clang-format off
    QTest::newRow("missing") << "Files/none.KVETAR" << -1LL << "Нет такого файла.";
    QTest::newRow("missing folder") << "nowhere/none.KVETAR" << -1LL << "Нет такого файла.";
    QTest::newRow("a directory") << "Files" << -1LL << "Это папка.";
    QTest::newRow("a file for a folder") << "Files/big.KVETAR/x" << 1LL << "Часть пути — не папка.";
    QTest::newRow("over the limit") << "Files/big.KVETAR" << limit + 1 << tooBig;
    QTest::newRow("at the limit it loads") << "Files/big.KVETAR" << limit << QString();
    QTest::newRow("an endless device") << "/dev/zero" << -1LL << "Это не обычный файл.";
    // clang-format on
}

void TestTextList::unopenableFiles()
{
    QFETCH(QString, relative);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    ProgramDir dir;
    if (size >= 0)
        dir.write("Files/big.KVETAR", QByteArray(size, 'a'));
    const QString path = relative.startsWith(u'/') ? relative : dir.file(relative);
    const Result<QStringList> lines = TextList::load(path);
    QCOMPARE(lines.ok(), reason.isEmpty());
    if (lines)
        QCOMPARE(lines->value(0).size(), size);
    else
        QCOMPARE(lines.failure().text(), "Не удалось открыть файл " + path + ".\n" + reason);
}

void TestTextList::uncreatableFiles_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("a directory stands there") << "Files" << "Это папка.";
    QTest::newRow("missing folder") << "nowhere/x.txt" << "Нет такой папки.";
    QTest::newRow("a file for a folder") << "setting/setting.kvt/x.txt" << "Часть пути — не папка.";
    // clang-format on
}

void TestTextList::uncreatableFiles()
{
    QFETCH(QString, relative);
    ProgramDir dir;
    const Result<> saved = TextList::save(dir.file(relative), {"x"});
    QVERIFY(!saved);
    QCOMPARE(saved.failure().message, "Не удалось сохранить файл " + dir.file(relative));
    QTEST(saved.failure().reason, "reason");
}

// The file is replaced only by a complete new one.
void TestTextList::failedSaveKeepsTheOldFile()
{
    ProgramDir dir;
    dir.write("keep.txt", "old\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(dir.path()).isWritable(); // root writes anyway
    (void)TextList::save(dir.file("keep.txt"), {"new"});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable)
        QSKIP("permissions do not bind this user");
    QCOMPARE(dir.read("keep.txt"), QByteArray("old\r\n"));
}

// One row per line whose wording depends on the step that failed.
void TestTextList::reasonsNameTheCause_data()
{
    QTest::addColumn<FileStep>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    using S = FileStep;
    // clang-format off
    QTest::newRow("no file to read") << S::Read << ENOENT << "Нет такого файла.";
    QTest::newRow("no folder to write in") << S::Write << ENOENT << "Нет такой папки.";
    QTest::newRow("no parent folder") << S::MakeFolder << ENOENT << "Папку не создать: нет папки, в которой она должна лежать.";
    QTest::newRow("no right to make it") << S::MakeFolder << EACCES << "Папку не создать: нет прав на запись.";
    QTest::newRow("a file in its place") << S::MakeFolder << EEXIST << "Папку не создать: на её месте файл.";
    QTest::newRow("HOME unset") << S::MakeFolder << int(FileError::HomeUnset) << "Папку не создать: не задана домашняя папка (HOME).";
    QTest::newRow("a dangling link") << S::FollowLink << ENOENT << "Ссылка никуда не ведёт.";
    QTest::newRow("a link elsewhere") << S::FollowLink << int(FileError::LinkOutside) << "Ссылка ведёт в другую папку.";
    QTest::newRow("no right to read") << S::Read << EACCES << "Нет прав на чтение.";
    QTest::newRow("no right to write") << S::Write << EPERM << "Нет прав на запись.";
    QTest::newRow("a name refused") << S::Write << EINVAL << "Такое имя здесь недопустимо.";
    QTest::newRow("a trailing slash") << S::Name << int(FileError::NoName) << "Укажите имя файла.";
    QTest::newRow("a control character") << S::Name << int(FileError::ControlChar) << "В имени файла не должно быть управляющих символов.";
    QTest::newRow("a FIFO") << S::Read << int(FileError::NotRegular) << "Это не обычный файл.";
    QTest::newRow("unknown") << S::Write << EDOM << "Причина неизвестна.";
    // clang-format on
}

void TestTextList::reasonsNameTheCause()
{
    QFETCH(FileStep, step);
    QFETCH(int, error);
    QTEST(fileFailureReason(step, error), "reason");
}

QTEST_GUILESS_MAIN(TestTextList)
#include "tst_text_list.moc"
