#include "engine/clock.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"
#include "people/people_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// «Мои люди» on its own, run modally as the main window runs it, the keyboard standing in for
// the user: people added with dates of their own or refused in the wizard's words, changes made
// to the row chosen, and the list's ends kept.
class TestPeopleWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setToday(QDate(2020, 6, 10)); }
    void cleanup() { Clock::setToday(QDate()); }
    void adds_data();
    void adds();
    void keysActOnTheChosenRow_data();
    void keysActOnTheChosenRow();
    void marksADateYetToCome();
    void refusedChangeKeepsTheEntry();
    void tableOfEveryone();
};

namespace {

const Person Anya{QStringLiteral("Аня"), QDate(1990, 8, 14)};
const Person Borya{QStringLiteral("Боря"), QDate(1985, 3, 21)};
const Person Vera{QStringLiteral("Вера"), QDate(2001, 1, 1)};

struct Files {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("people.txt"));

    explicit Files(const PersonList &people = {})
    {
        if (!people.isEmpty())
            write(People::toBytes(people));
    }
    void write(const QByteArray &bytes) const
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    PersonList people() const { return PeopleFile(path).load().people; }
};

// Runs the window modally; `steps` meet it once it is up and has the keyboard.
bool run(PeopleWindow &window, const std::function<void()> &steps)
{
    bool active = false;
    ModalCatcher user([&](QDialog &) {
        active = QTest::qWaitForWindowActive(&window);
        if (active)
            steps();
    });
    execModal(window);
    return active;
}

// Types as a keyboard with Cyrillic letters would.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}

} // namespace

void TestPeopleWindow::adds_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("inName");     // where Return is pressed: the name, else the day
    QTest::addColumn<QString>("refusal"); // none: added
    // clang-format off
    QTest::newRow("a date of their own") << 5 << 3 << 1960 << true << "";
    QTest::newRow("today") << 10 << 6 << 2020 << false << "";
    QTest::newRow("a day the month lacks") << 31 << 2 << 1985 << false << "В феврале 1985 года 28 дней.";
    QTest::newRow("a day after today") << 11 << 6 << 2020 << true << "Этот день ещё не наступил: нужна дата рождения.";
    // clang-format on
}

// Return in the name or the date adds them, someone chosen in the list or not, or says why not
// where the wizard would.
void TestPeopleWindow::adds()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(bool, inName);
    QFETCH(QString, refusal);
    const Files files({Borya});
    PeopleWindow window(files.path, Anya.birth);
    QVERIFY(run(window, [&] {
        key(window.nameField(), Qt::Key_A, Qt::ControlModifier);
        type(window.nameField(), QStringLiteral("Мама"));
        window.yearField()->setValue(year);
        window.monthField()->setCurrentIndex(month - 1);
        window.dayField()->setValue(day);
        key(inName ? static_cast<QWidget *>(window.nameField()) : window.dayField(),
            Qt::Key_Return);
    }));
    const PersonList expected =
        refusal.isEmpty() ? PersonList{Borya, {QStringLiteral("Мама"), QDate(year, month, day)}}
                          : PersonList{Borya};
    QCOMPARE(files.people(), expected);
    QCOMPARE(window.refusal()->text(), refusal);
}

void TestPeopleWindow::keysActOnTheChosenRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<PersonList>("after");
    QTest::addColumn<int>("chosen"); // the row chosen after the keys
    const Person anyaToo = Anya;     // two people alike: only the chosen one changes
    const Person renamed{QStringLiteral("Аня маленькая"), Anya.birth};
    // clang-format off
    QTest::newRow("Ctrl+Up on the first row") << 0 << "ctrl+up" << PersonList{Anya, Borya, anyaToo} << 0;
    QTest::newRow("Ctrl+Down on the last row") << 2 << "ctrl+down" << PersonList{Anya, Borya, anyaToo} << 2;
    QTest::newRow("Ctrl+Down") << 0 << "ctrl+down" << PersonList{Borya, Anya, anyaToo} << 1;
    QTest::newRow("Ctrl+Up on the second of two alike") << 2 << "ctrl+up" << PersonList{Anya, anyaToo, Borya} << 1;
    QTest::newRow("F2 renames the second of two alike") << 2 << "f2 rename" << PersonList{Anya, Borya, renamed} << 2;
    QTest::newRow("F2 changes the date") << 1 << "f2 redate" << PersonList{Anya, {Borya.name, QDate(1986, 3, 21)}, anyaToo} << 1;
    QTest::newRow("Delete on the second of two alike") << 2 << "delete" << PersonList{Anya, Borya} << 1;
    QTest::newRow("Return shows the chosen person") << 1 << "return" << PersonList{Anya, Borya, anyaToo} << 1;
    QTest::newRow("Ctrl+Shift+S asks a booklet of the chosen") << 1 << "ctrl+shift+s" << PersonList{Anya, Borya, anyaToo} << 1;
    // clang-format on
}

