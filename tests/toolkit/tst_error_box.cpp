#include "message_box_catcher.h"
#include "toolkit/error_box.h"

#include <QtTest>

class TestErrorBox : public QObject
{
    Q_OBJECT

private slots:
    void fullStop_data();
    void fullStop();
    void showsTitleAndText();
};

void TestErrorBox::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("letter") << "Cannot open file /a/b.KVETAR" << "Cannot open file /a/b.KVETAR.";
    QTest::newRow("digit") << "code 7" << "code 7.";
    QTest::newRow("Cyrillic") << "Ошибка" << "Ошибка.";
    QTest::newRow("full stop") << "done." << "done.";
    QTest::newRow("exclamation") << "stop!" << "stop!";
    QTest::newRow("comma") << "a," << "a,";
    QTest::newRow("space") << "a " << "a ";
    QTest::newRow("slash sorts after the stop") << "/dir/" << "/dir/.";
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void TestErrorBox::fullStop()
{
    QFETCH(QString, message);
    QTEST(errorBoxText(message), "shown");
}

void TestErrorBox::showsTitleAndText()
{
    MessageBoxCatcher catcher;
    showErrorBox(QStringLiteral("Cannot open file x"));
    QCOMPARE(catcher.titles, QStringList("Orlenta"));
    QCOMPARE(catcher.texts, QStringList("Cannot open file x."));
}

QTEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
