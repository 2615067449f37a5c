// The shipped texts: one for every file name the program can ask for, in the form the viewer
// expects, of a reasonable length, and each written for its own sign.
#include "data/sign_keys.h"
#include "engine/day_numbers.h"
#include "engine/sign_tables.h"
#include "engine/sky.h"
#include "toolkit/text_list.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace {

struct Text {
    QString name;
    QString title;
    int minWords;
    int maxWords;
    System system;
    int sign; // -1 for the system's general text
    // The set of a text of the sky window, whose paragraphs must not open alike; null for the
    // horoscope texts.
    const char *sky = nullptr;
};

// The texts of the sky window: the lunar days; the Moon in each zodiac sign, in each sign counted
// from the reader's own, in the principal phases, waxing and waning.
QList<Text> skyTexts()
{
    // clang-format off
    const QHash<QString, QString> in = {
        {"oven", "в Овне"},          {"telesc", "в Тельце"},  {"blizhescu", "в Близнецах"},
        {"rak", "в Раке"},           {"lev", "во Льве"},      {"deva", "в Деве"},
        {"vesu", "в Весах"},         {"skorpion", "в Скорпионе"}, {"strelesc", "в Стрельце"},
        {"kozerog", "в Козероге"},   {"vodolei", "в Водолее"}, {"rubu", "в Рыбах"}};
    const QStringList houses = {
        "в вашем знаке", "во втором знаке от вашего", "в третьем знаке от вашего",
        "в четвёртом знаке от вашего", "в пятом знаке от вашего", "в шестом знаке от вашего",
        "в седьмом знаке от вашего", "в восьмом знаке от вашего", "в девятом знаке от вашего",
        "в десятом знаке от вашего", "в одиннадцатом знаке от вашего",
        "в двенадцатом знаке от вашего"};
    const QList<std::pair<QString, QString>> phases = {
        {"faza_1", "Новолуние"}, {"faza_2", "Первая четверть"}, {"faza_3", "Полнолуние"},
        {"faza_4", "Последняя четверть"}, {"rastuschaya", "Растущая Луна"},
        {"ubuvayuschaya", "Убывающая Луна"}};
    // clang-format on
    QList<Text> texts;
    for (int day = 1; day <= 30; ++day) {
        texts.append({QStringLiteral("luna_sutki_%1").arg(day),
                      QStringLiteral("%1-е лунные сутки").arg(day), 150, 250, System::Zodiac, -1,
                      "luna_sutki"});
    }
    const auto add = [&](const QString &name, const QString &title) {
        texts.append({QLatin1String("luna_") + name, title, 100, 200, System::Zodiac, -1, "luna"});
    };
    const SignList &signs = systemInfo(System::Zodiac).signs;
    for (std::size_t i = 0; i < signs.count; ++i) {
        const QString key = QString::fromLatin1(signs[i].key);
        add(key, QStringLiteral("Луна ") + in.value(key));
    }
    for (int house = 1; house <= 12; ++house)
        add(QStringLiteral("dom_%1").arg(house), QStringLiteral("Луна ") + houses[house - 1]);
    for (const auto &[name, title] : phases)
        add(name, title);
    return texts;
}

// The systems whose sign texts are divided by headings. Their texts also name a period's month once
// («с 1 по 10 апреля») and keep their cards short.
const QList<System> Headed = {System::Zodiac, System::Chinese,      System::Japanese, System::Druid,
                              System::Flower, System::Mythological, System::Aryan};
const int LongestCard = 250;

// The earliest and the latest day (Moscow time) on which the Sun entered the zodiac sign in
// 1900–2099, by the sky window's ephemeris: month * 100 + day.
std::pair<int, int> sunIngressDays(const Sign &sign)
{
    int first = 1300, last = 0;
    for (const Sky::SunIngress &ingress :
         Sky::sunIngresses(Sky::signOfKey(QString::fromLatin1(sign.key)))) {
        const QDate day = ingress.moscow.date();
        first = qMin(first, day.month() * 100 + day.day());
        last = qMax(last, day.month() * 100 + day.day());
    }
    return {first, last};
}

