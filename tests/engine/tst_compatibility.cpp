#include "data/compatibility.h"
#include "engine/compatibility.h"

#include <QSet>
#include <QTest>

class TestCompatibility : public QObject
{
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void textClaims_data();
    void textClaims();
    void reasons_data();
    void reasons();
};

namespace {

int signIndex(System system, const QString &key)
{
    const SignList &signs = systemInfo(system).signs;
    for (std::size_t i = 0; i < signs.count; ++i) {
        if (key == QLatin1String(signs[i].key))
            return static_cast<int>(i);
    }
    return -1;
}

void addSystems()
{
    QTest::addColumn<int>("system");
    for (int number = 1; number <= SystemCount; ++number)
        QTest::newRow(systemInfo(static_cast<System>(number)).key) << number;
}

} // namespace

void TestCompatibility::tables_data()
{
    addSystems();
}

// Every pair has one verdict whichever way round it is asked, and every row of a pair list is
// there to decide its pair: in range, listed once, not hidden behind an earlier rule.
void TestCompatibility::tables()
{
    QFETCH(int, system);
    const System each = static_cast<System>(system);
    const CompatibilityRules &rules = compatibilityRules(each);
    const int count = static_cast<int>(systemInfo(each).signs.count);
    QCOMPARE(static_cast<int>(rules.traitCount), count);
    QCOMPARE(rules.rules[rules.ruleCount - 1].relation, Relation::Otherwise);

    for (int a = 0; a < count; ++a) {
        for (int b = 0; b < count; ++b) {
            const Compatibility::Reading ab = Compatibility::judge(each, a, b);
            const Compatibility::Reading ba = Compatibility::judge(each, b, a);
            QCOMPARE(ab.rule, ba.rule);
            QCOMPARE(ab.verdict, ba.verdict);
            QVERIFY2(!ab.reason.contains(u'%') && ab.reason.endsWith(u'.'), qPrintable(ab.reason));
        }
    }
    for (std::size_t r = 0; r < rules.ruleCount; ++r) {
        const CompatibilityRule &rule = rules.rules[r];
        QSet<QPair<int, int>> seen;
        for (std::size_t i = 0; i < rule.rowCount; ++i) {
            const PairRow &row = rule.rows[i];
            const QString where = QStringLiteral("row %1–%2").arg(row.a + 1).arg(row.b + 1);
            QVERIFY2(row.a >= 0 && row.b >= 0 && row.a < count && row.b < count && row.a != row.b,
                     qPrintable(where));
            QVERIFY2(!seen.contains({qMin(row.a, row.b), qMax(row.a, row.b)}), qPrintable(where));
            seen.insert({qMin(row.a, row.b), qMax(row.a, row.b)});
            if (row.reason)
                QVERIFY2(Compatibility::judge(each, row.a, row.b).rule == static_cast<int>(r),
                         qPrintable(where));
        }
    }
}

