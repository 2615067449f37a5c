#include "engine/day_numbers.h"
#include "engine/tform2.h"
#include "program_dir.h"
#include "toolkit/exception.h"

#include <QDir>
#include <QtTest>

class TestTForm2 : public QObject
{
    Q_OBJECT

private slots:
    void loadsSettingsLines_data();
    void loadsSettingsLines();
    void missingSettingsFails();
    void programDirectoryBecomesCurrent();
    void yearTableCheckValues_data();
    void yearTableCheckValues();
    void inputsThatAreNoNumberMatchNothing_data();
    void inputsThatAreNoNumberMatchNothing();
    void sharedDayNumberAtTheTurnOfTheYear();
    void resetKeepsDirectoryAndSettings();
    void saveWritesWhatIsVisible_data();
    void saveWritesWhatIsVisible();
    void saveFailureNamesTheFullTarget();
};

void TestTForm2::loadsSettingsLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("hints");
    QTest::addColumn<QString>("speed");
    // clang-format off
    QTest::newRow("installed") << QByteArray("1\r\n2\r\n") << "1" << "2";
    QTest::newRow("empty") << QByteArray("") << "" << "";
    QTest::newRow("one line") << QByteArray("0") << "0" << "";
    QTest::newRow("more lines") << QByteArray("0\r\n3\r\nx\r\n") << "0" << "3";
    QTest::newRow("LF only, odd values") << QByteArray("1 \n7\n") << "1 " << "7";
    // clang-format on
}

void TestTForm2::loadsSettingsLines()
{
    QFETCH(QByteArray, file);
    ProgramDir dir(file);
    TForm2 engine(dir.executable());
    QTEST(engine.Edit17, "hints");
    QTEST(engine.Edit18, "speed");
}

void TestTForm2::missingSettingsFails()
{
    ProgramDir dir((QByteArray()));
    try {
        TForm2 engine(dir.executable());
        QFAIL("no exception");
    } catch (const Exception &error) {
        QCOMPARE(error.message(), "Cannot open file " + dir.path() + "/setting/setting.kvt");
    }
}

void TestTForm2::programDirectoryBecomesCurrent()
{
    ProgramDir dir;
    QDir::setCurrent(QDir::tempPath());
    TForm2 engine(dir.executable());
    QCOMPARE(engine.Edit15, dir.path());
    QCOMPARE(QDir::currentPath(), dir.path());
}

void TestTForm2::yearTableCheckValues_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("start");
    const int values[][2] = {{1900, 0},     {1901, 366},   {1904, 1461},  {1912, 4383},
                             {1913, 4748},  {1948, 17531}, {1949, 17896}, {1952, 18991},
                             {1953, 19356}, {1985, 31044}, {2000, 36522}, {2015, 42001},
                             {2016, 42366}, {2024, 45288}, {2099, 72682}, {2100, 73047}};
    for (const auto &value : values)
        QTest::addRow("%d", value[0]) << value[0] << value[1];
}

void TestTForm2::yearTableCheckValues()
{
    QFETCH(int, year);
    QTEST(DayNumbers::yearStart(year), "start");
}

void TestTForm2::inputsThatAreNoNumberMatchNothing_data()
{
    QTest::addColumn<QString>("input");
    // clang-format off
    QTest::newRow("design text") << QString();
    QTest::newRow("empty") << QString("");
    QTest::newRow("zero") << QString("0");
    QTest::newRow("letters") << QString("abcde");
    // clang-format on
}

// A computation that finds no sign leaves the key fields as they were and adds no line.
void TestTForm2::inputsThatAreNoNumberMatchNothing()
{
    QFETCH(QString, input);
    ProgramDir dir;
    TForm2 engine(dir.executable());
    if (!input.isNull()) {
        engine.Edit5 = input;
        engine.Edit6 = input;
    }
    engine.computeAllSigns();
    QVERIFY(engine.Memo2.isEmpty());
    QCOMPARE(engine.Edit7, "Китайский");
    QCOMPARE(engine.Edit8, "Японский");
    QCOMPARE(engine.Edit9, "Знак");
    QCOMPARE(engine.Edit10, "Дерево");
    QCOMPARE(engine.Edit11, "Мифологический");
    QCOMPARE(engine.Edit12, "Цветочный");
    QCOMPARE(engine.Edit13, "Животное");
}

