#include "compatibility/compatibility_window.h"
#include "modal_catcher.h"
#include "program_dir.h"

#include <QAccessible>
#include <QComboBox>
#include <QStringEncoder>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

class TestCompatibilityWindow : public QObject
{
    Q_OBJECT

private slots:
    void report_data();
    void report();
};

namespace {

const Person Me{QStringLiteral("Я"), QDate(1985, 3, 21)};
const Person Mother{QStringLiteral("Мама"), QDate(1960, 5, 15)};

// Whether any piece of the shown text still carries the report's formatting.
bool formatted(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextCharFormat format = piece.fragment().charFormat();
            if (format.isAnchor() || format.fontUnderline() ||
                format.hasProperty(QTextFormat::ForegroundBrush))
                return true;
        }
    }
    return false;
}

} // namespace

void TestCompatibilityWindow::report_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<Person>("second"); // the pair asked for, as the table asks
    QTest::addColumn<int>("choices");
    QTest::addColumn<QStringList>("head");
    // The main window's date is called by the name of whoever was born on it, else «Вы (…)».
    QTest::newRow("unsaved date")
        << QDate(1990, 8, 14) << Person() << 3
        << QStringList{"Совместимость: Мама и Вы (14 августа 1990 г.)",
                       "Мама, 15 мая 1960 г.",
                       "Вы (14 августа 1990 г.)",
                       "",
                       "По знаку зодиака: Телец и Лев — трудная пара",
                       "  Телец и Лев стоят в квадрате: крест у них один, а стихии, Земля и "
                       "Огонь, не ладят. Оба хотят задавать ход событий, и никто не желает "
                       "уступать первым."};
    QTest::newRow("saved person's date")
        << Me.birth << Person() << 2
        << QStringList{"Совместимость: Мама и Я", "Мама, 15 мая 1960 г.", "Я, 21 марта 1985 г.", "",
                       "По знаку зодиака: Телец и Овен — ровная пара"};
    QTest::newRow("pair asked for")
        << QDate(1990, 8, 14) << Me << 3
        << QStringList{"Совместимость: Мама и Я", "Мама, 15 мая 1960 г.", "Я, 21 марта 1985 г."};
}

// Through the modal seam, as the main window opens it: the people's names, the saved report's
// first lines, a sign's text shown plain after a click on its link, and the choosers' names as a
// screen reader hears them.
void TestCompatibilityWindow::report()
{
    QFETCH(QDate, shown);
    QFETCH(Person, second);
    QFETCH(int, choices);
    QFETCH(QStringList, head);
    const ProgramDir dir;
    QStringEncoder cp1251("windows-1251");
    dir.write(QStringLiteral("Files/zodiac_telesc.KVETAR"),
              cp1251(QStringLiteral("Телец\r\n\r\nТелец упрям и надёжен.\r\n")));

    bool checked = false;
    ModalCatcher catcher([&](QDialog &dialog) {
        auto &window = static_cast<CompatibilityWindow &>(dialog);
        QCOMPARE(window.firstChoice()->count(), choices);
        QCOMPARE(window.reportLines().mid(0, head.size()), head);
        for (const QString &line : window.reportLines())
            QVERIFY2(!line.contains(QStringLiteral("Дата в главном окне")), qPrintable(line));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(window.firstChoice())->text(QAccessible::Name),
            QStringLiteral("Первый человек"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(window.secondChoice())->text(QAccessible::Name),
            QStringLiteral("Второй человек"));

        // The first link is Mother's sign, Телец.
        QTextBrowser *report = window.report();
        QTextCursor link = report->document()->find(QStringLiteral("Телец"));
        QVERIFY(!link.isNull() && link.charFormat().isAnchor());
        link.setPosition(link.selectionStart() + 1);
        QTest::mouseClick(report->viewport(), Qt::LeftButton, {},
                          report->cursorRect(link).center());
        QCOMPARE(window.reportLines(), QStringList({"Телец", "", "Телец упрям и надёжен."}));
        QVERIFY(!formatted(*report->document()));
        checked = true;
    });
    CompatibilityWindow *open = nullptr;
    runModal(open, PersonList{Me, Mother}, shown, dir.path(), Mother, second);
    QCOMPARE(catcher.seen, QStringList{"CompatibilityWindow"});
    QVERIFY(checked);
}

QTEST_MAIN(TestCompatibilityWindow)
#include "tst_compatibility_window.moc"