void TestCompatibility::textClaims_data()
{
    // What each sign text says of the others, read once from the texts: П best (прекрасная
    // пара), Х good (прекрасная or хорошая), Н uneasy, Т hard, ~ uneasy or hard.
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("claims");
    const auto row = [](System system, const char *sign, const char *claims) {
        QTest::addRow("%s_%s", systemInfo(system).key, sign)
            << static_cast<int>(system) << QString::fromLatin1(sign) << QString::fromUtf8(claims);
    };
    // clang-format off
    row(System::Zodiac, "oven", "lev:П strelesc:П blizhescu:Х vodolei:Х vesu:Н rak:Т kozerog:Т");
    row(System::Zodiac, "telesc", "deva:П kozerog:П rak:Х rubu:Х skorpion:Н lev:Т vodolei:Т");
    row(System::Zodiac, "blizhescu", "vesu:П vodolei:П oven:Х lev:Х strelesc:Н deva:Т rubu:Т");
    row(System::Zodiac, "rak", "skorpion:П rubu:П telesc:Х deva:Х kozerog:Н oven:Т vesu:Т");
    row(System::Zodiac, "lev", "oven:П strelesc:П blizhescu:Х vesu:Х vodolei:Н telesc:Т skorpion:Т");
    row(System::Zodiac, "deva", "telesc:П kozerog:П rak:Х skorpion:Х rubu:Н blizhescu:Т strelesc:Т");
    row(System::Zodiac, "vesu", "blizhescu:П vodolei:П lev:Х strelesc:Х oven:Н rak:Т kozerog:Т");
    row(System::Zodiac, "skorpion", "rak:П rubu:П deva:Х kozerog:Х telesc:Н lev:Т vodolei:Т");
    row(System::Zodiac, "strelesc", "oven:Х lev:Х vesu:Х vodolei:Х blizhescu:Н deva:Т rubu:Т");
    row(System::Zodiac, "kozerog", "telesc:Х deva:Х skorpion:Х rubu:Х rak:Н oven:Т vesu:Т");
    row(System::Zodiac, "vodolei", "blizhescu:П vesu:П oven:Х strelesc:Х lev:Н telesc:Т skorpion:Т");
    row(System::Zodiac, "rubu", "rak:П skorpion:П telesc:Х kozerog:Х deva:Н blizhescu:Т strelesc:Т");

    row(System::Chinese, "krusa", "drakon:П obezuyna:П buk:Х loshad:Т koza:Н");
    row(System::Chinese, "buk", "zmeua:Х petuh:Х krusa:Х koza:~ loshad:Н");
    row(System::Chinese, "tigr", "loshad:Х sobaka:Х svinua:Х obezuyna:~ zmeua:Н");
    row(System::Chinese, "kot", "koza:Х svinua:Х sobaka:Х petuh:~ drakon:Н");
    row(System::Chinese, "drakon", "krusa:П obezuyna:П petuh:Х sobaka:~ kot:Н");
    row(System::Chinese, "zmeua", "buk:П petuh:П obezuyna:Х svinua:Т tigr:Н");
    row(System::Chinese, "loshad", "tigr:Х sobaka:Х koza:Х krusa:Т buk:Н");
    row(System::Chinese, "koza", "kot:П svinua:П loshad:Х buk:Т krusa:Н");
    row(System::Chinese, "obezuyna", "krusa:Х drakon:Х zmeua:Х tigr:~ svinua:Н");
    row(System::Chinese, "petuh", "buk:П zmeua:П drakon:Х kot:Т sobaka:Н");
    row(System::Chinese, "sobaka", "tigr:Х loshad:Х kot:Х drakon:~ petuh:Н");
    row(System::Chinese, "svinua", "kot:Х koza:Х tigr:Х zmeua:Т obezuyna:Н");

    row(System::Japanese, "krusa", "drakon:П obezuyna:П vol:Х loshad:Т");
    row(System::Japanese, "vol", "zmeua:П petuh:П krusa:Х ovsca:~");
    row(System::Japanese, "tigr", "loshad:П sobaka:П kaban:Х obezuyna:Т");
    row(System::Japanese, "krolik", "ovsca:Х kaban:Х sobaka:Х petuh:Т");
    row(System::Japanese, "drakon", "krusa:П obezuyna:П petuh:Х sobaka:~");
    row(System::Japanese, "zmeua", "vol:Х petuh:Х obezuyna:Х kaban:Т");
    row(System::Japanese, "loshad", "tigr:П sobaka:П ovsca:Х krusa:Т");
    row(System::Japanese, "ovsca", "krolik:П kaban:П loshad:Х vol:Т");
    row(System::Japanese, "obezuyna", "krusa:П drakon:П zmeua:Х tigr:Т");
    row(System::Japanese, "petuh", "vol:Х zmeua:Х drakon:Х krolik:Т");
    row(System::Japanese, "sobaka", "tigr:П loshad:П krolik:Х drakon:Т");
    row(System::Japanese, "kaban", "krolik:П ovsca:П tigr:Х zmeua:Т");

    row(System::Druid, "1", "9:Х 2:Х 20:Х 18:Т 17:~");
    row(System::Druid, "2", "1:Х 6:Х 22:Х 15:Т 11:~");
    row(System::Druid, "3", "10:П 17:Х 9:Х 8:~ 11:Н");
    row(System::Druid, "4", "21:П 19:Х 18:Х 11:~ 13:~");
    row(System::Druid, "5", "8:П 20:Х 18:Т 6:Н");
    row(System::Druid, "6", "2:П 7:П 10:Х 16:Т 5:Н");
    row(System::Druid, "7", "20:П 6:Х 14:~ 15:~");
    row(System::Druid, "8", "5:П 9:Х 10:Т 3:Н 17:Н");
    row(System::Druid, "9", "10:П 8:Х 1:Х 14:Т 7:~");
    row(System::Druid, "10", "9:П 3:Х 18:Х 20:Х 21:Х 22:Х 8:~ 16:~");
    row(System::Druid, "11", "12:Х 13:Х 4:~ 18:Н 3:~");
    row(System::Druid, "12", "11:Х 13:Х 20:Х 14:~ 17:~");
    row(System::Druid, "13", "11:Х 12:Х 17:Х 4:~ 18:Н");
    row(System::Druid, "14", "15:Х 16:Х 9:Т 12:Т 7:~ 20:~");
    row(System::Druid, "15", "14:П 16:Х 1:Х 6:Т 18:Н");
    row(System::Druid, "16", "15:Х 17:Х 21:Х 10:Т 6:~");
    row(System::Druid, "17", "13:Х 3:Х 16:Х 8:~ 12:Н");
    row(System::Druid, "18", "22:П 10:Х 4:Х 15:~ 13:Н");
    row(System::Druid, "19", "21:П 4:Х 20:Х 17:Т 14:Н");
    row(System::Druid, "20", "7:П 12:Х 5:Х 19:Х 1:Х 10:Х 21:Х 22:Х 14:Т 6:Н");
    row(System::Druid, "21", "19:П 4:Х 16:Х 9:Х 6:Т 7:~");
    row(System::Druid, "22", "18:П 2:Х 10:Х 1:Х 15:Т 8:~");

    row(System::Flower, "1", "3:П 36:П 2:Х 19:Т");
    row(System::Flower, "2", "1:Х 6:Х 34:Х 20:~");
    row(System::Flower, "3", "1:Х 4:Х 21:~");
    row(System::Flower, "4", "3:Х 35:Х 22:~");
    row(System::Flower, "5", "6:П 4:Х 23:Т");
    row(System::Flower, "6", "2:П 5:Х 24:~");
    row(System::Flower, "7", "8:Х 15:Х 25:~");
    row(System::Flower, "8", "10:П 13:Х 26:~");
    row(System::Flower, "9", "13:Х 11:Х 27:Т");
    row(System::Flower, "10", "8:П 12:Х 28:Т");
    row(System::Flower, "11", "9:Х 15:Х 29:~");
    row(System::Flower, "12", "10:Х 7:Х 30:~");
    row(System::Flower, "13", "8:П 9:Х 31:Т");
    row(System::Flower, "14", "15:Х 13:Х 32:Т");
    row(System::Flower, "15", "7:Х 14:Х 33:Т");
    row(System::Flower, "16", "17:П 20:Х 34:~");
    row(System::Flower, "17", "16:П 22:Х 35:Т");
    row(System::Flower, "18", "23:Х 22:Х 36:Т");
    row(System::Flower, "19", "20:Х 16:Х 1:Т");
    row(System::Flower, "20", "19:П 16:Х 2:~");
    row(System::Flower, "21", "23:П 22:Х 3:~");
    row(System::Flower, "22", "18:Х 17:Х 4:Т");
    row(System::Flower, "23", "18:П 21:Х 5:~");
    row(System::Flower, "24", "21:Х 23:Х 6:Т");
    row(System::Flower, "25", "26:Х 33:Х 7:Т");
    row(System::Flower, "26", "25:Х 27:Х 8:~");
    row(System::Flower, "27", "26:Х 30:Х 9:Т");
    row(System::Flower, "28", "29:Х 30:Х 10:~");
    row(System::Flower, "29", "28:Х 32:Х 11:Т");
    row(System::Flower, "31", "30:Х 28:Х 13:Т");
    row(System::Flower, "32", "29:Х 33:Х 14:Т");
    row(System::Flower, "33", "25:Х 32:Х 15:Т");
    row(System::Flower, "34", "2:Х 6:Х 16:Т");
    row(System::Flower, "35", "36:Х 4:Х 17:~");
    row(System::Flower, "36", "1:Х 35:Х 18:Т");

    row(System::Mythological, "1", "5:П 3:Х 7:Х 4:Т 10:Н");
    row(System::Mythological, "2", "7:П 9:Х 6:~ 5:Т");
    row(System::Mythological, "3", "1:Х 6:Х 8:Т 7:Т 10:~");
    row(System::Mythological, "4", "10:П 7:Х 9:Х 1:Т 6:~ 5:Т");
    row(System::Mythological, "5", "1:Х 6:Х 8:Х 4:Т 9:Т 2:Т");
    row(System::Mythological, "6", "3:Х 5:Х 8:Х 2:~ 4:~ 9:~");
    row(System::Mythological, "7", "4:П 2:Х 9:Х 1:Х 3:Т 8:~");
    row(System::Mythological, "8", "9:П 6:Х 5:Х 3:Т 7:Н");
    row(System::Mythological, "9", "8:П 7:Х 4:Х 2:Х 5:Т 6:~");
    row(System::Mythological, "10", "4:П 9:Х 1:Н 3:Н");

    row(System::Aryan, "1", "32:Х 2:Х 17:Т");
    row(System::Aryan, "2", "1:Х 3:Х 7:Х 18:Т");
    row(System::Aryan, "3", "2:Х 4:Х 19:Т");
    row(System::Aryan, "8", "7:Х 9:Х 24:Т");
    row(System::Aryan, "11", "10:Х 12:Х 27:~");
    row(System::Aryan, "12", "11:Х 13:Х 28:~");
    row(System::Aryan, "14", "13:Х 15:Х 30:~");
    row(System::Aryan, "16", "15:П 17:П 32:~");
    row(System::Aryan, "17", "16:Х 18:Х 19:Х 1:~");
    row(System::Aryan, "20", "19:Х 21:Х 29:Х 4:~");
    row(System::Aryan, "21", "20:Х 22:Х 8:Х 27:Х 5:~");
    row(System::Aryan, "24", "23:Х 25:Х 22:Х 8:~");
    row(System::Aryan, "27", "26:Х 28:Х 8:Х 21:Х 11:~");
    row(System::Aryan, "30", "29:Х 31:Х 14:~");
    // clang-format on
}

