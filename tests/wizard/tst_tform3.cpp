#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/clock.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "main_window/tform1.h"
#include "wizard/tform3.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

using Tick = void (TForm3::*)();

// Ticks a transition timer until it stops itself; the number of ticks it took.
int finish(QTimer *timer, Tick tick)
{
    int ticks = 0;
    while (timer->isActive() && ticks < 10) {
        (Form3->*tick)();
        ++ticks;
    }
    return ticks;
}

// The page frames on show, as "1", "2", "3" or a combination.
QString frames()
{
    QString shown;
    const QLabel *all[] = {Form3->Image1, Form3->Image2, Form3->Image3};
    for (int i = 0; i < 3; ++i) {
        if (!all[i]->isHidden())
            shown += QString::number(i + 1);
    }
    return shown;
}

// Which step's list and button are on show: "year", "month", "day", "" during a transition.
QString step()
{
    QString shown;
    if (!Form3->ComboBox1->isHidden() && !Form3->SpeedButton2->isHidden())
        shown += "year";
    if (!Form3->ComboBox2->isHidden() && !Form3->SpeedButton3->isHidden())
        shown += "month";
    if (!Form3->ComboBox3->isHidden() && !Form3->SpeedButton4->isHidden())
        shown += "day";
    return shown;
}

void toYearStep()
{
    Form3->SpeedButton1Click();
    finish(Form3->Timer1, &TForm3::Timer1Timer);
}

bool acceptYear(const QString &text)
{
    Form3->ComboBox1->setEditText(text);
    Form3->SpeedButton2Click();
    finish(Form3->Timer2, &TForm3::Timer2Timer);
    return Form2->Edit1 == "1";
}

bool acceptMonth(const QString &text)
{
    Form3->ComboBox2->setEditText(text);
    Form3->SpeedButton3Click();
    finish(Form3->Timer3, &TForm3::Timer3Timer);
    return Form2->Edit1 == "1";
}

bool acceptDay(const QString &text)
{
    Form3->ComboBox3->setEditText(text);
    Form3->SpeedButton4Click();
    return Form2->Edit1 == "1";
}

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList days(int count)
{
    QStringList texts;
    for (int day = 1; day <= count; ++day)
        texts << QString::number(day);
    return texts;
}

// Types text as keys carrying characters, Cyrillic included.
void type(QWidget *target, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QtMessageHandler passOn = nullptr;

// The offscreen platform cannot shape windows and says so at every change of the shape.
void dropMaskWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains("does not support setting window masks"))
        passOn(type, context, message);
}

} // namespace

class TestTForm3 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstRunAcceptsTheDesignTexts();
    void promptLinesKeepTheirHeight();
    void dayStepListsTheSevenSigns();
    void yearStep_data();
    void yearStep();
    void yearListEndsWithTheCurrentYear_data();
    void yearListEndsWithTheCurrentYear();
    void monthStep_data();
    void monthStep();
    void dayListFollowsMonthAndYear_data();
    void dayListFollowsMonthAndYear();
    void dayStep_data();
    void dayStep();
    void engineFields_data();
    void engineFields();
    void dateLineAfterEachStepAndGoingBack();
    void framesAtEachTick_data();
    void framesAtEachTick();
    void speedTable_data();
    void speedTable();
    void unknownSpeedKeepsTheLastIntervals();
    void backArrowLightsUnderThePointer();
    void keyboardWalk();
    void resetAfterACompletedRun();
    void windowShapeFollowsWhatIsShown();
    void closingTheWizardEndsTheProgram();
    void opensWithTheRememberedDate_data();
    void opensWithTheRememberedDate();
    void escapeAfterStartOverRestoresTheMainWindow();

private:
    std::unique_ptr<FormsFixture> m_forms;
};

void TestTForm3::initTestCase()
{
    passOn = qInstallMessageHandler(dropMaskWarnings);
    // The year list ends with the current year: the suite's own today, whatever the machine says.
    Clock::setToday(QDate(2026, 12, 7));
    // The design's fonts as the program maps them, so text is measured as it shows.
    registerFontSubstitutions();
}

void TestTForm3::init()
{
    m_forms = std::make_unique<FormsFixture>();
    QVERIFY(m_forms->created);
}

void TestTForm3::cleanup()
{
    m_forms.reset();
}

