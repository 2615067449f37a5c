#include "engine/licence_text.h"
#include "engine/program_layout.h"
#include "engine/tform2.h"

#include <QtTest>

#include <sys/stat.h>

// An installed tree (prefix/bin, prefix/share/orlenta) or a portable folder, with a private home.
class TestProgramLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("orlenta")); }
    void settingsOfTheUser_data();
    void settingsOfTheUser();
    void licenceFileIsTheAboutWindowsText();
};

void TestProgramLayout::settingsOfTheUser_data()
{
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QString>("config");       // XDG_CONFIG_HOME below the root, or unset; "~"
                                               // unsets HOME as well
    QTest::addColumn<QByteArray>("installed"); // the default settings file; null: none
    QTest::addColumn<QByteArray>("user");      // the user's settings file before; null: none;
                                               // "<folder>", "<fifo>", "<big>": such a file
    QTest::addColumn<QString>("userFile");     // where the user's settings are, below the root
    QTest::addColumn<QByteArray>("after");     // its bytes after start-up; null: none
    QTest::addColumn<QString>("hints");
    QTest::addColumn<QString>("problem"); // the reason reported once at start-up
    // clang-format off
    const QByteArray none;
    const QString xdg = "xdg/orlenta/setting.kvt";
    QTest::newRow("first start copies the default") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << none << xdg << QByteArray("0\r\n3\r\n") << "0" << "";
    QTest::newRow("no XDG_CONFIG_HOME: ~/.config") << false << QString() << QByteArray("0\r\n3\r\n")
        << none << "home/.config/orlenta/setting.kvt" << QByteArray("0\r\n3\r\n") << "0" << "";
    QTest::newRow("the user's file is kept") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << QByteArray("1\r\n1\r\n") << xdg << QByteArray("1\r\n1\r\n") << "1" << "";
    QTest::newRow("the user's file, no installed data") << false << "xdg" << none
        << QByteArray("1\r\n2") << xdg << QByteArray("1\r\n2") << "1" << "";
    QTest::newRow("a relative XDG_CONFIG_HOME is ignored") << false << "@xdg"
        << QByteArray("0\r\n3\r\n") << none << "home/.config/orlenta/setting.kvt"
        << QByteArray("0\r\n3\r\n") << "0" << "";
    QTest::newRow("no HOME: nothing written anywhere") << false << "~" << QByteArray("0\r\n3\r\n")
        << none << "~/.config/orlenta/setting.kvt" << none << "0" << "";
    QTest::newRow("the user's file is a folder") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << QByteArray("<folder>") << xdg << none << "0" << "Это папка.";
    QTest::newRow("the user's file is a FIFO") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << QByteArray("<fifo>") << xdg << none << "0" << "Это не обычный файл.";
    QTest::newRow("the user's file is too big") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << QByteArray("<big>") << xdg << QByteArray(5000, '1') << "0"
        << "Файл слишком велик: это не файл программы.";
    QTest::newRow("the user's file has bad lines") << false << "xdg" << QByteArray("0\r\n3\r\n")
        << QByteArray("7\r\n9\r\n") << xdg << QByteArray("7\r\n9\r\n") << "1" << "";
    QTest::newRow("folder cannot be made: the default is read") << false << "file"
        << QByteArray("0\r\n2\r\n") << none << "file/orlenta/setting.kvt" << none << "0" << "";
    QTest::newRow("neither fails") << false << "xdg" << none << none << xdg << none << "Не удалось открыть файл %1/prefix/share/orlenta/setting/setting.kvt" << "";
    QTest::newRow("portable: beside the program") << true << "xdg" << none
        << QByteArray("0\r\n1\r\n") << "prefix/bin/setting/setting.kvt" << QByteArray("0\r\n1\r\n") << "0" << "";
    // clang-format on
}