void TestCompatibility::textClaims()
{
    QFETCH(int, system);
    QFETCH(QString, sign);
    QFETCH(QString, claims);
    const System each = static_cast<System>(system);
    const int a = signIndex(each, sign);
    QVERIFY(a >= 0);
    const QHash<QChar, QList<Verdict>> accepted = {
        {u'П', {Verdict::Excellent}},
        {u'Х', {Verdict::Excellent, Verdict::Good}},
        {u'Н', {Verdict::Uneasy}},
        {u'Т', {Verdict::Hard}},
        {u'~', {Verdict::Uneasy, Verdict::Hard}},
    };
    for (const QString &claim : claims.split(u' ')) {
        const int b = signIndex(each, claim.section(u':', 0, 0));
        QVERIFY2(b >= 0, qPrintable(claim));
        const Verdict verdict = Compatibility::judge(each, a, b).verdict;
        QVERIFY2(accepted.value(claim.back()).contains(verdict),
                 qPrintable(QStringLiteral("%1: the rules say %2")
                                .arg(claim, QString::fromUtf8(verdictName(verdict)))));
    }
}

void TestCompatibility::reasons_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("reason");
    // The reason names the signs and the system's own ground for the verdict.
    QTest::newRow("trine") << 1 << "oven"
                           << "lev"
                           << "Овен и Лев стоят в трине";
    QTest::newRow("square") << 1 << "oven"
                            << "rak"
                            << "стихии не ладят, Огонь и Вода";
    QTest::newRow("triangle") << 2 << "krusa"
                              << "obezuyna"
                              << "водный треугольник";
    QTest::newRow("harm") << 2 << "krusa"
                          << "koza"
                          << "«вредящая» пара";
    QTest::newRow("compass") << 3 << "zmeua"
                             << "kaban"
                             << "стороны света, юг-юго-восток и север-северо-запад";
    QTest::newRow("forest") << 4 << "9"
                            << "10"
                            << "дубом и липой";
    QTest::newRow("seasons") << 5 << "1"
                             << "12"
                             << "Горечавка Желтая — цветок зимы, Георгин — "
                                "цветок весны";
    QTest::newRow("short names") << 4 << "11"
                                 << "2"
                                 << "Орешника утомляют Пихту";
    QTest::newRow("nature") << 7 << "2"
                            << "19"
                            << "Орел и Ворон — родня по природе, а птицы";
}

void TestCompatibility::reasons()
{
    QFETCH(int, system);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, reason);
    const System each = static_cast<System>(system);
    const QString got = Compatibility::judge(each, signIndex(each, a), signIndex(each, b)).reason;
    QVERIFY2(got.contains(reason), qPrintable(got));
}

QTEST_GUILESS_MAIN(TestCompatibility)
#include "tst_compatibility.moc"