// The greeting's eight words take 19-pixel lines whatever font stands in for the design's: one
// line when wide, a word a line when narrow.
void TestTForm3::promptLinesKeepTheirHeight()
{
    QCOMPARE(Form3->Label1->heightForWidth(10000), 19);
    QCOMPARE(Form3->Label1->heightForWidth(1), 8 * 19);
}

void TestTForm3::firstRunAcceptsTheDesignTexts()
{
    QCOMPARE(Form3->Label1->text(),
             "Установите дату рождения, и Вы получите персональный гороскоп");
    QCOMPARE(frames(), "");
    // The greeting shows no page frame, so none is decoded for it.
    Form3->show();
    QVERIFY(Form3->Image1->pixmap().isNull() && Form3->Image3->pixmap().isNull());
    toYearStep();
    QVERIFY(!Form3->Image1->pixmap().isNull() && !Form3->Image3->pixmap().isNull());
    QVERIFY(acceptYear(Form3->ComboBox1->currentText()));
    QVERIFY(acceptMonth(Form3->ComboBox2->currentText()));
    QVERIFY(acceptDay(Form3->ComboBox3->currentText()));
    QCOMPARE(Form3->Label2->text(), "1 января 1900");
    QCOMPARE(Form2->Edit5, "10001");
    QCOMPARE(Form2->Edit6, "1001");

    // The computations ran in the list's order, zodiac first, and the list holds their lines.
    QVERIFY(!Form2->Memo2.isEmpty());
    QVERIFY(Form2->Memo2.first().startsWith("По знаку зодиака....."));
    QVERIFY(Form2->Memo2.last().startsWith("По гороскопу Древних Ариев....."));
    QCOMPARE(rows(Form1->ListBox1), Form2->Memo2);

    // The closing tick hands over to the main window and its animation.
    Form3->show();
    QVERIFY(Form3->Timer6->isActive());
    QCOMPARE(frames(), "1");
    QCOMPARE(finish(Form3->Timer6, &TForm3::Timer6Timer), 1);
    QVERIFY(Form1->isVisible());
    QVERIFY(!Form3->isVisible());
    QVERIFY(Form1->Timer2->isActive());
}

// Every system in its row: a wizard that swapped two computations would swap two rows.
void TestTForm3::dayStepListsTheSevenSigns()
{
    toYearStep();
    QVERIFY(acceptYear("1985"));
    QVERIFY(acceptMonth("май"));
    QVERIFY(acceptDay("15"));
    const QStringList expected = {
        "По знаку зодиака.....(Телец)",
        "По китайскому гороскопу.....(Бык)",
        "По японскому гороскопу.....(Вол)",
        "По гороскопу друидов.....(Каштан)",
        "По цветочному гороскопу.....(Портулак)",
        "По мифологическому гороскопу.....(Цербер)",
        "По гороскопу Древних Ариев.....(Верблюд)",
    };
    QCOMPARE(rows(Form1->ListBox1), expected);
}

void TestTForm3::yearStep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("yearStart"); // empty: refused
    QTest::addColumn<QString>("leap");
    const char *const cases[][3] = {
        {"1900", "0", "0"},     {"1901", "366", "0"},   {"1904", "1461", "1"},
        {"1912", "4383", "1"},  {"1913", "4748", "0"},  {"1948", "17531", "1"},
        {"1949", "17896", "0"}, {"1952", "18991", "1"}, {"1953", "19356", "0"},
        {"1985", "31044", "0"}, {"2000", "36522", "1"}, {"2015", "42001", "0"},
        {"2016", "42366", "1"}, {"2024", "45288", "1"}, {"2026", "46019", "0"},
        {"1899", "", ""},       {"2027", "", ""},       {"85", "", ""},
        {" 1985", "", ""},      {"1985 ", "", ""},      {"01985", "", ""},
        {"+1985", "", ""},      {"", "", ""},
    };
    for (const auto &row : cases)
        QTest::addRow("\"%s\"", row[0]) << row[0] << row[1] << row[2];
}

void TestTForm3::yearStep()
{
    QFETCH(QString, text);
    QFETCH(QString, yearStart);
    QFETCH(QString, leap);
    toYearStep();
    Form3->ComboBox1->setEditText(text);
    Form3->SpeedButton2Click();
    if (yearStart.isEmpty()) {
        QCOMPARE(Form2->Edit1, "0");
        QCOMPARE(Form2->Edit2, "Edit2");
        QCOMPARE(step(), "year");
        QVERIFY(!Form3->Timer2->isActive());
        QCOMPARE(Form3->Label2->text(), "");
        QCOMPARE(Form3->refusalLine()->text(), "Выберите год из списка: с 1900 по 2026.");
        QVERIFY(!Form3->refusalLine()->isHidden());
        return;
    }
    QVERIFY(Form3->refusalLine()->isHidden());
    QCOMPARE(Form2->Edit1, "1");
    QCOMPARE(Form2->Edit2, yearStart);
    QCOMPARE(Form3->Edit1, leap);
    QCOMPARE(Form3->Edit3, text);
    QCOMPARE(step(), "");
    QVERIFY(Form3->Timer2->isActive());
}

