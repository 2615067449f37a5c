#include "engine/sky.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The oracle is sky_reference.txt, written once by sky_reference.py with PyEphem and Python's own
// time-zone reading; nothing here shares code with the engine.
namespace {

QStringList referenceFile()
{
    QFile file(qEnvironmentVariable("ORLENTA_SOURCE_DIR") +
               QLatin1String("/tests/engine/sky_reference.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// A report line with its times and its lit share taken out, to compare them within a tolerance.
struct Shape {
    QString text;
    QList<int> minutes;
    QList<int> numbers;
};

Shape shapeOf(const QString &line)
{
    static const QRegularExpression Time(QStringLiteral("(\\d\\d):(\\d\\d)"));
    static const QRegularExpression Lit(QStringLiteral("на (\\d+) %"));
    Shape shape{line, {}, {}};
    for (const QRegularExpressionMatch &m : Time.globalMatch(line))
        shape.minutes << m.captured(1).toInt() * 60 + m.captured(2).toInt();
    shape.text.replace(Time, QStringLiteral("HH:MM"));
    for (const QRegularExpressionMatch &m : Lit.globalMatch(line))
        shape.numbers << m.captured(1).toInt();
    shape.text.replace(Lit, QStringLiteral("на N %"));
    return shape;
}

} // namespace

class TestSky : public QObject
{
    Q_OBJECT

private slots:
    void reference_data();
    void reference();
    void ingress_data();
    void ingress();
    void ingressNote();
    void everyIngress();
    void birthMoon();
    void dayTexts();
    void monthAgreesWithDay();
    void outsideTheRange();
};

void TestSky::reference_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("expected");
    const QStringList lines = referenceFile();
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList head = lines[i].split(u'\t');
        if (head.size() != 6)
            continue;
        const QByteArray tag = (head[0] + u' ' + head[4] + QStringLiteral(": ") + head[5]).toUtf8();
        QTest::newRow(tag.constData())
            << head[0] << head[1].toDouble() << head[2].toDouble() << head[3]
            << QDate::fromString(head[4], Qt::ISODate) << lines.mid(i + 1, 6);
        i += 6;
    }
}

// Every line as PyEphem has it: the same events, signs and days, each time within a minute (ten
// beyond 65° of latitude, where the bodies graze the horizon), the lit share within a percent.
void TestSky::reference()
{
    QFETCH(QString, place);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QStringList, expected);
    const Sky::DaySky sky = Sky::daySky(date, {place, latitude, longitude, zone.toLatin1()});
    const QStringList actual = Sky::reportLines(sky);
    QCOMPARE(actual.size(), expected.size());
    const int tolerance = std::abs(latitude) > 65 ? 10 : 1;
    for (int i = 0; i < actual.size(); ++i) {
        const Shape mine = shapeOf(actual[i]), theirs = shapeOf(expected[i]);
        bool same = mine.text == theirs.text;
        for (int k = 0; same && k < mine.minutes.size(); ++k)
            same = std::abs(mine.minutes[k] - theirs.minutes[k]) <= tolerance;
        for (int k = 0; same && k < mine.numbers.size(); ++k)
            same = std::abs(mine.numbers[k] - theirs.numbers[k]) <= 1;
        QVERIFY2(
            same,
            qPrintable(QStringLiteral("\n   got «%1»\n  want «%2»").arg(actual[i], expected[i])));
    }
}

void TestSky::ingress_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QTime>("time");
    const QStringList lines = referenceFile();
    for (int i = lines.indexOf(QStringLiteral("# Ingress")) + 1; i < lines.size(); ++i) {
        const QStringList row = lines[i].split(u'\t');
        if (row.size() != 3)
            continue;
        QTest::newRow(qPrintable(row[0])) << QDate::fromString(row[0], Qt::ISODate) << row[1]
                                          << QTime::fromString(row[2], QStringLiteral("HH:mm"));
    }
}

// Asked from the day before, the day itself and the day after, the same ingress in Moscow time.
void TestSky::ingress()
{
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QFETCH(QTime, time);
    for (int shift = -1; shift <= 1; ++shift) {
        const std::optional<Sky::SunIngress> found = Sky::sunIngressNear(date.addDays(shift));
        QVERIFY(found);
        QCOMPARE(Sky::signName(found->sign), sign);
        QCOMPARE(found->moscow.date(), date);
        QVERIFY(std::abs(found->moscow.time().secsTo(time)) <= 60);
    }
    QVERIFY(!Sky::sunIngressNear(date.addDays(3)));
    QVERIFY(!Sky::sunIngressNear(date.addDays(-3)));
}