void TestPeopleWindow::keysActOnTheChosenRow()
{
    QFETCH(int, row);
    QFETCH(QString, keys);
    const Files files({Anya, Borya, Anya});
    PeopleWindow window(files.path, QDate());
    MessageBoxCatcher boxes;
    boxes.answer = QMessageBox::Yes;
    QSignalSpy chosen(&window, &PeopleWindow::personChosen);
    QSignalSpy booklet(&window, &PeopleWindow::bookletRequested);
    QVERIFY(run(window, [&] {
        window.list()->setCurrentRow(row);
        QListWidget *list = window.list();
        if (keys == QLatin1String("ctrl+up"))
            key(list, Qt::Key_Up, Qt::ControlModifier);
        else if (keys == QLatin1String("ctrl+down"))
            key(list, Qt::Key_Down, Qt::ControlModifier);
        else if (keys == QLatin1String("delete"))
            key(list, Qt::Key_Delete);
        else if (keys == QLatin1String("return"))
            key(list, Qt::Key_Return);
        else if (keys == QLatin1String("ctrl+shift+s"))
            key(list, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        else {
            key(list, Qt::Key_F2);
            if (keys.endsWith(QLatin1String("rename")))
                type(window.nameField(), QStringLiteral("Аня маленькая"));
            else
                window.yearField()->setValue(1986);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }));
    QTEST(files.people(), "after");
    QTEST(window.people(), "after");
    QTEST(window.list()->currentRow(), "chosen");
    QCOMPARE(window.note()->text(), QString());
    QCOMPARE(boxes.texts.size(), keys == QLatin1String("delete") ? 1 : 0);
    // Shown once, and the window closes over it.
    QCOMPARE(chosen.count(), keys == QLatin1String("return") ? 1 : 0);
    if (chosen.count())
        QCOMPARE(chosen.at(0).at(0).value<Person>(), Borya);
    QCOMPARE(booklet.count(), keys == QLatin1String("ctrl+shift+s") ? 1 : 0);
    if (booklet.count())
        QCOMPARE(booklet.at(0).at(0).value<Person>(), Borya);
}

void TestPeopleWindow::marksADateYetToCome()
{
    const Files files({Anya, {QStringLiteral("Будущий"), QDate(2030, 1, 1)}});
    const PeopleWindow window(files.path, QDate());
    QCOMPARE(window.list()->item(1)->text(),
             QStringLiteral("Будущий — 1 января 2030 г. — дата ещё не наступила"));
}

// A change another copy keeps from being written is said, and what was entered stays to be tried
// again.
void TestPeopleWindow::refusedChangeKeepsTheEntry()
{
    const Files files({Borya});
    QLockFile other(files.path + QLatin1String(".lock"));
    QVERIFY(other.tryLock(0));
    PeopleWindow window(files.path, Anya.birth);
    MessageBoxCatcher boxes;
    QVERIFY(run(window, [&] {
        key(window.nameField(), Qt::Key_A, Qt::ControlModifier);
        type(window.nameField(), Anya.name);
        key(window.nameField(), Qt::Key_Return);
    }));
    QCOMPARE(boxes.texts, QStringList("Не удалось сохранить файл " + files.path +
                                      ".\nСписок людей сейчас изменяет другая копия Orlenta. "
                                      "Попробуйте ещё раз."));
    QCOMPARE(window.nameField()->text(), Anya.name);
    QCOMPARE(window.people(), PersonList{Borya});
    QCOMPARE(files.people(), PersonList{Borya});
}

// The table asks for two people at least.
void TestPeopleWindow::tableOfEveryone()
{
    const auto tableButton = [](const PeopleWindow &window) {
        QPushButton *found = nullptr;
        for (QPushButton *each : window.findChildren<QPushButton *>())
            found =
                each->accessibleName() == QStringLiteral("Таблица совместимости") ? each : found;
        return found;
    };
    const Files one({Borya});
    const PeopleWindow alone(one.path, QDate());
    QVERIFY(tableButton(alone) && !tableButton(alone)->isEnabled());
    const Files two({Borya, Anya});
    PeopleWindow window(two.path, QDate());
    QSignalSpy asked(&window, &PeopleWindow::tableRequested);
    QTest::mouseClick(tableButton(window), Qt::LeftButton);
    QCOMPARE(asked.size(), 1);
}

QTEST_MAIN(TestPeopleWindow)
#include "tst_people_window.moc"
