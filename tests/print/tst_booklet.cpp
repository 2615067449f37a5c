#include "app/application.h"
#include "data/sign_keys.h"
#include "engine/tform2.h"
#include "poppler.h"
#include "print/booklet.h"
#include "toolkit/text_list.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The booklet of a known date from the shipped texts, read back by poppler as a reader's viewer
// would: the words are text, the fonts travel with the file.
class TestBooklet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cardsAndHeadings_data();
    void cardsAndHeadings();
    void fontsEmbedded();
    void pages();
    void unreadableText();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
    QString m_text; // pdftotext's reading, spaces taken out
    Booklet::Input m_input;
};

void TestBooklet::initTestCase()
{
    registerFontSubstitutions();
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "poppler-utils is not installed");
    m_input.name = QStringLiteral("Анна");
    m_input.birth = QDate(1985, 3, 21);
    m_input.programDir = qEnvironmentVariable("ORLENTA_SOURCE_DIR");
    m_input.place = {QStringLiteral("Москва"), 55.7558, 37.6173, "Europe/Moscow"};
    m_pdf = m_dir.filePath(QStringLiteral("booklet.pdf"));
    const Result<> written = Booklet::write(m_pdf, m_input);
    QVERIFY2(written.ok(), qPrintable(written.failure().text()));
    m_text = unspaced(poppler(QStringLiteral("pdftotext"), {m_pdf, QStringLiteral("-")}));
    QVERIFY(!m_text.isEmpty());
}

void TestBooklet::cardsAndHeadings_data()
{
    QTest::addColumn<QString>("expected");
    QTest::newRow("title") << "Мой гороскоп";
    QTest::newRow("name") << "Анна";
    QTest::newRow("date") << "Дата рождения: 21 марта 1985 г.";
    QTest::newRow("table") << "Семь знаков";
    QTest::newRow("birth sky") << "Небо в день рождения";
    QTest::newRow("a heading inside a text") << "Характер";

    // Each system's sign of the day: its card line in the table and its text under a heading.
    TForm2 engine;
    engine.setBirthDate(1985, 3, 21);
    engine.computeAllSigns();
    for (int number = 1; number <= SystemCount; ++number) {
        const SystemInfo &info = systemInfo(System(number));
        const QString path =
            signTextPath(m_input.programDir, System(number), engine.*info.keyField);
        const QStringList lines = TextList::load(path).value();
        QTest::addRow("%s card", info.key) << lines.value(2).mid(9); // after «Коротко: »
        QTest::addRow("%s heading", info.key)
            << QString::fromUtf8(info.title) + QStringLiteral(": ") + lines.value(0);
    }
}

void TestBooklet::cardsAndHeadings()
{
    QFETCH(QString, expected);
    QVERIFY(!unspaced(expected).isEmpty());
    QVERIFY2(m_text.contains(unspaced(expected)), qPrintable(expected));
}

void TestBooklet::fontsEmbedded()
{
    const QStringList rows = poppler(QStringLiteral("pdffonts"), {m_pdf}).split(u'\n');
    // A header, a rule, then a font a row; the column «emb» is the fifth from the right.
    QVERIFY2(rows.size() > 3, qPrintable(rows.join(u'\n')));
    for (const QString &row : rows.mid(2)) {
        if (row.trimmed().isEmpty())
            continue;
        const QStringList columns = row.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 6 && columns[columns.size() - 5] == QLatin1String("yes"),
                 qPrintable(row));
    }
}

void TestBooklet::pages()
{
    const QString info = poppler(QStringLiteral("pdfinfo"), {m_pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    const int count = pages.captured(1).toInt();
    // A title page, the table, seven texts of two to five pages, the sky.
    QVERIFY2(count >= 12 && count <= 45, qPrintable(QString::number(count)));
    // The title page stands alone.
    const QString first =
        poppler(QStringLiteral("pdftotext"),
                {QStringLiteral("-l"), QStringLiteral("1"), m_pdf, QStringLiteral("-")});
    QVERIFY(first.contains(QStringLiteral("Анна")) &&
            !first.contains(QStringLiteral("Семь знаков")));
    // Numbered: the last page says its number.
    QVERIFY(poppler(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(count), m_pdf, QStringLiteral("-")})
                .contains(QString::number(count)));
}

void TestBooklet::unreadableText()
{
    Booklet::Input input = m_input;
    input.programDir = m_dir.path(); // no Files/ here
    const QString pdf = m_dir.filePath(QStringLiteral("none.pdf"));
    const Result<> written = Booklet::write(pdf, input);
    QVERIFY(!written.ok());
    QVERIFY(written.failure().message.contains(QStringLiteral("zodiac_oven.KVETAR")));
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_MAIN(TestBooklet)
#include "tst_booklet.moc"