void TestTForm3::yearListEndsWithTheCurrentYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("last");
    QTest::newRow("2015") << QDate(2015, 1, 1) << "2015";
    QTest::newRow("2026") << QDate(2026, 12, 31) << "2026";
    QTest::newRow("2099, 1 June") << QDate(2099, 6, 1) << "2099";
    QTest::newRow("clock ahead of the tables") << QDate(2140, 1, 1) << "2099";
    QTest::newRow("clock behind") << QDate(2003, 5, 5) << "2015";
}

void TestTForm3::yearListEndsWithTheCurrentYear()
{
    QFETCH(QDate, today);
    QFETCH(QString, last);
    Clock::setToday(today);
    const auto restore = qScopeGuard([] { Clock::setToday(QDate(2026, 12, 7)); });
    cleanup();
    init();
    const QStringList years = entries(Form3->ComboBox1);
    QCOMPARE(years.first(), "1900");
    QCOMPARE(years.last(), last);
    QCOMPARE(years.size(), last.toInt() - 1899);
    toYearStep();
    QVERIFY(!acceptYear(QString::number(last.toInt() + 1)));
    QVERIFY(acceptYear(last));
    if (today.year() != last.toInt())
        return;
    // This year offers its months and days up to today only.
    const QString notYet = QStringLiteral("Этот день ещё не наступил: нужна дата рождения.");
    if (today.month() < 12) {
        QVERIFY(!acceptMonth(Form3->ComboBox2->itemText(today.month())));
        QCOMPARE(Form3->refusalLine()->text(), notYet);
    }
    QVERIFY(acceptMonth(Form3->ComboBox2->itemText(today.month() - 1)));
    QCOMPARE(entries(Form3->ComboBox3), days(today.day()));
    if (today.day() < today.daysInMonth()) {
        QVERIFY(!acceptDay(QString::number(today.day() + 1)));
        QCOMPARE(Form3->refusalLine()->text(), notYet);
    }
}

void TestTForm3::monthStep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("monthStart"); // empty: refused
    QTest::addColumn<QString>("genitive");
    const char *const cases[][3] = {
        {"январь", "0", " января "},
        {"февраль", "31", " февраля "},
        {"март", "60", " марта "},
        {"апрель", "91", " апреля "},
        {"май", "121", " мая "},
        {"июнь", "152", " июня "},
        {"июль", "182", " июля "},
        {"август", "213", " августа "},
        {"сентябрь", "244", " сентября "},
        {"октябрь", "274", " октября "},
        {"ноябрь", "305", " ноября "},
        {"декабрь", "335", " декабря "},
        {"Январь", "", ""},
        {"января", "", ""},
        {" январь", "", ""},
        {"январь ", "", ""},
        {"ЯНВАРЬ", "", ""},
        {"1", "", ""},
        {"", "", ""},
    };
    for (const auto &row : cases)
        // clang-format off
        QTest::addRow("\"%s\"", row[0])
            << QString::fromUtf8(row[0]) << row[1] << QString::fromUtf8(row[2]);
    // clang-format on
}

void TestTForm3::monthStep()
{
    QFETCH(QString, text);
    QFETCH(QString, monthStart);
    QFETCH(QString, genitive);
    toYearStep();
    QVERIFY(acceptYear("1985"));
    Form3->ComboBox2->setEditText(text);
    Form3->SpeedButton3Click();
    if (monthStart.isEmpty()) {
        QCOMPARE(Form2->Edit1, "0");
        QCOMPARE(Form2->Edit3, "Edit3");
        QCOMPARE(step(), "month");
        QVERIFY(!Form3->Timer3->isActive());
        QCOMPARE(Form3->Label2->text(), "1985");
        QCOMPARE(Form3->refusalLine()->text(), "Выберите месяц из списка.");
        return;
    }
    QCOMPARE(Form2->Edit1, "1");
    QCOMPARE(Form2->Edit3, monthStart);
    QCOMPARE(Form3->Edit4, genitive);
    QCOMPARE(Form3->Label2->text(), genitive + "1985");
    // Its descenders ("р", "ф") stay inside the window.
    QVERIFY(Form3->Label2->geometry().bottom() < Form3->height());
    QVERIFY(Form3->Timer3->isActive());
}

