#include "engine/day_numbers.h"
#include "engine/tform2.h"
#include "program_dir.h"

#include <QDir>
#include <QtTest>

class TestTForm2 : public QObject
{
    Q_OBJECT

private slots:
    void missingSettingsFails();
    void programDirectoryBecomesCurrent();
    void birthDateFillsTheDateFields_data();
    void birthDateFillsTheDateFields();
    void zodiacSignsKeepBothEndDays_data();
    void zodiacSignsKeepBothEndDays();
    void inputsThatAreNoNumberMatchNothing_data();
    void inputsThatAreNoNumberMatchNothing();
    void sharedDayNumberAtTheTurnOfTheYear();
    void resetKeepsDirectoryAndSettings();
    void saveWritesWhatIsVisible_data();
    void saveWritesWhatIsVisible();
    void saveFailureNamesTheFullTarget();
};

void TestTForm2::missingSettingsFails()
{
    ProgramDir dir((QByteArray()));
    TForm2 engine(dir.executable());
    QVERIFY(!engine.settingsRead);
    QCOMPARE(engine.settingsRead.failure().message,
             "Не удалось открыть файл " + dir.path() + "/setting/setting.kvt");
}

void TestTForm2::programDirectoryBecomesCurrent()
{
    ProgramDir dir;
    QDir::setCurrent(QDir::tempPath());
    TForm2 engine(dir.executable());
    QCOMPARE(engine.Edit15, dir.path());
    QCOMPARE(QDir::currentPath(), dir.path());
    // So does the file dialog's history, which Qt keeps in its own settings.
    QCOMPARE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName(),
             dir.path() + QLatin1String("/setting/QtProject.conf"));
}

// The years whose length the day numbers get wrong (1900 long, 1912, 1948 and 1952 short) and the
// last one; the wizard's test checks the other year starts through the year step.
void TestTForm2::birthDateFillsTheDateFields_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("fields"); // Edit2 to Edit6
    // clang-format off
    QTest::newRow("1900-03-01") << QDate(1900, 3, 1) << QStringList{"0", "60", "1", "10061", "1061"};
    QTest::newRow("1912-12-31") << QDate(1912, 12, 31) << QStringList{"4383", "335", "31", "14749", "1366"};
    QTest::newRow("1913-01-01") << QDate(1913, 1, 1) << QStringList{"4748", "0", "1", "14749", "1001"};
    QTest::newRow("1948-03-01") << QDate(1948, 3, 1) << QStringList{"17531", "60", "1", "27592", "1061"};
    QTest::newRow("1952-02-29") << QDate(1952, 2, 29) << QStringList{"18991", "31", "29", "29051", "1060"};
    QTest::newRow("2099-12-31") << QDate(2099, 12, 31) << QStringList{"72682", "335", "31", "83048", "1366"};
    // clang-format on
}

void TestTForm2::birthDateFillsTheDateFields()
{
    QFETCH(QDate, date);
    TForm2 engine;
    engine.setBirthDate(date.year(), date.month(), date.day());
    QTEST((QStringList{engine.Edit2, engine.Edit3, engine.Edit4, engine.Edit5, engine.Edit6}),
          "fields");
}

void TestTForm2::zodiacSignsKeepBothEndDays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign"); // the zodiac key
    const struct {
        int month, day;
        const char *sign;
    } days[] = {{1, 20, "kozerog"}, {1, 21, "vodolei"}, {3, 20, "rubu"},      {3, 21, "oven"},
                {4, 20, "oven"},    {4, 21, "telesc"},  {12, 21, "strelesc"}, {12, 22, "kozerog"}};
    for (const auto &row : days)
        QTest::addRow("%02d-%02d", row.month, row.day)
            << QDate(1985, row.month, row.day) << QString::fromLatin1(row.sign);
}

void TestTForm2::zodiacSignsKeepBothEndDays()
{
    QFETCH(QDate, date);
    ProgramDir dir;
    TForm2 engine(dir.executable());
    engine.setBirthDate(date.year(), date.month(), date.day());
    engine.computeAllSigns();
    QTEST(engine.Edit8, "sign");
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
    QCOMPARE(DayNumbers::yearStart(DayNumbers::LastYear + 1), 73047); // where the tables end
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
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("bytes"); // UTF-8 here, whatever is written
    const QByteArray text = "Текст\r\n\r\nабзац\r\n";
    const QByteArray rows = "По знаку зодиака.....(Лев)\r\n";
    const QByteArray dated = "Дата рождения: 1 августа 1985 г.\n\nПо знаку зодиака.....(Лев)\n";
    // clang-format off
    QTest::newRow("viewer") << "итоги" << true << false << "итоги.txt" << false << text;
    QTest::newRow("list") << "итоги" << false << true << "итоги.txt" << false << rows;
    QTest::newRow("both: the list wins") << "итоги" << true << true << "итоги.txt" << false << rows;
    QTest::newRow("name already .txt") << "итоги.txt" << false << true << "итоги.txt" << false << rows;
    QTest::newRow("name already .TXT") << "итоги.TXT" << false << true << "итоги.TXT" << false << rows;
    QTest::newRow("other extension") << "итоги.doc" << false << true << "итоги.doc.txt" << false << rows;
    QTest::newRow("neither") << "итоги" << false << false << "итоги.txt" << false << QByteArray();
    QTest::newRow("viewer, UTF-8") << "итоги" << true << false << "итоги.txt" << true << QByteArray("Текст\n\nабзац\n");
    QTest::newRow("list, UTF-8, dated") << "итоги" << false << true << "итоги.txt" << true << dated;
    // clang-format on
}

void TestTForm2::saveWritesWhatIsVisible()
{
    QFETCH(QString, name);
    QFETCH(bool, textVisible);
    QFETCH(bool, listVisible);
    QFETCH(QString, written);
    QFETCH(bool, utf8);
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
        source.encoding = utf8 ? TextList::Encoding::Utf8 : TextList::Encoding::Windows1251;
        if (utf8)
            source.listHeading = QStringLiteral("Дата рождения: 1 августа 1985 г.");
        return source;
    };
    QVERIFY(engine.Button7Click().ok());
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (bytes.isNull()) {
        QVERIFY(files.isEmpty());
        return;
    }
    QCOMPARE(files, QStringList(written));
    QFile saved(dir.file(written));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QStringEncoder cp1251("windows-1251");
    QCOMPARE(saved.readAll(), utf8 ? bytes : QByteArray(cp1251(QString::fromUtf8(bytes))));
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
    const Result<> saved = engine.Button7Click();
    QVERIFY(!saved);
    QCOMPARE(saved.failure().message,
             "Не удалось сохранить файл " + dir.file("missing/folder/итоги.txt"));
}

QTEST_GUILESS_MAIN(TestTForm2)
#include "tst_tform2.moc"