// Moscow kept standard time, UTC+3, in the winter of 2000.
void TestSky::ingressNote()
{
    const std::optional<Sky::SunIngress> found = Sky::sunIngressNear({2000, 2, 19});
    QVERIFY(found);
    QCOMPARE(Sky::sunIngressNote(*found),
             QStringLiteral("В 2000 году Солнце вошло в Рыбы 19 февраля в 11:33 по московскому "
                            "времени"));
    const std::optional<Sky::SunIngress> virgo = Sky::sunIngressNear({1985, 8, 23});
    QVERIFY(virgo);
    QVERIFY(Sky::sunIngressNote(*virgo).contains(QStringLiteral("вошло в Деву 23 августа")));
}

void TestSky::everyIngress()
{
    for (int sign = 0; sign < Sky::SignCount; ++sign) {
        const QList<Sky::SunIngress> all = Sky::sunIngresses(sign);
        QCOMPARE(all.size(), 200);
        for (int i = 0; i < all.size(); ++i) {
            QCOMPARE(all[i].sign, sign);
            QCOMPARE(all[i].moscow.date().year(), 1900 + i);
            // A sign is entered once a year, within a few days of the same date.
            QVERIFY(std::abs(all[i].moscow.date().dayOfYear() - all[0].moscow.date().dayOfYear()) <
                    4);
        }
    }
    const QList<Sky::SunIngress> pisces = Sky::sunIngresses(11);
    QCOMPARE(pisces[100].moscow.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
             QStringLiteral("2000-02-19 11:33"));
}

void TestSky::birthMoon()
{
    const Sky::Place petersburg{QStringLiteral("Санкт-Петербург"), 59.9386, 30.3141,
                                "Europe/Moscow"};
    const Sky::BirthMoon changed = Sky::birthMoon({1985, 3, 21}, petersburg);
    QCOMPARE(Sky::signName(changed.signAtMidnight), QStringLiteral("Рыбы"));
    QVERIFY(changed.change);
    QCOMPARE(Sky::signName(changed.change->sign), QStringLiteral("Овен"));
    QCOMPARE(changed.change->at.time, QTime(13, 20));
    const Sky::BirthMoon steady = Sky::birthMoon({2026, 12, 8}, petersburg);
    QCOMPARE(Sky::signName(steady.signAtMidnight), QStringLiteral("Стрелец"));
    QVERIFY(!steady.change);
}

void TestSky::dayTexts()
{
    const Sky::DaySky sky = Sky::daySky(
        {1985, 3, 21}, {QStringLiteral("Санкт-Петербург"), 59.9386, 30.3141, "Europe/Moscow"});
    const Sky::DayTexts aries = Sky::dayTexts(sky, Sky::signOfKey(QStringLiteral("oven")));
    QCOMPARE(aries.lunarDays,
             QStringList({"luna_sutki_29.KVETAR", "luna_sutki_30.KVETAR", "luna_sutki_1.KVETAR"}));
    QCOMPARE(aries.moonSigns, QStringList({"luna_rubu.KVETAR", "luna_oven.KVETAR"}));
    QCOMPARE(aries.houses, QStringList({"luna_dom_12.KVETAR", "luna_dom_1.KVETAR"}));
    QCOMPARE(aries.phases, QStringList({"luna_faza_1.KVETAR"}));
    QCOMPARE(aries.waxing, QStringLiteral("luna_ubuvayuschaya.KVETAR"));
    const Sky::DayTexts pisces = Sky::dayTexts(sky, Sky::signOfKey(QStringLiteral("rubu")));
    QCOMPARE(pisces.houses, QStringList({"luna_dom_1.KVETAR", "luna_dom_2.KVETAR"}));
    QVERIFY(Sky::dayTexts(sky, -1).houses.isEmpty());
}

// A month computed with what its days share gives each day as computed alone.
void TestSky::monthAgreesWithDay()
{
    const Sky::Place place{QStringLiteral("Мурманск"), 68.9585, 33.0827, "Europe/Moscow"};
    Sky::Calculator calculator(place);
    const QList<Sky::DaySky> month = calculator.month(2026, 12);
    QCOMPARE(month.size(), 31);
    for (int day : {1, 8, 31})
        QCOMPARE(Sky::reportLines(month[day - 1]),
                 Sky::reportLines(Sky::daySky({2026, 12, day}, place)));
}

void TestSky::outsideTheRange()
{
    const Sky::Place moscow{QStringLiteral("Москва"), 55.7558, 37.6173, "Europe/Moscow"};
    QVERIFY(!Sky::daySky({1899, 12, 31}, moscow).date.isValid());
    QVERIFY(!Sky::daySky({2100, 1, 1}, moscow).date.isValid());
    QVERIFY(Sky::daySky({2099, 12, 31}, moscow).date.isValid());
}

QTEST_GUILESS_MAIN(TestSky)
#include "tst_sky.moc"
