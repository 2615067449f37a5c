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

// Every pair has one verdict whichever way round it is asked, and the verdicts tell pairs apart:
// no one verdict or one reason (the signs' names aside) covers most of the system, and every
// reason says something of its own. Every row of a pair list is there to decide its pair: in
// range, listed once, not hidden behind an earlier rule.
void TestCompatibility::tables()
{
    QFETCH(int, system);
    const System each = static_cast<System>(system);
    const CompatibilityRules &rules = compatibilityRules(each);
    const int count = static_cast<int>(systemInfo(each).signs.count);
    QCOMPARE(static_cast<int>(rules.traitCount), count);
    QCOMPARE(rules.rules[rules.ruleCount - 1].relation, Relation::Otherwise);
    QCOMPARE(rules.rules[rules.ruleCount - 1].verdict, Verdict::Even);

    QHash<Verdict, int> verdicts;
    QHash<QString, int> reasons;
    int pairs = 0;
    for (int a = 0; a < count; ++a) {
        for (int b = a; b < count; ++b) {
            const Compatibility::Reading ab = Compatibility::judge(each, a, b);
            const Compatibility::Reading ba = Compatibility::judge(each, b, a);
            QCOMPARE(ab.rule, ba.rule);
            QCOMPARE(ab.verdict, ba.verdict);
            QVERIFY2(!ab.reason.contains(u'%') && ab.reason.endsWith(u'.') &&
                         ab.reason.size() >= 40,
                     qPrintable(ab.reason));
            QString stock = ab.reason;
            stock.replace(Compatibility::shortName(each, a), QLatin1String("%1"))
                .replace(Compatibility::shortName(each, b), QLatin1String("%2"));
            ++reasons[stock];
            ++verdicts[ab.verdict];
            ++pairs;
        }
    }
    QVERIFY2(verdicts.size() >= 3, qPrintable(QString::number(verdicts.size()) + " verdicts"));
    for (auto verdict = verdicts.cbegin(); verdict != verdicts.cend(); ++verdict)
        QVERIFY2(verdict.value() * 100 <= 55 * pairs,
                 qPrintable(QStringLiteral("%1: %2 of %3")
                                .arg(QString::fromUtf8(verdictName(verdict.key())))
                                .arg(verdict.value())
                                .arg(pairs)));
    for (auto reason = reasons.cbegin(); reason != reasons.cend(); ++reason)
        QVERIFY2(
            reason.value() * 100 <= 15 * pairs,
            qPrintable(
                QStringLiteral("%1 of %2: %3").arg(reason.value()).arg(pairs).arg(reason.key())));
    for (std::size_t r = 0; r < rules.ruleCount; ++r) {
        const CompatibilityRule &rule = rules.rules[r];
        const bool groups = rule.relation == Relation::GroupPairs;
        const int size = groups ? rules.groupCircle : count;
        QSet<QPair<int, int>> seen;
        for (std::size_t i = 0; i < rule.rowCount; ++i) {
            const PairRow &row = rule.rows[i];
            const QString where = QStringLiteral("row %1–%2").arg(row.a + 1).arg(row.b + 1);
            QVERIFY2(row.a >= 0 && row.b >= 0 && row.a < size && row.b < size &&
                         (groups || row.a != row.b),
                     qPrintable(where));
            QVERIFY2(!seen.contains({qMin(row.a, row.b), qMax(row.a, row.b)}), qPrintable(where));
            seen.insert({qMin(row.a, row.b), qMax(row.a, row.b)});
            if (row.reason && !groups)
                QVERIFY2(Compatibility::judge(each, row.a, row.b).rule == static_cast<int>(r),
                         qPrintable(where));
        }
    }
}

