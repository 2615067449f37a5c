#include "engine/clock.h"
#include "engine/date_words.h"

#include <QtTest>

class TestDateWords : public QObject
{
    Q_OBJECT

private slots:
    void dateInWords_data();
    void dateInWords();
    void birthDateRefusal_data();
    void birthDateRefusal();
};

void TestDateWords::dateInWords_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("words");
    const char *const months[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                  "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    for (int month = 1; month <= 12; ++month)
        QTest::addRow("%d", month) << QDate(1985, month, month + 10)
                                   << QStringLiteral("%1 %2 1985 г.")
                                          .arg(month + 10)
                                          .arg(QString::fromUtf8(months[month - 1]));
    QTest::newRow("first day") << QDate(1900, 1, 1) << "1 января 1900 г.";
    QTest::newRow("invalid") << QDate() << "";
}

void TestDateWords::dateInWords()
{
    QFETCH(QDate, date);
    QFETCH(QString, words);
    QCOMPARE(DateWords::dateInWords(date), words);
}

void TestDateWords::birthDateRefusal_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("today") << QDate(2020, 6, 10) << "";
    QTest::newRow("tomorrow") << QDate(2020, 6, 11)
                              << "Этот день ещё не наступил: нужна дата рождения.";
}

void TestDateWords::birthDateRefusal()
{
    QFETCH(QDate, date);
    Clock::setToday(QDate(2020, 6, 10));
    QTEST(DateWords::birthDateRefusal(date.year(), date.month(), date.day()), "refusal");
    Clock::setToday(QDate());
}

QTEST_GUILESS_MAIN(TestDateWords)
#include "tst_date_words.moc"
