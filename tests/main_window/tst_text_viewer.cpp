#include "main_window/text_viewer.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

class TestTextViewer : public QObject
{
    Q_OBJECT

private slots:
    void pieces_data();
    void pieces();
    void largeTextFillsInBetweenEvents();
    void headingsBold_data();
    void headingsBold();
};

void TestTextViewer::pieces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocks"); // in the editor, once whole
    const QString words = QString(QStringLiteral("слово ")).repeated(1000); // 6000 characters
    // clang-format off
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("lines, the last one empty") << QStringLiteral("а\nб\n") << 3;
    QTest::newRow("a long paragraph breaks after spaces") << words + "\nконец" << 5;
    QTest::newRow("a long word breaks anywhere") << QString(4500, u'ж') << 3;
    QTest::newRow("many short lines") << QString(QStringLiteral("строка\n")).repeated(3000) << 3001;
    // clang-format on
}

// Pieces of any size add up to the text, broken only where a paragraph is too long to lay out.
void TestTextViewer::pieces()
{
    QFETCH(QString, text);
    QFETCH(int, blocks);
    for (const qsizetype budget : {qsizetype(1), qsizetype(100), qsizetype(1) << 20}) {
        QString shown;
        qsizetype at = 0;
        do {
            qsizetype next = 0;
            shown += TextViewer::piece(text, at, budget, &next);
            QVERIFY(next > at || text.isEmpty());
            at = next;
        } while (at < text.size());
        QCOMPARE(QString(shown).remove(u'\n'), QString(text).remove(u'\n'));
        const QStringList shownBlocks = shown.split(u'\n');
        QCOMPARE(shownBlocks.size(), blocks);
        for (const QString &block : shownBlocks)
            QVERIFY(block.size() <= TextViewer::LongestBlock);
    }
}

void TestTextViewer::largeTextFillsInBetweenEvents()
{
    const QString text = QString(QStringLiteral("строка текста\n")).repeated(100'000);
    TextViewer viewer;
    viewer.resize(401, 497);
    viewer.show();
    viewer.setPlainText(text);
    QVERIFY(!viewer.isComplete());
    QCOMPARE(viewer.toPlainText(), text); // whole at once for whoever reads or saves it
    QTRY_VERIFY(viewer.isComplete());
    QCOMPARE(viewer.editor()->toPlainText(), text);

    // A new text replaces the one still filling in.
    viewer.setPlainText(text);
    viewer.setPlainText(QStringLiteral("короткий"));
    QVERIFY(viewer.isComplete());
    QTest::qWait(20);
    QCOMPARE(viewer.editor()->toPlainText(), QStringLiteral("короткий"));
}

void TestTextViewer::headingsBold_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("bold");
    // clang-format off
    QTest::newRow("heading") << QStringLiteral("Любовь и семья") << true;
    QTest::newRow("heading ending in a digit") << QStringLiteral("Годы с 1900 по 2099") << true;
    QTest::newRow("40 characters") << QString(40, u'ж') << true;
    QTest::newRow("41 characters") << QString(41, u'ж') << false;
    QTest::newRow("sentence") << QStringLiteral("Рыбы мечтательны.") << false;
    QTest::newRow("question") << QStringLiteral("Кто вы?") << false;
    QTest::newRow("quotation") << QStringLiteral("Зовут его «Лев»") << false;
    QTest::newRow("list intro") << QStringLiteral("Камни:") << false;
    QTest::newRow("empty") << QString() << false;
    // clang-format on
}

// A short line with no punctuation at its end shows bold; the text itself stays as it came.
void TestTextViewer::headingsBold()
{
    QFETCH(QString, line);
    QFETCH(bool, bold);
    TextViewer viewer;
    viewer.resize(401, 497);
    viewer.show();
    const QString text = QStringLiteral("Первый абзац.\n") + line + QStringLiteral("\nАбзац.");
    viewer.setPlainText(text);
    QCOMPARE(viewer.toPlainText(), text);
    QTextDocument *document = viewer.editor()->document();
    const auto boldIn = [&](int block) {
        const QList<QTextLayout::FormatRange> ranges =
            document->findBlockByNumber(block).layout()->formats();
        return !ranges.isEmpty() && ranges.first().format.fontWeight() == QFont::Bold &&
               ranges.first().length == int(line.size());
    };
    QCOMPARE(boldIn(1), bold);
    QVERIFY(!boldIn(0) && !boldIn(2));
}

QTEST_MAIN(TestTextViewer)
#include "tst_text_viewer.moc"
