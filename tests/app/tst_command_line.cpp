// The year animals around the lunar new years that fall a few minutes either side of midnight in
// Beijing, as the command line gives them once the clock has passed those years.
#include "app/command_line.h"
#include "engine/clock.h"

#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void newYearEveAndDay_data();
    void newYearEveAndDay();
};

void TestCommandLine::newYearEveAndDay_data()
{
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("japanese");
    QTest::newRow("1954-02-02") << "Змея"
                                << "Змея";
    QTest::newRow("1954-02-03") << "Лошадь"
                                << "Лошадь";
    QTest::newRow("2027-02-05") << "Лошадь"
                                << "Лошадь";
    QTest::newRow("2027-02-06") << "Коза"
                                << "Овца";
    QTest::newRow("2030-02-02") << "Петух"
                                << "Петух";
    QTest::newRow("2030-02-03") << "Собака"
                                << "Собака";
}

void TestCommandLine::newYearEveAndDay()
{
    QFETCH(QString, chinese);
    QFETCH(QString, japanese);
    // The last row is today itself: a birth date already.
    Clock::setToday(QDate(2030, 2, 3));
    QTemporaryFile output;
    QVERIFY(output.open());
    QByteArray date = QTest::currentDataTag();
    char program[] = "orlenta", option[] = "--date";
    char *argv[] = {program, option, date.data()};

    std::fflush(stdout);
    const int standardOutput = dup(STDOUT_FILENO);
    dup2(output.handle(), STDOUT_FILENO);
    const std::optional<int> status = runCommandLine(3, argv);
    std::fflush(stdout);
    dup2(standardOutput, STDOUT_FILENO);
    close(standardOutput);

    QCOMPARE(status, std::optional<int>(0));
    QFile written(output.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split(u'\n');
    const QByteArray said = lines.join(QStringLiteral(" | ")).toUtf8();
    QVERIFY2(lines.contains(QStringLiteral("По китайскому гороскопу.....(%1)").arg(chinese)), said);
    QVERIFY2(lines.contains(QStringLiteral("По японскому гороскопу.....(%1)").arg(japanese)), said);
}

// The command line makes its own application object.
QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