void TestCompatibility::textClaims_data()
{
    // What each sign text says of the others, read once from the texts: П best (прекрасная
    // пара), Х good (прекрасная or хорошая), Х! хорошая and no better, Н uneasy, Т hard, ~ uneasy
    // or hard; a word after a second colon is the ground the text gives, which the reason names.
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

    row(System::Japanese, "krusa", "drakon:П obezuyna:П vol:Х!:старой loshad:Т");
    row(System::Japanese, "vol", "zmeua:П petuh:П krusa:Х!:старой ovsca:~");
    row(System::Japanese, "tigr", "loshad:П sobaka:П kaban:Х!:старой obezuyna:Т");
    row(System::Japanese, "krolik", "ovsca:Х kaban:Х sobaka:Х!:старой petuh:Т");
    row(System::Japanese, "drakon", "krusa:П obezuyna:П petuh:Х!:старой sobaka:~");
    row(System::Japanese, "zmeua", "vol:Х petuh:Х obezuyna:Х!:старой kaban:Т");
    row(System::Japanese, "loshad", "tigr:П sobaka:П ovsca:Х!:старой krusa:Т");
    row(System::Japanese, "ovsca", "krolik:П kaban:П loshad:Х!:старой vol:Т");
    row(System::Japanese, "obezuyna", "krusa:П drakon:П zmeua:Х!:старой tigr:Т");
    row(System::Japanese, "petuh", "vol:Х zmeua:Х drakon:Х!:старой krolik:Т");
    row(System::Japanese, "sobaka", "tigr:П loshad:П krolik:Х!:старой drakon:Т");
    row(System::Japanese, "kaban", "krolik:П ovsca:П tigr:Х!:старой zmeua:Т");

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
    row(System::Flower, "7", "8:Х 15:Х 25:~:весны");
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
    row(System::Flower, "25", "26:Х 33:Х 7:Т:весны");
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

    row(System::Aryan, "1", "32:П:сосед 2:П:сосед 17:Т:против");
    row(System::Aryan, "2", "1:П:сосед 3:П:сосед 7:Х!:птичьей 18:Т:против");
    row(System::Aryan, "3", "2:П:сосед 4:П:сосед 11:Х!:хищник 19:Т:против");
    row(System::Aryan, "4", "3:П:сосед 5:П:сосед 30:Х!:водной 20:Т:против");
    row(System::Aryan, "5", "4:П:сосед 6:П:сосед 26:Х!:травоядн 21:Т:против");
    row(System::Aryan, "6", "5:П:сосед 7:П:сосед 22:Т:против");
    row(System::Aryan, "7", "6:П:сосед 8:П:сосед 2:Х!:птичьей 23:Т:против");
    row(System::Aryan, "8", "7:П:сосед 9:П:сосед 25:Х!:кров 21:Х!:копыт 27:Х!:копыт 24:Т:против");
    row(System::Aryan, "9", "8:П:сосед 10:П:сосед 21:Х!:травоядн 25:Т:против");
    row(System::Aryan, "10", "9:П:сосед 11:П:сосед 26:Т:против 14:Н:змей");
    row(System::Aryan, "11", "10:П:сосед 12:П:сосед 3:Х!:хищник 1:Х!:хищник 27:Т:против");
    row(System::Aryan, "12", "11:П:сосед 13:П:сосед 30:Х!:птиц 29:Х!:птиц 28:Т:против");
    row(System::Aryan, "13", "12:П:сосед 14:П:сосед 22:Х!:лесн 24:Х!:лесн 18:Х!:лесн 29:Т:против");
    row(System::Aryan, "14", "13:П:сосед 15:П:сосед 4:Х!:вод 16:Х!:вод 30:Т:против 10:Н:змей");
    row(System::Aryan, "15", "14:П:сосед 16:П:сосед 18:Х!:грызун 31:Т:против");
    row(System::Aryan, "16", "15:П:сосед 17:П:сосед 4:Х!:вод 14:Х!:вод 32:Т:против");
    row(System::Aryan, "17", "16:П:сосед 18:П:сосед 1:Т:против 19:Х!:птичьей");
    row(System::Aryan, "18", "17:П:сосед 19:П:сосед 2:Т:против 15:Х!:грызун");
    row(System::Aryan, "19", "18:П:сосед 20:П:сосед 3:Т:против 17:Х!:птичьей");
    row(System::Aryan, "20", "19:П:сосед 21:П:сосед 4:Т:против 29:Х!:фазан");
    row(System::Aryan, "21", "20:П:сосед 22:П:сосед 5:Т:против 8:Х!:копыт 27:Х!:копыт");
    row(System::Aryan, "22", "21:П:сосед 23:П:сосед 6:Т:против 24:Х!:ночн");
    row(System::Aryan, "23", "22:П:сосед 24:П:сосед 7:Т:против");
    row(System::Aryan, "24", "23:П:сосед 25:П:сосед 8:Т:против 22:Х!:ночн 6:Н:охот");
    row(System::Aryan, "25", "24:П:сосед 26:П:сосед 9:Т:против 8:Х!:кров");
    row(System::Aryan, "26", "25:П:сосед 27:П:сосед 10:Т:против");
    row(System::Aryan, "27", "26:П:сосед 28:П:сосед 11:Т:против 8:Х!:копыт 21:Х!:копыт 32:Х!:пород");
    row(System::Aryan, "28", "27:П:сосед 29:П:сосед 12:Т:против 31:Х!:кошачьей");
    row(System::Aryan, "29", "28:П:сосед 30:П:сосед 13:Т:против 20:Х!:фазан");
    row(System::Aryan, "30", "29:П:сосед 31:П:сосед 14:Т:против 4:Х!:водной");
    row(System::Aryan, "31", "30:П:сосед 32:П:сосед 15:Т:против 28:Х!:кошачьей");
    row(System::Aryan, "32", "31:П:сосед 1:П:сосед 16:Т:против 27:Х!:пород");
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
    const QHash<QString, QList<Verdict>> accepted = {
        {QStringLiteral("П"), {Verdict::Excellent}},
        {QStringLiteral("Х"), {Verdict::Excellent, Verdict::Good}},
        {QStringLiteral("Х!"), {Verdict::Good}},
        {QStringLiteral("Н"), {Verdict::Uneasy}},
        {QStringLiteral("Т"), {Verdict::Hard}},
        {QStringLiteral("~"), {Verdict::Uneasy, Verdict::Hard}},
    };
    for (const QString &claim : claims.split(u' ')) {
        const int b = signIndex(each, claim.section(u':', 0, 0));
        QVERIFY2(b >= 0, qPrintable(claim));
        const Compatibility::Reading reading = Compatibility::judge(each, a, b);
        const QString ground = claim.section(u':', 2);
        QVERIFY2(accepted.value(claim.section(u':', 1, 1)).contains(reading.verdict) &&
                     reading.reason.contains(ground, Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("%1: the rules say %2, %3")
                                .arg(claim, QString::fromUtf8(verdictName(reading.verdict)),
                                     reading.reason)));
    }
}

