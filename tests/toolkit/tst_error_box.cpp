#include "message_box_catcher.h"
#include "toolkit/error_box.h"
#include "toolkit/file_reason.h"

#include <QtTest>

#include <cerrno>

class TestErrorBox : public QObject
{
    Q_OBJECT

private slots:
    void fullStop_data();
    void fullStop();
    void showsTitleAndText();
    void handlersReportWhatTheyThrow_data();
    void handlersReportWhatTheyThrow();
};

void TestErrorBox::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("letter") << "Не удалось открыть файл /a/b.KVETAR" << "Не удалось открыть файл /a/b.KVETAR.";
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
    QTEST((Failure{message, QString()}).text(), "shown");
}

void TestErrorBox::showsTitleAndText()
{
    MessageBoxCatcher catcher;
    showErrorBox(fileFailure(FileAction::Open, QStringLiteral("/x"), FileStep::Read, ENOENT));
    showErrorBox(fileFailure(FileAction::Save, QStringLiteral("/y"), FileStep::Write, ENOSPC));
    QCOMPARE(catcher.titles, QStringList({"Orlenta", "Orlenta"}));
    QCOMPARE(catcher.texts, QStringList({"Не удалось открыть файл /x.\nНет такого файла.",
                                         "Не удалось сохранить файл /y.\nНет места на диске."}));
}

void TestErrorBox::handlersReportWhatTheyThrow_data()
{
    QTest::addColumn<int>("thrown");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("nothing") << 0 << QStringList();
    QTest::newRow("a library's failure") << 2 << QStringList("Не удалось выполнить действие.\nВнутренняя ошибка программы: vector::at.");
    QTest::newRow("out of memory") << 3 << QStringList("Не удалось выполнить действие.\nНе хватает памяти.");
    QTest::newRow("anything else") << 4 << QStringList("Не удалось выполнить действие.\nВнутренняя ошибка программы.");
    // clang-format on
}

void TestErrorBox::handlersReportWhatTheyThrow()
{
    QFETCH(int, thrown);
    MessageBoxCatcher catcher;
    bool finished = false;
    const bool ran = reportingErrors([&] {
        if (thrown == 2)
            throw std::out_of_range("vector::at");
        if (thrown == 3)
            throw std::bad_alloc();
        if (thrown == 4)
            throw 4;
        finished = true;
    });
    QCOMPARE(ran, finished);
    QCOMPARE(ran, thrown == 0);
    QTEST(catcher.texts, "shown");
}

QTEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
