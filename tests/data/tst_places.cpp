#include "data/places.h"

#include <QDateTime>
#include <QSet>
#include <QTest>
#include <QTimeZone>

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void everyCity();
    void lookup_data();
    void lookup();
    void names();
};

// Each row sane: a zone the database knows, degrees in range, and a longitude whose mean solar
// time lies within a few hours of the zone's clock, which catches a sign lost on a western or
// southern city.
void TestPlaces::everyCity()
{
    QVERIFY(Places::cityCount() >= 100);
    QSet<QString> seen;
    const QDateTime winter(QDate(2026, 1, 15), QTime(12, 0), QTimeZone::utc());
    for (std::size_t i = 0; i < Places::cityCount(); ++i) {
        const City &city = Places::cities()[i];
        const QString name = QString::fromUtf8(city.name);
        QVERIFY2(QTimeZone::isTimeZoneIdAvailable(city.zone), city.zone);
        QVERIFY2(std::abs(city.latitude) <= 90 && std::abs(city.longitude) <= 180, city.name);
        const double clockHours = QTimeZone(city.zone).offsetFromUtc(winter) / 3600.0;
        QVERIFY2(std::abs(clockHours - city.longitude / 15) < 3.5, city.name);
        QVERIFY2(!seen.contains(name.toLower()), city.name);
        seen.insert(name.toLower());
    }
    QCOMPARE(QString::fromUtf8(Places::defaultCity().name), QStringLiteral("Москва"));
}

void TestPlaces::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << "Санкт-Петербург"
                           << "Санкт-Петербург";
    QTest::newRow("case and spaces") << "  нижний новгород "
                                     << "Нижний Новгород";
    QTest::newRow("е for ё") << "Орел"
                             << "Орёл";
    QTest::newRow("ё kept") << "Королёв"
                            << "Королёв";
    QTest::newRow("unknown") << "Атлантида"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPlaces::lookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, found);
    const City *city = Places::cityByName(typed);
    QCOMPARE(city ? QString::fromUtf8(city->name) : QString(), found);
}

void TestPlaces::names()
{
    const QStringList names = Places::cityNames();
    QCOMPARE(std::size_t(names.size()), Places::cityCount());
    QVERIFY(names.indexOf(QStringLiteral("Абакан")) < 0);
    QCOMPARE(names.first(), QStringLiteral("Алматы"));
    QVERIFY(names.indexOf(QStringLiteral("Орёл")) < names.indexOf(QStringLiteral("Оренбург")));
    const Sky::Place place = Places::placeOf(Places::defaultCity());
    QCOMPARE(place.zone, QByteArray("Europe/Moscow"));
    QCOMPARE(place.latitude, 55.7558);
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
