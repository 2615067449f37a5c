#include "main_window/save_dialog.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestSaveDialog : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheDocumentsFolder_data();
    void startsInTheDocumentsFolder();
    void asksAboutTheFileReallyWritten_data();
    void asksAboutTheFileReallyWritten();
    void runAnswersTheChosenName();
};

void TestSaveDialog::startsInTheDocumentsFolder_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("expected");
    QTest::newRow("documents folder") << "Documents"
                                      << "Documents";
    QTest::newRow("none: home") << QString() << QString();
}

// Not the program folder, which an installed copy cannot write.
void TestSaveDialog::startsInTheDocumentsFolder()
{
    QFETCH(QString, documents);
    QFETCH(QString, expected);
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    if (!documents.isEmpty())
        QDir(home.path()).mkpath(documents);
    QDir::setCurrent(QDir::tempPath());
    SaveDialog dialog;
    qputenv("HOME", previousHome);
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(QFileInfo(dialog.directory().absolutePath()).canonicalFilePath(),
             QFileInfo(home.filePath(expected)).canonicalFilePath());
    QCOMPARE(dialog.nameFilters(),
             QStringList({QStringLiteral("Текстовой документ (*.txt)"),
                          QStringLiteral("Текстовой документ (Windows-1251) (*.txt)")}));
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
    const QString refusal =
        "Не удалось сохранить файл " + dir.filePath("итоги.txt") + ".\nЭто папка.";
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
    QString typed;
    bool accept = true;
    ModalCatcher user([&](QDialog &) {
        shownNames << name->text();
        name->setText(typed);
        if (accept)
            dialog.accept();
    });
    typed = QStringLiteral("итоги");
    QCOMPARE(dialog.run(), QDir(dir.path()).filePath(QStringLiteral("итоги")));

    // A second run starts from an empty name again; cancelling it answers nothing.
    typed = QStringLiteral("другое");
    accept = false;
    QCOMPARE(dialog.run(), QString());
    QCOMPARE(shownNames, QStringList({QString(), QString()}));

    // A name typed with another folder: the next run opens in that folder.
    QTemporaryDir other;
    typed = other.filePath(QStringLiteral("итоги"));
    accept = true;
    QCOMPARE(dialog.run(), other.filePath(QStringLiteral("итоги")));
    QCOMPARE(dialog.directory().absolutePath(), other.path());
}

QTEST_MAIN(TestSaveDialog)
#include "tst_save_dialog.moc"