void TestTForm3::dayListFollowsMonthAndYear_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("count");
    const struct {
        const char *year, *month;
        int count;
    } cases[] = {
        {"1900", "февраль", 28}, {"1901", "февраль", 28},  {"1904", "февраль", 29},
        {"1912", "февраль", 29}, {"1948", "февраль", 29},  {"1952", "февраль", 29},
        {"2000", "февраль", 29}, {"2015", "февраль", 28},  {"2016", "февраль", 29},
        {"2021", "февраль", 28}, {"2024", "февраль", 29},  {"2026", "февраль", 28},
        {"1985", "январь", 31},  {"1985", "апрель", 30},   {"1985", "июнь", 30},
        {"1985", "август", 31},  {"1985", "сентябрь", 30}, {"1985", "ноябрь", 30},
        {"1985", "декабрь", 31},
    };
    for (const auto &row : cases)
        // clang-format off
        QTest::addRow("%s %s", row.month, row.year)
            << row.year << QString::fromUtf8(row.month) << row.count;
    // clang-format on
}

void TestTForm3::dayListFollowsMonthAndYear()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(int, count);
    toYearStep();
    Form3->ComboBox3->setEditText("17");
    QVERIFY(acceptYear(year));
    QVERIFY(acceptMonth(month));
    QCOMPARE(entries(Form3->ComboBox3), days(count));
    QCOMPARE(Form3->ComboBox3->currentText(), "17"); // the shown text stays
}

void TestTForm3::dayStep_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    const char *const from1To31 = "Выберите число из списка: с 1 по 31.";
    const struct {
        const char *year, *month, *day, *refusal;
    } cases[] = {
        {"2000", "февраль", "29", ""},
        {"1912", "февраль", "29", ""},
        {"1900", "февраль", "29", "В феврале 1900 года 28 дней."},
        {"2001", "февраль", "29", "В феврале 2001 года 28 дней."},
        {"2016", "февраль", "29", ""},
        {"2020", "февраль", "29", ""},
        {"2024", "февраль", "29", ""},
        {"2023", "февраль", "29", "В феврале 2023 года 28 дней."},
        {"2000", "февраль", "30", "В феврале 2000 года 29 дней."},
        {"2000", "февраль", "31", "В феврале 2000 года 29 дней."},
        {"1985", "апрель", "31", "В апреле 1985 года 30 дней."},
        {"1985", "ноябрь", "31", "В ноябре 1985 года 30 дней."},
        {"1985", "апрель", "30", ""},
        {"1985", "январь", "31", ""},
        {"1985", "январь", "01", from1To31},
        {"1985", "январь", "1 ", from1To31},
        {"1985", "январь", " 1", from1To31},
        {"1985", "январь", "0", from1To31},
        {"1985", "январь", "32", from1To31},
        {"1985", "январь", "", from1To31},
    };
    for (const auto &row : cases)
        // clang-format off
        QTest::addRow("\"%s\" %s %s", row.day, row.month, row.year)
            << row.year << QString::fromUtf8(row.month) << row.day << QString::fromUtf8(row.refusal);
    // clang-format on
}

void TestTForm3::dayStep()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, refusal);
    const bool accepted = refusal.isEmpty();
    toYearStep();
    QVERIFY(acceptYear(year));
    QVERIFY(acceptMonth(month));
    const QString dateLine = Form3->Label2->text();
    QCOMPARE(acceptDay(day), accepted);
    if (accepted) {
        QCOMPARE(Form2->Edit4, day);
        QCOMPARE(Form3->Label2->text(), day + dateLine);
        QVERIFY(Form3->Timer6->isActive());
        return;
    }
    QCOMPARE(Form2->Edit4, "Edit4");
    QCOMPARE(Form2->Edit5, "Edit5");
    QVERIFY(Form2->Memo2.isEmpty());
    QCOMPARE(Form3->Label2->text(), dateLine);
    QCOMPARE(step(), "day");
    QVERIFY(!Form3->Timer6->isActive());
    QCOMPARE(Form3->refusalLine()->text(), refusal);
    QCOMPARE(Form3->ComboBox3->accessibleDescription(), refusal);
    QVERIFY(Form3->Label1->isHidden()); // the line stands in the prompt's place
}

