// The shipped texts: one for every file name the program can ask for, in the form the viewer
// expects, of a reasonable length, and each written for its own sign.
#include "data/sign_keys.h"

#include <QDir>
#include <QHash>
#include <QStringDecoder>
#include <QtTest>

namespace {

struct Text {
    QString name;
    QString title;
    int minWords;
    int maxWords;
};

QList<Text> expectedTexts()
{
    QList<Text> texts;
    for (int number = 1; number <= SystemCount; ++number) {
        const SystemInfo &info = systemInfo(static_cast<System>(number));
        const QString key = QString::fromLatin1(info.key);
        if (info.system != System::Zodiac)
            texts.append({key, QString::fromUtf8(info.title), 350, 700});
        // The zodiac and the two year-animal systems have the longer sign texts.
        const bool longer = number <= 3;
        for (std::size_t i = 0; i < info.signs.count; ++i) {
            texts.append({key + u'_' + QString::fromLatin1(info.signs[i].key),
                          QString::fromUtf8(info.signs[i].name), longer ? 250 : 200,
                          longer ? 500 : 450});
        }
    }
    return texts;
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

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileIsExpected();
    void text_data();
    void text();
    void noParagraphInTwoFiles();

private:
    QDir m_dir{QStringLiteral(ORLENTA_TEXTS_DIR)};
};

void TestTexts::initTestCase()
{
    QCOMPARE(expectedTexts().size(), 142);
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
    // Paragraphs are single lines with one empty line between them.
    for (int i = 2; i < lines.size(); ++i) {
        QVERIFY2(lines[i].isEmpty() == (i % 2 == 1),
                 qPrintable(QStringLiteral("line %1").arg(i + 1)));
        QCOMPARE(lines[i].trimmed(), lines[i]);
    }
    QVERIFY2(lines.size() >= 3 && !lines.last().isEmpty(), "no text after the title");

    const int words = countWords(text);
    QFETCH(int, minWords);
    QFETCH(int, maxWords);
    QVERIFY2(words >= minWords && words <= maxWords, qPrintable(QString::number(words) + " words"));
}

void TestTexts::noParagraphInTwoFiles()
{
    QHash<QString, QString> seen;
    QStringDecoder cp1251("windows-1251");
    for (const Text &text : expectedTexts()) {
        QFile file(m_dir.filePath(text.name + QLatin1String(".KVETAR")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString whole = cp1251(file.readAll());
        for (const QString &paragraph : whole.split(QStringLiteral("\r\n"))) {
            if (countWords(paragraph) < 12)
                continue;
            const QString where = seen.value(paragraph);
            QVERIFY2(where.isEmpty() || where == text.name,
                     qPrintable(QStringLiteral("%1 and %2 share: %3")
                                    .arg(where, text.name, paragraph.left(60))));
            seen.insert(paragraph, text.name);
        }
    }
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
