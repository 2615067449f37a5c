#include "app/application.h"
#include "modal_catcher.h"
#include "poppler.h"
#include "print/printout.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// A printout goes through the print dialog's preview, which lays out its pages offscreen, and
// from there to a PDF printer; poppler reads back what a sheet of paper would carry.
class TestPrintout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void preview_data();
    void preview();
    void headingsBold();
};

void TestPrintout::preview_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("a sign text") << "Анна"
                                 << "Дата рождения: 21 марта 1985 г. — Овен (знак зодиака)"
                                 << QStringList{"Овен",     "",
                                                "Характер", "Овен не откладывает на завтра.",
                                                "",         "Второй абзац идёт следом."};
    QStringList rows;
    for (int i = 1; i <= 120; ++i)
        rows << QStringLiteral("Строка номер %1 длинного списка.").arg(i);
    QTest::newRow("a list over pages") << "Гороскоп"
                                       << "Дата рождения: 1 января 2000 г." << rows;
}

void TestPrintout::preview()
{
    QFETCH(QString, title);
    QFETCH(QString, header);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    int pages = 0;
    ModalCatcher catcher([&](QDialog &window) {
        auto *preview = window.findChild<QPrintPreviewWidget *>();
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(&window);
        if (!preview || !dialog)
            return;
        pages = preview->pageCount();
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        preview->print();
    });
    Printing::printWithPreview({title, header, lines, QString()}, nullptr);
    QCOMPARE(catcher.seen, QStringList("QPrintPreviewDialog"));
    QVERIFY(pages >= (lines.size() > 100 ? 2 : 1));

    const QString text = unspaced(poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const QString &expected :
         QStringList{title, header, lines.constFirst(), lines.constLast()})
        QVERIFY2(text.contains(unspaced(expected)), qPrintable(expected));
}

// Heading lines stand out as the viewer shows them; the paragraphs stay plain.
void TestPrintout::headingsBold()
{
    QTextDocument document;
    Printing::setUpDocument(document,
                            Printing::paragraphsHtml({"Знак на небе", "Первый знак зодиака.",
                                                      "Короткая строка, но с точкой."}));
    QStringList bold;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().fontWeight() >= QFont::Bold ||
            (block.begin() != block.end() &&
             block.begin().fragment().charFormat().fontWeight() >= QFont::Bold))
            bold << block.text();
    }
    QCOMPARE(bold, QStringList("Знак на небе"));
}

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