void TestTForm3::engineFields_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QStringList>("fields"); // Form2's Edit2 to Edit6
    const char *const cases[][8] = {
        {"1900", "январь", "1", "0", "0", "1", "10001", "1001"},
        {"2000", "февраль", "29", "36522", "31", "29", "46582", "1060"},
        {"1985", "март", "1", "31044", "60", "1", "41105", "1061"},
        {"1953", "январь", "1", "19356", "0", "1", "29357", "1001"},
        {"2015", "декабрь", "31", "42001", "335", "31", "52367", "1366"},
        {"2024", "февраль", "29", "45288", "31", "29", "55348", "1060"},
        {"2026", "декабрь", "7", "46019", "335", "7", "56361", "1342"},
    };
    for (const auto &row : cases)
        // clang-format off
        QTest::addRow("%s %s %s", row[2], row[1], row[0])
            << row[0] << QString::fromUtf8(row[1]) << row[2]
            << QStringList{row[3], row[4], row[5], row[6], row[7]};
    // clang-format on
}

void TestTForm3::engineFields()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QStringList, fields);
    toYearStep();
    QVERIFY(acceptYear(year));
    QVERIFY(acceptMonth(month));
    QVERIFY(acceptDay(day));
    QCOMPARE((QStringList{Form2->Edit2, Form2->Edit3, Form2->Edit4, Form2->Edit5, Form2->Edit6}),
             fields);
    QCOMPARE(rows(Form1->ListBox1), Form2->Memo2);
}

void TestTForm3::dateLineAfterEachStepAndGoingBack()
{
    toYearStep();
    QVERIFY(acceptYear("1985"));
    QCOMPARE(Form3->Label2->text(), "1985");
    QVERIFY(acceptMonth("январь"));
    QCOMPARE(Form3->Label2->text(), " января 1985");

    // Back to the month and on to the year: the line keeps what was accepted.
    Form3->Image5MouseMove();
    Form3->Image6Click();
    finish(Form3->Timer5, &TForm3::Timer5Timer);
    QCOMPARE(step(), "month");
    Form3->Image5MouseMove();
    Form3->Image6Click();
    finish(Form3->Timer4, &TForm3::Timer4Timer);
    QCOMPARE(step(), "year");
    QCOMPARE(Form3->Label2->text(), " января 1985");

    QVERIFY(acceptYear("2000"));
    QCOMPARE(Form3->Label2->text(), " января 2000");
    QVERIFY(acceptMonth("февраль"));
    QCOMPARE(Form3->Label2->text(), " февраля 2000");
    // Back from the day to the month, February again: the leap year still offers the 29th.
    Form3->Image5MouseMove();
    Form3->Image6Click();
    finish(Form3->Timer5, &TForm3::Timer5Timer);
    QVERIFY(acceptMonth("февраль"));
    QCOMPARE(entries(Form3->ComboBox3), days(29));
    QVERIFY(acceptDay("29"));
    QCOMPARE(Form3->Label2->text(), "29 февраля 2000");
    QCOMPARE(Form2->Edit5, "46582");
}

void TestTForm3::framesAtEachTick_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<QStringList>("framesAfterTicks");
    QTest::addColumn<QString>("stepAtEnd");
    // clang-format off
    QTest::newRow("greeting to year") << 1 << QStringList{"2", "3", "3"} << QString("year");
    QTest::newRow("year to month") << 2 << QStringList{"2", "2"} << QString("month");
    QTest::newRow("month to day") << 3 << QStringList{"1", "1"} << QString("day");
    QTest::newRow("back to year") << 4 << QStringList{"3", "3"} << QString("year");
    QTest::newRow("back to month") << 5 << QStringList{"2", "2"} << QString("month");
    // clang-format on
}

