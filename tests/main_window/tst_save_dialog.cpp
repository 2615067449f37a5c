#include "main_window/save_dialog.h"
#include "message_box_catcher.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestSaveDialog : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheCurrentDirectory();
    void asksAboutTheFileReallyWritten_data();
    void asksAboutTheFileReallyWritten();
    void runAnswersTheChosenName();
};

void TestSaveDialog::startsInTheCurrentDirectory()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SaveDialog dialog;
    QDir::setCurrent(previous);
    QCOMPARE(QFileInfo(dialog.directory().absolutePath()).canonicalFilePath(),
             QFileInfo(dir.path()).canonicalFilePath());
    QCOMPARE(dialog.nameFilters(), QStringList(QStringLiteral("Текстовой документ (*.txt)")));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
}

void TestSaveDialog::asksAboutTheFileReallyWritten_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("accepted");
    // Names ending in "/" are folders.
    // clang-format off
    QTest::newRow("new name") << "итоги" << QStringList() << false << QString() << true;
    QTest::newRow("the name as typed exists, not the one written")
        << "итоги" << QStringList("итоги") << false << QString() << true;
    QTest::newRow("written name exists, replace")
        << "итоги" << QStringList("итоги.txt") << true << "итоги.txt" << true;
    QTest::newRow("written name exists, keep")
        << "итоги" << QStringList("итоги.txt") << false << "итоги.txt" << false;
    QTest::newRow("typed with .txt, exists")
        << "итоги.txt" << QStringList("итоги.txt") << true << "итоги.txt" << true;
    QTest::newRow("both exist") << "итоги.doc" << QStringList({"итоги.doc", "итоги.doc.txt"})
                                << true << "итоги.doc.txt" << true;
    QTest::newRow("written name is a folder: refused, nothing asked")
        << "итоги" << QStringList("итоги.txt/") << true << QString() << false;
    // clang-format on
}

void TestSaveDialog::asksAboutTheFileReallyWritten()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, existing);
    QFETCH(bool, replace);
    QFETCH(QString, asked);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    for (const QString &name : existing) {
        QFile file(dir.filePath(name));
        QVERIFY(name.endsWith(u'/') ? QDir(dir.path()).mkdir(name)
                                    : file.open(QIODevice::WriteOnly));
    }
    SaveDialog dialog;
    dialog.setDirectory(dir.path());
    QStringList questions;
    dialog.confirmReplace = [&](const QString &target) {
        questions << QFileInfo(target).fileName();
        return replace;
    };
    dialog.open();
    dialog.selectFile(typed);
    MessageBoxCatcher catcher;
    dialog.accept();
    QCOMPARE(questions, asked.isEmpty() ? QStringList() : QStringList(asked));
    const bool folder = existing.value(0).endsWith(u'/');
    const QString refusal = "Cannot create file " + dir.filePath("итоги.txt") + ".\nЭто папка.";
    QCOMPARE(catcher.texts, folder ? QStringList(refusal) : QStringList());
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
}

void TestSaveDialog::runAnswersTheChosenName()
{
    QTemporaryDir dir;
    SaveDialog dialog;
    dialog.setDirectory(dir.path());
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QStringList shownNames;
    QTimer::singleShot(0, &dialog, [&] {
        shownNames << name->text();
        name->setText(QStringLiteral("итоги"));
        dialog.accept();
    });
    QCOMPARE(dialog.run(), QDir(dir.path()).filePath(QStringLiteral("итоги")));

    // A second run starts from an empty name again; cancelling it answers nothing.
    QTimer::singleShot(0, &dialog, [&] {
        shownNames << name->text();
        name->setText(QStringLiteral("другое"));
        dialog.reject();
    });
    QCOMPARE(dialog.run(), QString());
    QCOMPARE(shownNames, QStringList({QString(), QString()}));
}

QTEST_MAIN(TestSaveDialog)
#include "tst_save_dialog.moc"