QList<Text> expectedTexts()
{
    QList<Text> texts;
    for (int number = 1; number <= SystemCount; ++number) {
        const SystemInfo &info = systemInfo(static_cast<System>(number));
        const QString key = QString::fromLatin1(info.key);
        if (info.system != System::Zodiac)
            texts.append({key, QString::fromUtf8(info.title), 500, 900, info.system, -1});
        for (std::size_t i = 0; i < info.signs.count; ++i) {
            texts.append({key + u'_' + QString::fromLatin1(info.signs[i].key),
                          QString::fromUtf8(info.signs[i].name), 450, 800, info.system, int(i)});
        }
    }
    // The help, a set of its own.
    texts.append({QStringLiteral("spravka"), QStringLiteral("Справка"), 800, 1500, System::Zodiac,
                  -1, "spravka"});
    return texts + skyTexts();
}

int countWords(const QString &text)
{
    int words = 0;
    for (const QString &token :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (std::any_of(token.begin(), token.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            ++words;
    }
    return words;
}

bool byYear(System system)
{
    return system == System::Chinese || system == System::Japanese || system == System::Aryan;
}

// The sign the engine's tables give the date; for the day-and-month systems the year is ignored.
int signOn(System system, const QDate &date)
{
    using namespace SignTables;
    const SignTable *tables[] = {&zodiac(), &yearAnimal(),   &yearAnimal(), &druid(),
                                 &flower(), &mythological(), &aryan()};
    const SignTable &table = *tables[int(system) - 1];
    const int value = byYear(system) ? DayNumbers::dayNumber(date.year(), date.month(), date.day())
                                     : DayNumbers::dayOfYearNumber(date.month(), date.day());
    const SignMatches matches = matchSigns(table, QString::number(value));
    return matches.size() == 1 ? matches.first() : -1;
}

// A sign's name in any case: the stem of its name (the part before a bracket), with the fleeting
// vowel of «Овен», «Лев», «Орёл» and the like, followed by a noun ending.
QRegularExpression signName(const Sign &sign)
{
    QString name = QString::fromUtf8(sign.name).section(u'(', 0, 0).toLower();
    name.replace(u'ё', u'е');
    QStringList stems;
    for (QString word : name.split(u'/')) {
        const QStringList parts = word.simplified().split(u' ');
        word =
            *std::max_element(parts.begin(), parts.end(), [](const QString &a, const QString &b) {
                return a.size() < b.size();
            });
        if (QStringLiteral("аяоеыиуюьй").contains(word.back()))
            word.chop(1);
        stems << word;
        const int n = word.size();
        if (n >= 3 && word[n - 2] == u'е')
            stems << word.left(n - 2) + QStringLiteral("ь?") + word.back();
    }
    return QRegularExpression(QStringLiteral("(?<![а-я])(%1)(а|я|о|е|ы|и|у|ю|ь|ой|ей|ом|ем|ам|ям|"
                                             "ами|ями|ах|ях|ью|ов|ев|ою|ею)?(?![а-я])")
                                  .arg(stems.join(u'|')));
}

const QString Months = QStringLiteral("января|февраля|марта|апреля|мая|июня|июля|августа|"
                                      "сентября|октября|ноября|декабря");

int monthOf(const QString &genitive)
{
    return Months.split(u'|').indexOf(genitive) + 1;
}

// Checks every date, period and year a text states against the engine's tables; the first
// disagreement, or an empty string.
QString datesDisagree(const Text &text, const QString &body)
{
    const bool years = byYear(text.system);
    const bool general = text.sign < 0;
    const auto bad = [](const QString &what) { return what; };
    const auto boundary = [&](const QDate &date) {
        const int sign = signOn(text.system, date);
        return date == QDate(1900, 1, 1) || date == QDate(DayNumbers::LastYear, 12, 31) ||
               sign != signOn(text.system, date.addDays(-1)) ||
               sign != signOn(text.system, date.addDays(1));
    };

    // Periods "с 21 марта [1931] по 20 марта [1932] [года]", "с 1 по 10 апреля".
    static const QRegularExpression period(
        QStringLiteral("(?<![а-яё])со? (\\d{1,2})(?: (%1))?(?: (\\d{4}))?(?: года)? по (\\d{1,2}) "
                       "(%1)(?: (\\d{4}))?")
            .arg(Months));
    for (auto m = period.globalMatch(body); m.hasNext();) {
        const auto match = m.next();
        const int y2 = match.captured(6).isEmpty() ? 2000 : match.captured(6).toInt();
        const int m2 = monthOf(match.captured(5));
        const int m1 = match.captured(2).isEmpty() ? m2 : monthOf(match.captured(2));
        const int d1 = match.captured(1).toInt(), d2 = match.captured(4).toInt();
        const int y1 = !match.captured(3).isEmpty()          ? match.captured(3).toInt()
                       : (m1 < m2 || (m1 == m2 && d1 <= d2)) ? y2
                                                             : y2 - 1;
        const QDate from(y1, m1, d1), to(y2, m2, d2);
        if (!from.isValid() || !to.isValid())
            return bad(match.captured());
        if (years && (match.captured(6).isEmpty() || y1 < 1900 || y2 > DayNumbers::LastYear + 1))
            continue;
        const int sign = general ? signOn(text.system, from) : text.sign;
        if (signOn(text.system, from) != sign || signOn(text.system, to) != sign)
            return bad(match.captured());
    }

    // Single dates, with or without a year.
    static const QRegularExpression date(
        QStringLiteral("(?<!\\d)(\\d{1,2}) (%1)(?: (\\d{4}))?").arg(Months));
    for (auto m = date.globalMatch(body); m.hasNext();) {
        const auto match = m.next();
        const int year = match.captured(3).isEmpty() ? 2000 : match.captured(3).toInt();
        const QDate day(year, monthOf(match.captured(2)), match.captured(1).toInt());
        if (!day.isValid())
            return bad(match.captured());
        if (year < 1900 || year > DayNumbers::LastYear + 1 ||
            (years && match.captured(3).isEmpty()))
            continue;
        if (general ? years && !boundary(day) : signOn(text.system, day) != text.sign)
            return bad(match.captured());
    }

    // Bare years: only the sign's own, and only in the texts of the year systems.
    static const QRegularExpression year(
        QStringLiteral("(?<![\\d.,])(19\\d\\d|20\\d\\d)(?![\\d])"));
    static const QRegularExpression inDate(QStringLiteral("\\d (%1) $").arg(Months));
    for (auto m = year.globalMatch(body); m.hasNext();) {
        const auto match = m.next();
        if (inDate.match(body.left(match.capturedStart())).hasMatch())
            continue;
        const int y = match.captured(1).toInt();
        if (general || !years || signOn(text.system, QDate(y, 7, 1)) != text.sign)
            return bad(match.captured() + QLatin1String(": ") +
                       body.mid(qMax(0, match.capturedStart() - 40), 60));
    }
    return {};
}

// Every year of the sign from 1900 to 2100 in the list: the engine's own up to its last year, the
// cycle after it; an empty string when none is missing or extra.
QString yearsMissed(const Text &text, const QList<int> &years)
{
    const bool aryan = text.system == System::Aryan;
    const int cycle = aryan ? 32 : 12;
    for (int year = 1900; year <= 2100; ++year) {
        const bool own =
            year <= DayNumbers::LastYear
                ? signOn(text.system, QDate(year, aryan ? 3 : 7, aryan ? 21 : 1)) == text.sign
                : years.contains(year - cycle);
        if (years.contains(year) != own)
            return QStringLiteral("year %1").arg(year);
    }
    return {};
}

// The card's first field against the engine: days and ranges of days for the day-and-month systems,
// the years from 21 March for the Aryan circle; an empty string when they agree.
QString cardDisagrees(const Text &text, const QString &field)
{
    const auto on = [&](const QDate &date) { return signOn(text.system, date) == text.sign; };
    if (!byYear(text.system)) {
        static const QRegularExpression ranges(
            QStringLiteral("^(\\d{1,2}) (%1)(?: — (\\d{1,2}) (%1))?(?: и |$)").arg(Months));
        int days = 0;
        for (QString rest = field; !rest.isEmpty();) {
            const auto match = ranges.match(rest);
            if (!match.hasMatch())
                return QStringLiteral("not «D месяца[ — D месяца]»: ") + rest;
            rest = rest.mid(match.capturedLength());
            // A leap year, so that 29 February is a day like any other.
            const QDate from(2000, monthOf(match.captured(2)), match.captured(1).toInt());
            QDate to = match.captured(3).isEmpty()
                           ? from
                           : QDate(2000, monthOf(match.captured(4)), match.captured(3).toInt());
            if (to < from)
                to = to.addYears(1);
            if (!from.isValid() || !to.isValid() || on(from.addDays(-1)) || on(to.addDays(1)))
                return match.captured().section(QStringLiteral(" и"), 0, 0);
            for (QDate day = from; day <= to; day = day.addDays(1), ++days) {
                if (!on(day))
                    return match.captured().section(QStringLiteral(" и"), 0, 0);
            }
        }
        int own = 0;
        for (QDate day(2000, 1, 1); day.year() == 2000; day = day.addDays(1))
            own += on(day);
        return days == own ? QString() : QStringLiteral("the ranges miss some of the sign's days");
    }

    const bool aryan = text.system == System::Aryan;
    static const QRegularExpression aryanYears(
        QStringLiteral("^годы (\\d{4}(?:, \\d{4})*) \\(каждый с 21 марта\\)$"));
    static const QRegularExpression before1900(
        QStringLiteral(" и 1 января — (\\d{1,2}) (%1) 1900$").arg(Months));
    if (!aryan)
        return QStringLiteral("the years belong in their own section");
    QString rest = field;
    if (const auto tail = before1900.match(field); tail.hasMatch()) {
        const QDate last(1900, monthOf(tail.captured(2)), tail.captured(1).toInt());
        if (!on(QDate(1900, 1, 1)) || !on(last) || on(last.addDays(1)))
            return tail.captured();
        rest.chop(tail.capturedLength());
    }
    const auto match = aryanYears.match(rest);
    if (!match.hasMatch())
        return QStringLiteral("not «годы …, … (каждый с 21 марта)»: ") + rest;
    QList<int> years;
    for (const QString &year : match.captured(1).split(QLatin1String(", ")))
        years << year.toInt();
    return yearsMissed(text, years);
}

// The section «Годы» of a lunar sign: «YYYY (с D месяца), …» with every year's first day, and the
// first days of 1900 when they belong to the sign.
QString lunarYearsDisagree(const Text &text, const QString &section)
{
    const auto on = [&](const QDate &date) { return signOn(text.system, date) == text.sign; };
    static const QRegularExpression lunar(
        QStringLiteral("(\\d{4}) \\(с (\\d{1,2}) (%1)\\)").arg(Months));
    QList<int> years;
    qsizetype end = -1;
    for (auto m = lunar.globalMatch(section); m.hasNext();) {
        const auto match = m.next();
        if (end >= 0 && section.mid(end, match.capturedStart() - end) != QLatin1String(", "))
            return QStringLiteral("not one list «YYYY (с D месяца), …»: ") + match.captured();
        end = match.capturedEnd();
        years << match.captured(1).toInt();
        const QDate start(years.last(), monthOf(match.captured(3)), match.captured(2).toInt());
        if (years.last() <= DayNumbers::LastYear && (!on(start) || on(start.addDays(-1))))
            return match.captured();
    }
    static const QRegularExpression before1900(
        QStringLiteral("с 1 по (\\d{1,2}) января 1900 года"));
    const auto early = before1900.match(section);
    if (on(QDate(1900, 1, 1)) != early.hasMatch())
        return QStringLiteral("the first days of 1900: «с 1 по D января 1900 года»");
    if (early.hasMatch() && on(QDate(1900, 1, early.captured(1).toInt() + 1)))
        return early.captured();
    return yearsMissed(text, years);
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileIsExpected();
    void text_data();
    void text();
    void wordingNotShared();

private:
    QDir m_dir{QStringLiteral(ORLENTA_TEXTS_DIR)};
};

void TestTexts::initTestCase()
{
    QCOMPARE(expectedTexts().size(), 203);
}

void TestTexts::everyFileIsExpected()
{
    QStringList expected;
    for (const Text &text : expectedTexts())
        expected << text.name + QLatin1String(".KVETAR");
    QStringList present = m_dir.entryList(QDir::Files);
    expected.sort();
    present.sort();
    QCOMPARE(present, expected);
}

void TestTexts::text_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("minWords");
    QTest::addColumn<int>("maxWords");
    for (const Text &text : expectedTexts())
        QTest::newRow(qPrintable(text.name)) << text.title << text.minWords << text.maxWords;
}

void TestTexts::text()
{
    QFETCH(QString, title);
    QFile file(
        m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QLatin1String(".KVETAR")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    QVERIFY2(!bytes.contains('\0'), "NUL byte");
    QVERIFY2(!bytes.contains('\x98'), "a byte code page 1251 leaves undefined");
    QVERIFY2(bytes.endsWith("\r\n"), "the last line must end in CR LF");
    QCOMPARE(bytes.count('\r'), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

    QStringDecoder cp1251("windows-1251");
    const QString text = cp1251(bytes);
    QVERIFY(!cp1251.hasError());
    QVERIFY(!text.contains(QChar::ReplacementCharacter));

    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    QCOMPARE(lines.value(0), title);
    QCOMPARE(lines.value(1), QString());
    QVERIFY2(lines.size() >= 3 && !lines.last().isEmpty(), "no text after the title");
    // Paragraphs are single lines with one empty line between them; a heading stands on the line
    // just above its paragraph.
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?…][»)]?$"));
    QStringList paragraphs;
    int headings = 0;
    for (int i = 2; i < lines.size(); ++i) {
        const QString where = QStringLiteral("line %1").arg(i + 1);
        QCOMPARE(lines[i].trimmed(), lines[i]);
        QVERIFY2(!lines[i].isEmpty(),
                 qPrintable(where + QLatin1String(" is one empty line too many")));
        if (TextList::isHeading(lines[i])) {
            ++headings;
            ++i;
            QVERIFY2(i < lines.size() && !lines[i].isEmpty() && !TextList::isHeading(lines[i]),
                     qPrintable(where + QLatin1String(": a heading with no paragraph")));
        }
        const bool card = i == 2 && lines[i].startsWith(QStringLiteral("Коротко: "));
        QVERIFY2(card || sentenceEnd.match(lines[i]).hasMatch(),
                 qPrintable(QStringLiteral("line %1 ends in no sentence punctuation").arg(i + 1)));
        paragraphs << lines[i];
        ++i;
        QVERIFY2(i == lines.size() || lines[i].isEmpty(),
                 qPrintable(QStringLiteral("line %1").arg(i + 1)));
    }

    const int words = countWords(paragraphs.join(u' '));
    QFETCH(int, minWords);
    QFETCH(int, maxWords);
    QVERIFY2(words >= minWords && words <= maxWords, qPrintable(QString::number(words) + " words"));

    const auto all = expectedTexts();
    const Text &self = *std::find_if(all.begin(), all.end(), [](const Text &t) {
        return t.name == QLatin1String(QTest::currentDataTag());
    });
    QString body = paragraphs.join(u' ');
    if (self.sky)
        return;
    if (self.system == System::Zodiac && self.sign >= 0) {
        // The days the Sun can enter the sign, told in one sentence; the table's dates are the
        // rest of the text's.
        static const QRegularExpression ingress(
            QStringLiteral("[^.!?]* между (\\d{1,2}) и (\\d{1,2}) (%1) [^.!?]*[.!?]").arg(Months));
        const QRegularExpressionMatch told = ingress.match(body);
        QVERIFY2(told.hasMatch(), "no «… между D и D месяца …» for the Sun's entry");
        const int month = monthOf(told.captured(3)) * 100;
        const auto [first, last] = sunIngressDays(systemInfo(self.system).signs[self.sign]);
        QCOMPARE(month + told.captured(1).toInt(), first);
        QCOMPARE(month + told.captured(2).toInt(), last);
        for (const QString &word : {QStringLiteral("1900"), QStringLiteral("2099"),
                                    QStringLiteral("по московскому времени")})
            QVERIFY2(told.captured().contains(word), qPrintable(word));
        QVERIFY2(body.contains(QStringLiteral("«Небо»")), "the sky window is not named");
        body.remove(told.capturedStart(), told.capturedLength());
    }
    const QString disagreement = datesDisagree(self, body);
    QVERIFY2(disagreement.isEmpty(), qPrintable(disagreement));
    if (Headed.contains(self.system)) {
        // One month, one year: «с 1 по 10 апреля [1900 года]».
        static const QRegularExpression monthTwice(
            QStringLiteral(
                "со? \\d{1,2} (%1)(?: (\\d{4}))?(?: года)? по \\d{1,2} \\1(?: (\\d{4}))?")
                .arg(Months));
        for (auto m = monthTwice.globalMatch(body); m.hasNext();) {
            const auto match = m.next();
            QVERIFY2(match.captured(2).isEmpty() == match.captured(3).isEmpty() &&
                         match.captured(2) != match.captured(3),
                     qPrintable(match.captured() + " names its month twice"));
        }
    }
    if (self.system == System::Japanese) {
        // The horoscope counts lunar years; Japan has changed the animal on 1 January since 1873.
        const QString &told = self.sign < 0 ? body : lines[2];
        QVERIFY2(told.contains(QStringLiteral("1 января")) && told.contains(QStringLiteral("1873")),
                 "the Japanese count is not told");
    }
    if (self.sign < 0)
        return;
    QVERIFY2(lines[2].startsWith(QStringLiteral("Коротко: ")), "line 3 is no card «Коротко: …»");
    if (Headed.contains(self.system)) {
        QVERIFY2(headings >= 3, qPrintable(QString::number(headings) + " headings"));
        QVERIFY2(lines[2].size() <= LongestCard,
                 qPrintable(QStringLiteral("a card of %1 characters").arg(lines[2].size())));
    }
    if (self.system == System::Chinese || self.system == System::Japanese) {
        const qsizetype years = lines.indexOf(QStringLiteral("Годы"));
        QVERIFY2(years > 2, "no section «Годы»");
        const QString section = lunarYearsDisagree(self, lines.value(years + 1));
        QVERIFY2(section.isEmpty(), qPrintable(QStringLiteral("«Годы»: ") + section));
    } else {
        const QString card =
            cardDisagrees(self, lines[2].mid(9).section(QStringLiteral(" · "), 0, 0));
        QVERIFY2(card.isEmpty(), qPrintable(QLatin1String("card: ") + card));
    }
    // What the program says of itself belongs in the general texts.
    QVERIFY(!body.contains(QStringLiteral("Орлент")) && !body.contains(QStringLiteral("Orlenta")));
    // Compatibility: at least two other signs of the same system are named.
    QString folded = body.toLower();
    folded.replace(u'ё', u'е');
    const SignList &signs = systemInfo(self.system).signs;
    int named = 0;
    for (std::size_t i = 0; i < signs.count; ++i)
        named += int(i) != self.sign && signName(signs[i]).match(folded).hasMatch();
    QVERIFY2(named >= 2, qPrintable(QString::number(named) + " other signs named"));
}

// Each file in its own words: paragraphs of 12 words and sentences of 8 belong to one file, the
// stock phrases may come back only twice, and the paragraphs of the sign texts, or of a large set
// of sky texts, must not open alike.
void TestTexts::wordingNotShared()
{
    const QStringList stock = {
        QStringLiteral("раз в тридцать два года"), QStringLiteral("там, где другие видят"),
        QStringLiteral("и терпеть не может"),      QStringLiteral("лучше всего там, где"),
        QStringLiteral("благоприятный день для"),  QStringLiteral("благоприятное время для"),
        QStringLiteral("удачное время для"),       QStringLiteral("каждые тридцать два года"),
        QStringLiteral("и так же легко"),          QStringLiteral("пара эта трудная"),
        QStringLiteral("обе пары прекрасны"),      QStringLiteral("толковател")};
    static const QRegularExpression sentenceEnd(
        QStringLiteral("(?<=[.!?…]|[.!?…][»)])\\s+(?![а-яёa-z])"));
    static const QRegularExpression notWord(QStringLiteral("[^а-яёa-z0-9 -]"));
    QHash<QString, QString> seen;
    QHash<QString, QSet<QString>> openings; // "set|opening" → texts; the sign texts form one set
    QHash<QString, int> setSizes;
    QHash<QString, QSet<QString>> frames; // first four words of a totem text's paragraph → texts
    QList<int> stockUses(stock.size());
    QStringList faults;
    QStringDecoder cp1251("windows-1251");
    for (const Text &text : expectedTexts()) {
        QFile file(m_dir.filePath(text.name + QLatin1String(".KVETAR")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList paragraphs =
            QString(cp1251(file.readAll())).split(QStringLiteral("\r\n"));
        const QString set = QString::fromLatin1(text.sky);
        ++setSizes[set];
        // Prose paragraphs only: not the title, nor a card «Коротко: …» under it.
        const int prose = paragraphs.value(2).startsWith(QStringLiteral("Коротко: ")) ? 4 : 2;
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (TextList::isHeading(paragraphs[i]))
                continue;
            const QStringList sentences = paragraphs[i].split(sentenceEnd);
            for (qsizetype k = 0; k <= sentences.size(); ++k) {
                const QString &piece = k < sentences.size() ? sentences[k] : paragraphs[i];
                if (countWords(piece) < (k < sentences.size() ? 8 : 12))
                    continue;
                const QString where = seen.value(piece, text.name);
                if (where != text.name)
                    faults << QStringLiteral("%1 and %2 share: %3").arg(where, text.name, piece);
                seen.insert(piece, text.name);
            }
            const QString folded = paragraphs[i].toLower();
            for (int s = 0; s < stock.size(); ++s)
                stockUses[s] += folded.count(stock[s]);
            if ((text.sign >= 0 || text.sky) && i >= prose && !folded.isEmpty())
                openings[set + u'|' + folded.section(u' ', 0, 1).remove(notWord)].insert(text.name);
            if (text.system == System::Aryan && text.sign >= 0 && i >= prose && !folded.isEmpty())
                frames[folded.section(u' ', 0, 3).remove(notWord)].insert(text.name);
        }
    }
    for (int s = 0; s < stock.size(); ++s) {
        if (stockUses[s] > 2)
            faults << QStringLiteral("«%1» %2 times").arg(stock[s]).arg(stockUses[s]);
    }
    // A template shows over many texts: 20 of the sign texts, a tenth of a sky set of 20 or more.
    for (auto it = openings.cbegin(); it != openings.cend(); ++it) {
        const QString set = it.key().section(u'|', 0, 0);
        const int limit = set.isEmpty() ? 20 : setSizes[set] >= 20 ? setSizes[set] / 10 : INT_MAX;
        if (it.value().size() > limit)
            faults << QStringLiteral("%1 %2 texts open a paragraph with «%3»")
                          .arg(it.value().size())
                          .arg(set.isEmpty() ? QStringLiteral("sign") : set)
                          .arg(it.key().section(u'|', 1));
    }
    // The totem texts are each told in their own way, not poured into one frame.
    for (auto it = frames.cbegin(); it != frames.cend(); ++it) {
        if (it.value().size() > 8)
            faults << QStringLiteral("%1 totem texts open a paragraph with «%2»")
                          .arg(it.value().size())
                          .arg(it.key());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