void TestTForm3::framesAtEachTick()
{
    QFETCH(int, timer);
    QFETCH(QStringList, framesAfterTicks);
    QFETCH(QString, stepAtEnd);
    QTimer *const timers[] = {Form3->Timer1, Form3->Timer2, Form3->Timer3, Form3->Timer4,
                              Form3->Timer5};
    const Tick ticks[] = {&TForm3::Timer1Timer, &TForm3::Timer2Timer, &TForm3::Timer3Timer,
                          &TForm3::Timer4Timer, &TForm3::Timer5Timer};

    // Walk to the transition under test.
    Form3->SpeedButton1Click();
    QCOMPARE(frames(), "1");
    if (timer > 1) {
        finish(Form3->Timer1, &TForm3::Timer1Timer);
        Form3->ComboBox1->setEditText("1985");
        Form3->SpeedButton2Click();
    }
    if (timer > 2) {
        finish(Form3->Timer2, &TForm3::Timer2Timer);
        if (timer == 4) {
            Form3->Image5MouseMove();
            Form3->Image6Click();
        } else {
            Form3->ComboBox2->setEditText("май");
            Form3->SpeedButton3Click();
        }
    }
    if (timer == 5) {
        finish(Form3->Timer3, &TForm3::Timer3Timer);
        Form3->Image5MouseMove();
        Form3->Image6Click();
    }

    QTimer *running = timers[timer - 1];
    // Picked outside the call: GCC's bounds check misreads an array of member-function pointers
    // indexed inside ->*.
    const Tick tick = ticks[timer - 1];
    QVERIFY(running->isActive());
    for (int i = 0; i < framesAfterTicks.size(); ++i) {
        QCOMPARE(step(), "");
        QVERIFY(Form3->Image4->isHidden() && Form3->Label1->isHidden());
        QVERIFY(Form3->Image5->isHidden() && Form3->Image6->isHidden());
        (Form3->*tick)();
        QCOMPARE(frames(), framesAfterTicks[i]);
    }
    QVERIFY(!running->isActive());
    QCOMPARE(step(), stepAtEnd);
    QVERIFY(!Form3->Image4->isHidden() && !Form3->Label1->isHidden());
    QCOMPARE(Form3->Image5->isHidden(), stepAtEnd == "year"); // no way back from the year
    QVERIFY(Form3->Image6->isHidden());
    const QString prompts[] = {"Установите год", "Установите месяц", "Установите число"};
    QCOMPARE(Form3->Label1->text(), prompts[stepAtEnd == "year"    ? 0
                                            : stepAtEnd == "month" ? 1
                                                                   : 2]);
}

void TestTForm3::speedTable_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("wizard");
    QTest::addColumn<int>("mainWindow");
    // Any other text keeps the intervals: the design's 100 and 150 here.
    const struct {
        const char *setting;
        int wizard, mainWindow;
    } cases[] = {{"1", 1000, 200}, {"2", 250, 150},  {"3", 50, 50},
                 {"4", 100, 150},  {" 3", 100, 150}, {"", 100, 150}};
    for (const auto &row : cases)
        QTest::addRow("\"%s\"", row.setting) << row.setting << row.wizard << row.mainWindow;
}

void TestTForm3::speedTable()
{
    QFETCH(QString, setting);
    QFETCH(int, wizard);
    QFETCH(int, mainWindow);
    Form2->Edit18 = setting;
    Form3->SpeedButton1Click();
    for (const QTimer *timer :
         {Form3->Timer1, Form3->Timer2, Form3->Timer3, Form3->Timer4, Form3->Timer5, Form3->Timer6})
        QCOMPARE(timer->interval(), wizard);
    QCOMPARE(Form1->Timer2->interval(), mainWindow);
}

void TestTForm3::unknownSpeedKeepsTheLastIntervals()
{
    Form2->Edit18 = "1";
    toYearStep();
    QVERIFY(acceptYear("1985"));
    QVERIFY(acceptMonth("май"));
    QVERIFY(acceptDay("9"));
    finish(Form3->Timer6, &TForm3::Timer6Timer);

    Form2->Button8Click();
    Form2->Edit18 = "x";
    Form3->SpeedButton1Click();
    QCOMPARE(Form3->Timer1->interval(), 1000);
    QCOMPARE(Form3->Timer6->interval(), 1000);
    QCOMPARE(Form1->Timer2->interval(), 200);
}