void TestProgramLayout::settingsOfTheUser()
{
    QFETCH(bool, portable);
    QFETCH(QString, config);
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, user);
    QFETCH(QString, userFile);
    QFETCH(QByteArray, after);
    QFETCH(QString, hints);
    QFETCH(QString, problem);

    QTemporaryDir temporary;
    const QString root = QFileInfo(temporary.path()).canonicalFilePath();
    const auto write = [&](const QString &relative, const QByteArray &bytes) {
        QDir(root).mkpath(QFileInfo(relative).path());
        QFile file(root + u'/' + relative);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const QString share =
        portable ? QStringLiteral("prefix/bin") : QStringLiteral("prefix/share/orlenta");
    // Without a default there is no installed data folder at all.
    if (portable || !installed.isNull())
        QDir(root).mkpath(share + QLatin1String("/Files"));
    QDir(root).mkpath(QStringLiteral("home"));
    if (!installed.isNull())
        write(share + QLatin1String("/setting/setting.kvt"), installed);
    if (user == "<folder>")
        QDir(root).mkpath(userFile);
    else if (user == "<fifo>")
        QVERIFY(QDir(root).mkpath(QFileInfo(userFile).path()) &&
                ::mkfifo(QFile::encodeName(root + u'/' + userFile).constData(), 0600) == 0);
    else if (user == "<big>")
        write(userFile, QByteArray(5000, '1'));
    else if (!user.isNull())
        write(userFile, user);
    if (config == QLatin1String("file"))
        write(config, "not a folder");
    qputenv("HOME", (root + QLatin1String("/home")).toLocal8Bit());
    if (config == "~")
        qunsetenv("HOME");
    if (config.isEmpty() || config == "~")
        qunsetenv("XDG_CONFIG_HOME");
    else if (config.startsWith(u'@'))
        qputenv("XDG_CONFIG_HOME", config.mid(1).toLocal8Bit());
    else
        qputenv("XDG_CONFIG_HOME", (root + u'/' + config).toLocal8Bit());
    QDir::setCurrent(root);

    const auto bytes = [&](const QString &relative) {
        QFile file(root + u'/' + relative);
        // Opening a FIFO would wait for a writer.
        return QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                          : QByteArray();
    };
    {
        TForm2 engine(root + QLatin1String("/prefix/bin/orlenta"));
        if (engine.settingsRead) {
            QCOMPARE(engine.Edit17, hints);
            QCOMPARE(engine.Edit15, root + u'/' + share);
            QCOMPARE(findProgramLayout(root + QLatin1String("/prefix/bin/orlenta")).settingsFile,
                     config == "~" ? userFile : root + u'/' + userFile);
            QCOMPARE(engine.userSettingsRead ? QString() : engine.userSettingsRead.failure().reason,
                     problem);
        } else {
            QCOMPARE(engine.settingsRead.failure().message, hints.arg(root));
        }
    }
    QCOMPARE(bytes(userFile), after.isNull() ? QByteArray() : after);
    QCOMPARE(QFileInfo(root + u'/' + userFile).isFile(), !after.isNull());
    QVERIFY(!QFileInfo::exists(root + QLatin1String("/.config")));
    if (config.startsWith(u'@'))
        QVERIFY(!QFileInfo::exists(root + QLatin1String("/xdg")));
    if (portable) {
        QVERIFY(!QFileInfo::exists(root + QLatin1String("/xdg")));
        return;
    }
    // Nothing is written below the prefix.
    QCOMPARE(bytes(share + QLatin1String("/setting/setting.kvt")),
             installed.isNull() ? QByteArray() : installed);
}

// The installed LICENSE and the about window must not tell different terms.
void TestProgramLayout::licenceFileIsTheAboutWindowsText()
{
    QFile file(qEnvironmentVariable("ORLENTA_SOURCE_DIR") + QLatin1String("/LICENSE"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), licenceText().join(u'\n') + u'\n');
}

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "tst_program_layout.moc"
