#include "compatibility/compatibility_table.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

class TestCompatibilityTable : public QObject
{
    Q_OBJECT

private slots:
    void grid_data();
    void grid();
    void openAndSave();
};

namespace {

const PersonList Kept = {{QStringLiteral("Я"), QDate(1985, 3, 21)},
                         {QStringLiteral("Мама"), QDate(1960, 5, 15)},
                         {QStringLiteral("Маша"), QDate(1990, 8, 14)}};

} // namespace

void TestCompatibilityTable::grid_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QStringList>("words"); // rows 0–1, 0–2, 1–2
    QTest::newRow("zodiac") << 0 << QStringList{"ровная", "прекрасная", "трудная"};
    QTest::newRow("chinese") << 1 << QStringList{"прекрасная", "непростая", "трудная"};
}

// Each pair shows its verdict in words, both ways round, coloured by the verdict; a person is
// not judged against themselves.
void TestCompatibilityTable::grid()
{
    QFETCH(int, system);
    QFETCH(QStringList, words);
    CompatibilityTable table(Kept);
    table.systemChoice()->setCurrentIndex(system);
    const QTableWidget *grid = table.grid();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Мама"));
    const QList<QPair<int, int>> pairs = {{0, 1}, {0, 2}, {1, 2}};
    for (int i = 0; i < pairs.size(); ++i) {
        const auto [row, column] = pairs[i];
        QCOMPARE(grid->item(row, column)->text(), words[i]);
        QCOMPARE(grid->item(column, row)->text(), words[i]);
        QCOMPARE(grid->item(column, row)->background(), grid->item(row, column)->background());
        QCOMPARE(grid->item(row, row)->text(), QStringLiteral("—"));
    }
    QVERIFY(grid->item(0, 1)->background() != grid->item(1, 2)->background());
}

void TestCompatibilityTable::openAndSave()
{
    CompatibilityTable table(Kept);
    QSignalSpy chosen(&table, &CompatibilityTable::pairChosen);
    QSignalSpy saved(&table, &CompatibilityTable::saveRequested);
    table.grid()->setCurrentCell(2, 1);
    QTest::keyClick(table.grid(), Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].value<Person>().name, QStringLiteral("Маша"));
    QCOMPARE(chosen[0][1].value<Person>().name, QStringLiteral("Мама"));
    table.openCell(1, 1);
    QCOMPARE(chosen.size(), 1);

    table.save();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0][0].toStringList(),
             QStringList({"Таблица совместимости: Астрологический гороскоп (знак зодиака)", "",
                          "Я (Овен) и Мама (Телец) — ровная пара",
                          "Я (Овен) и Маша (Лев) — прекрасная пара",
                          "Мама (Телец) и Маша (Лев) — трудная пара"}));
    QCOMPARE(saved[0][1].toString(),
             QStringLiteral("Таблица совместимости — Астрологический гороскоп"));
}

QTEST_MAIN(TestCompatibilityTable)
#include "tst_compatibility_table.moc"