void TestTForm3::backArrowLightsUnderThePointer()
{
    toYearStep();
    QVERIFY(acceptYear("1985"));
    Form3->show();
    const auto move = [](QWidget *target) {
        QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    const auto arrow = [] {
        return QString(Form3->Image5->isHidden() ? "" : "normal") +
               (Form3->Image6->isHidden() ? "" : "lit") + Form3->Edit2;
    };
    QCOMPARE(arrow(), "normal1");
    move(Form3->Image4); // over the bubble while the arrow is normal: nothing changes
    QCOMPARE(arrow(), "normal1");
    move(Form3->Image5);
    QCOMPARE(arrow(), "lit0");
    move(Form3->Image4);
    QCOMPARE(arrow(), "normal1");

    move(Form3->Image5);
    QTest::mouseClick(Form3->Image6, Qt::LeftButton, {}, QPoint(9, 15));
    QVERIFY(Form3->Timer4->isActive());
    QCOMPARE(arrow(), "1");
    QCOMPARE(step(), "");
    QCOMPARE(Form2->Edit3, "Edit3"); // going back changes nothing else
    QCOMPARE(Form3->Label2->text(), "1985");
}

void TestTForm3::keyboardWalk()
{
    Form3->show();
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QCOMPARE(QApplication::focusWidget(), Form3->SpeedButton1);
    QTest::keyClick(Form3->SpeedButton1, Qt::Key_Return);
    finish(Form3->Timer1, &TForm3::Timer1Timer);
    QCOMPARE(QApplication::focusWidget(), Form3->ComboBox1);

    Form3->ComboBox1->lineEdit()->selectAll();
    type(Form3->ComboBox1, "1988");
    QTest::keyClick(Form3->ComboBox1, Qt::Key_Return);
    QCOMPARE(Form2->Edit2, "32139");
    QCOMPARE(Form3->ComboBox1->count(), 127); // nothing typed joins the entries
    finish(Form3->Timer2, &TForm3::Timer2Timer);

    // A capital is refused with a line that says why; the same name in lower case goes through.
    Form3->ComboBox2->lineEdit()->selectAll();
    type(Form3->ComboBox2, "Март");
    QTest::keyClick(Form3->ComboBox2, Qt::Key_Return);
    QCOMPARE(step(), "month");
    QCOMPARE(Form3->refusalLine()->text(), "Выберите месяц из списка.");
    QCOMPARE(Form3->ComboBox2->currentText(), "Март");
    QTest::keyClick(Form3->ComboBox2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form3->SpeedButton3);
    Form3->ComboBox2->setFocus();
    Form3->ComboBox2->lineEdit()->selectAll();
    type(Form3->ComboBox2, "март");
    QTest::keyClick(Form3->ComboBox2, Qt::Key_Return);
    QCOMPARE(Form3->Label2->text(), " марта 1988");
    QVERIFY(Form3->refusalLine()->isHidden());
    finish(Form3->Timer3, &TForm3::Timer3Timer);

    // Back to the month by the arrow, and on again.
    QTest::keyClick(Form3->ComboBox3, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Form3->Image5);
    QTest::keyClick(Form3->Image5, Qt::Key_Space);
    QCOMPARE(finish(Form3->Timer5, &TForm3::Timer5Timer), 2);
    QCOMPARE(step(), "month");
    QTest::keyClick(Form3->ComboBox2, Qt::Key_Return);
    finish(Form3->Timer3, &TForm3::Timer3Timer);

    Form3->ComboBox3->lineEdit()->selectAll();
    type(Form3->ComboBox3, "8");
    QTest::keyClick(Form3->ComboBox3, Qt::Key_Return);
    QCOMPARE(Form3->Label2->text(), "8 марта 1988");
}

void TestTForm3::resetAfterACompletedRun()
{
    Form2->Edit18 = "3";
    toYearStep();
    QVERIFY(acceptYear("1985"));
    QVERIFY(acceptMonth("январь"));
    QVERIFY(acceptDay("15"));
    finish(Form3->Timer6, &TForm3::Timer6Timer);

    Form2->Button8Click(); // the engine's reset takes the wizard with it
    QCOMPARE((QStringList{Form3->Edit1, Form3->Edit2, Form3->Edit3, Form3->Edit4, Form3->Edit5}),
             (QStringList{"0", "1", "", "", ""}));
    QCOMPARE(Form3->Label1->text(),
             "Установите дату рождения, и Вы получите персональный гороскоп");
    QCOMPARE(Form3->Label2->text(), "");
    QVERIFY(!Form3->SpeedButton1->isHidden());
    QCOMPARE(step(), "");
    QVERIFY(!Form3->Image4->isHidden() && !Form3->Label1->isHidden());
    QCOMPARE(frames(), "1"); // the last frame stays
    QCOMPARE(Form3->ComboBox1->currentText(), "1985");
    QCOMPARE(Form3->ComboBox2->currentText(), "январь");
    QCOMPARE(Form3->ComboBox3->currentText(), "15");
    QCOMPARE(Form3->Timer1->interval(), 50);

    // A new run goes the whole way again, from the frame left behind.
    Form3->SpeedButton1Click();
    QCOMPARE(finish(Form3->Timer1, &TForm3::Timer1Timer), 3);
    QVERIFY(acceptYear("1986"));
    QCOMPARE(Form3->Label2->text(), "1986");
    QVERIFY(acceptMonth("июль"));
    QVERIFY(acceptDay("4"));
    QCOMPARE(rows(Form1->ListBox1), Form2->Memo2);
    QVERIFY(Form2->Memo2.first().startsWith("По знаку зодиака....."));
}

void TestTForm3::windowShapeFollowsWhatIsShown()
{
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    const QPoint bubble(100, 20), sky(400, 30), page(300, 250);
    QVERIFY(Form3->mask().contains(bubble));
    QVERIFY(!Form3->mask().contains(sky));
    QVERIFY(!Form3->mask().contains(page));

    Form3->SpeedButton1Click(); // the bubble goes, the first frame comes
    QVERIFY(!Form3->mask().contains(bubble));
    QVERIFY(Form3->mask().contains(page));
    QVERIFY(!Form3->mask().contains(sky));
}

void TestTForm3::closingTheWizardEndsTheProgram()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Form3->show();
    QTimer::singleShot(0, Form3, &QWidget::close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestTForm3::opensWithTheRememberedDate_data()
{
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<QString>("lists");   // year, month and day the wizard opens with
    const QString firstRun = "1900 январь 1";
    QTest::newRow("none") << QByteArray() << firstRun;
    QTest::newRow("remembered") << QByteArray("1985-03-21\n") << "1985 март 21";
    QTest::newRow("corrupt") << QByteArray("21.03.1985\n") << firstRun;
    QTest::newRow("no such day") << QByteArray("1985-02-30\n") << firstRun;
    QTest::newRow("year before the list") << QByteArray("1899-12-31\n") << firstRun;
    QTest::newRow("year after the list") << QByteArray("2027-01-01\n") << firstRun;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01", 3) << firstRun;
}

void TestTForm3::opensWithTheRememberedDate()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, lists);
    const QString remembered = "setting/birth_date.txt";
    destroyForms();
    if (!file.isNull())
        m_forms->dir.write(remembered, file);
    QVERIFY(createForms(m_forms->dir.executable()));
    Form1->Timer1->stop();
    const auto shown = [] {
        return QStringList{Form3->ComboBox1->currentText(), Form3->ComboBox2->currentText(),
                           Form3->ComboBox3->currentText()}
            .join(' ');
    };
    QCOMPARE(shown(), lists);

    // A date accepted is the one the next run, and the next start, begin from.
    toYearStep();
    QVERIFY(acceptYear("1986") && acceptMonth("июль") && acceptDay("4"));
    finish(Form3->Timer6, &TForm3::Timer6Timer);
    QCOMPARE(m_forms->dir.read(remembered), "1986-07-04\n");
    QCOMPARE(Form1->windowTitle(), "Orlenta — 4 июля 1986 г.");
    Form3->ComboBox1->setEditText("1990");
    Form2->Button8Click();
    QCOMPARE(shown(), "1986 июль 4");
}