void TestTForm2::sharedDayNumberAtTheTurnOfTheYear()
{
    QCOMPARE(DayNumbers::dayNumber(1901, 12, 31), 10732);
    QCOMPARE(DayNumbers::dayNumber(1902, 1, 1), 10732);
    ProgramDir dir;
    TForm2 engine(dir.executable());
    engine.Edit5 = "10732";
    engine.Button1Click();
    engine.Button6Click();
    QCOMPARE(engine.Memo2,
             QStringList({"По китайскому гороскопу.....(Бык)", "По японскому гороскопу.....(Вол)",
                          "По гороскопу Древних Ариев.....(Лиса)"}));
}

void TestTForm2::resetKeepsDirectoryAndSettings()
{
    ProgramDir dir;
    TForm2 engine(dir.executable());
    int wizardResets = 0;
    engine.resetWizard = [&] { ++wizardResets; };
    engine.Edit16 = "3";
    engine.Memo2 << "line";
    engine.Button8Click();
    QCOMPARE(wizardResets, 1);
    for (const QString *field : {&engine.Edit1, &engine.Edit2, &engine.Edit5, &engine.Edit7,
                                 &engine.Edit13, &engine.Edit16})
        QVERIFY(field->isEmpty());
    QVERIFY(engine.Memo2.isEmpty());
    QCOMPARE(engine.Edit15, dir.path());
    QCOMPARE(engine.Edit17, "1");
    QCOMPARE(engine.Edit18, "2");
}

void TestTForm2::saveWritesWhatIsVisible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("textVisible");
    QTest::addColumn<bool>("listVisible");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray text = "Текст\r\n\r\nабзац\r\n";
    const QByteArray rows = "По знаку зодиака.....(Лев)\r\n";
    // clang-format off
    QTest::newRow("viewer") << "итоги" << true << false << "итоги.txt" << text;
    QTest::newRow("list") << "итоги" << false << true << "итоги.txt" << rows;
    QTest::newRow("both: the list wins") << "итоги" << true << true << "итоги.txt" << rows;
    QTest::newRow("name already .txt") << "итоги.txt" << false << true << "итоги.txt" << rows;
    QTest::newRow("name already .TXT") << "итоги.TXT" << false << true << "итоги.TXT" << rows;
    QTest::newRow("neither") << "итоги" << false << false << "итоги.txt" << QByteArray();
    // clang-format on
}

void TestTForm2::saveWritesWhatIsVisible()
{
    QFETCH(QString, name);
    QFETCH(bool, textVisible);
    QFETCH(bool, listVisible);
    QFETCH(QString, written);
    QFETCH(QByteArray, bytes);
    ProgramDir dir;
    TForm2 engine(dir.executable());
    engine.saveSource = [&] {
        TForm2::SaveSource source;
        source.fileName = dir.file(name);
        source.textVisible = textVisible;
        source.text = QStringList({"Текст", "", "абзац"});
        source.listVisible = listVisible;
        source.rows = QStringList({"По знаку зодиака.....(Лев)"});
        return source;
    };
    engine.Button7Click();
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (bytes.isNull()) {
        QVERIFY(files.isEmpty());
        return;
    }
    QCOMPARE(files, QStringList(written));
    QFile saved(dir.file(written));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QStringEncoder cp1251("windows-1251");
    QCOMPARE(saved.readAll(), QByteArray(cp1251(QString::fromUtf8(bytes))));
}

void TestTForm2::saveFailureNamesTheFullTarget()
{
    ProgramDir dir;
    TForm2 engine(dir.executable());
    engine.saveSource = [&] {
        TForm2::SaveSource source;
        source.fileName = dir.file("missing/folder/итоги");
        source.listVisible = true;
        source.rows = QStringList({"x"});
        return source;
    };
    try {
        engine.Button7Click();
        QFAIL("no exception");
    } catch (const Exception &error) {
        QCOMPARE(error.message(), "Cannot create file " + dir.file("missing/folder/итоги.txt"));
    }
}

QTEST_GUILESS_MAIN(TestTForm2)
#include "tst_tform2.moc"