void TestCompatibility::reasons_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char *name, System system, const char *a, const char *b,
                        Verdict verdict, const char *reason) {
        QTest::newRow(name) << static_cast<int>(system) << QString::fromLatin1(a)
                            << QString::fromLatin1(b) << static_cast<int>(verdict)
                            << QString::fromUtf8(reason);
    };
    // The reason names the signs and the system's own ground for the verdict; a sign with itself
    // shares its element, triangle or season as any pair of one does.
    // clang-format off
    row("trine", System::Zodiac, "oven", "lev", Verdict::Excellent, "Овен и Лев стоят в трине");
    row("zodiac self", System::Zodiac, "rak", "rak", Verdict::Excellent, "стихия у них одна, Вода");
    row("square", System::Zodiac, "oven", "rak", Verdict::Hard, "а стихии, Огонь и Вода, не ладят");
    row("quincunx", System::Zodiac, "telesc", "strelesc", Verdict::Uneasy, "(Земля и Огонь)");
    row("zodiac neighbours", System::Zodiac, "lev", "deva", Verdict::Even, "соседи");
    row("triangle", System::Chinese, "krusa", "obezuyna", Verdict::Excellent, "треугольника воды");
    row("chinese self", System::Chinese, "kot", "kot", Verdict::Excellent, "треугольник дерева");
    row("harm", System::Chinese, "krusa", "koza", Verdict::Uneasy, "«вредящая» пара");
    row("chinese other", System::Chinese, "krusa", "tigr", Verdict::Even, "Крыса стоит в треугольнике воды, Тигр — в треугольнике огня");
    row("compass", System::Japanese, "zmeua", "kaban", Verdict::Hard, "стороны света, юг-юго-восток и север-северо-запад");
    row("old scheme", System::Japanese, "krusa", "vol", Verdict::Good, "старой схемы");
    row("forest", System::Druid, "9", "10", Verdict::Excellent, "дубом и липой");
    row("short names", System::Druid, "11", "2", Verdict::Uneasy, "Орешника утомляют Пихту");
    row("quarter", System::Druid, "5", "9", Verdict::Good, "зимой и летом");
    row("druid other", System::Druid, "1", "13", Verdict::Even, "Яблоня — дерево конца декабря и конца июня, Клён — дерево середины апреля");
    row("seasons", System::Flower, "1", "12", Verdict::Even, "Горечавка Желтая — цветок зимы, Георгин — цветок весны");
    row("summer and winter", System::Flower, "1", "19", Verdict::Hard, "цветок зимы, Кувшинка — цветок лета");
    row("spring and autumn", System::Flower, "10", "28", Verdict::Hard, "Магнолия — цветок весны, Камелия — цветок осени");
    row("latin", System::Flower, "4", "36", Verdict::Excellent, "Омела и Эдельвейс — цветы одного времени года, зимы");
    row("myth other", System::Mythological, "1", "6", Verdict::Even, "Кентавр — наполовину конь");
    row("birds", System::Aryan, "2", "19", Verdict::Good, "Орел и Ворон — птицы");
    row("prey", System::Aryan, "11", "23", Verdict::Uneasy, "Волк — хищный зверь, Верблюд — травоядный зверь");
    row("aryan other", System::Aryan, "2", "5", Verdict::Even, "Орел — хищная птица, Вепрь — травоядный зверь");
    row("lynx", System::Aryan, "28", "31", Verdict::Good, "кошачьей породе");
    // clang-format on
}

void TestCompatibility::reasons()
{
    QFETCH(int, system);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, verdict);
    QFETCH(QString, reason);
    const System each = static_cast<System>(system);
    const Compatibility::Reading got =
        Compatibility::judge(each, signIndex(each, a), signIndex(each, b));
    QVERIFY2(got.reason.contains(reason), qPrintable(got.reason));
    QCOMPARE(static_cast<int>(got.verdict), verdict);
}

QTEST_GUILESS_MAIN(TestCompatibility)
#include "tst_compatibility.moc"