void TestTForm3::escapeAfterStartOverRestoresTheMainWindow()
{
    Form1->show();
    toYearStep();
    QVERIFY(acceptYear("1985") && acceptMonth("март") && acceptDay("21"));
    finish(Form3->Timer6, &TForm3::Timer6Timer);
    Form1->Button1Click();
    const QStringList signs = rows(Form1->ListBox1);
    const QString zodiacKey = Form2->Edit8;
    // The first wizard has nothing to go back to.
    QVERIFY(!Form3->wayBack);

    Form1->Image6Click(); // start over
    QVERIFY(Form1->isHidden() && Form1->ListBox1->count() == 0);
    toYearStep();
    QVERIFY(acceptYear("1990"));
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QTest::keyClick(Form3, Qt::Key_Escape);
    QVERIFY(Form3->isHidden());
    QVERIFY(!Form1->isHidden() && !Form1->ListBox1->isHidden());
    QCOMPARE(rows(Form1->ListBox1), signs);
    QCOMPARE(Form1->windowTitle(), "Orlenta — 21 марта 1985 г.");
    QCOMPARE(Form2->Edit8, zodiacKey);
    QVERIFY(!Form3->Timer3->isActive() && !Form3->wayBack);
}

QTEST_MAIN(TestTForm3)
#include "tst_tform3.moc"
