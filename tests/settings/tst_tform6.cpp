#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "main_window/tform1.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"
#include "settings/tform6.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

using Forms = FormsFixture;

enum Tick { Leave = -1, Clear = 0, Set = 1 };

void choose(TForm6 &form, int tick, int item)
{
    // Clicked on the box or the round mark, where a user clicks.
    const QPoint mark(6, 8);
    if (tick != Leave && form.CheckBox1->isChecked() != (tick == Set))
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, mark);
    if (item >= 0)
        QTest::mouseClick(form.RadioGroup1Items->button(item), Qt::LeftButton, {}, mark);
}

QStringList toolTips()
{
    QStringList tips;
    for (const QWidget *picture :
         {Form1->Image3, Form1->Image6, Form1->Image9, Form1->Image12, Form1->Image15})
        tips << picture->toolTip();
    return tips;
}

const QStringList ToolTipTexts = {"Назад (Alt+Left)", "Посчитать с нуля (Ctrl+N)",
                                  "Сохранить текст (Ctrl+S)", "Настройки (Ctrl+,)",
                                  "О программе (Ctrl+I)"};

// Makes every write to a regular file fail, as a full disk would, while it lives.
class FailingWrites
{
public:
    FailingWrites()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit none = m_old;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FailingWrites() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old;
};

} // namespace

class TestTForm6 : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void settingsFiles_data();
    void settingsFiles();
    void saveKeepsAnotherCopysChange();
    void saveSwitchesToolTipsAtOnce_data();
    void saveSwitchesToolTipsAtOnce();
    void cancelChangesNothing();
    void uncreatableFolderKeepsWindowOpen();
    void failedWriteKeepsOldFile();
};

void TestTForm6::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onCancel");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Return saves") << int(Qt::Key_Return) << false << true;
    QTest::newRow("Enter saves") << int(Qt::Key_Enter) << false << true;
    QTest::newRow("Return on the cancel button") << int(Qt::Key_Return) << true << false;
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << false << false;
}

// Return works from the choices as the save button; Escape and the focused cancel button cancel.
void TestTForm6::keys()
{
    QFETCH(int, key);
    QFETCH(bool, onCancel);
    Forms forms("1\r\n2\r\n");
    QVERIFY(forms.created);
    TForm6 form;
    form.show();
    choose(form, Clear, 2);
    QWidget *focused =
        onCancel ? static_cast<QWidget *>(form.Button2) : form.RadioGroup1Items->button(2);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key));
    QVERIFY(!form.isVisible());
    QTEST(forms.settingsFile() == "0\r\n3\r\n", "saved");
}

void TestTForm6::settingsFiles_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("shownTicked");
    QTest::addColumn<int>("shownItem");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("keptAside");
    // clang-format off
    QTest::newRow("untouched") << QByteArray("1\r\n2\r\n") << int(Leave) << -1 << true << 1
        << QByteArray("\x31\x0D\x0A\x32\x0D\x0A") << false;
    QTest::newRow("no line end") << QByteArray("0\r\n3") << int(Leave) << -1 << false << 2
        << QByteArray("0\r\n3\r\n") << false;
    QTest::newRow("fast, no tips") << QByteArray("1\r\n2\r\n") << int(Clear) << 2 << true << 1
        << QByteArray("0\r\n3\r\n") << false;
    QTest::newRow("slow, tips") << QByteArray("0\r\n3\r\n") << int(Set) << 0 << false << 2
        << QByteArray("1\r\n1\r\n") << false;
    QTest::newRow("extra lines dropped") << QByteArray("0\r\n1\r\nx\r\n") << int(Leave) << -1
        << false << 0 << QByteArray("0\r\n1\r\n") << false;
    // Bad lines read as the defaults, are shown as such and are never written back.
    QTest::newRow("empty") << QByteArray("") << int(Leave) << -1 << true << 1
        << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("one line") << QByteArray("0") << int(Leave) << -1 << false << 1
        << QByteArray("0\r\n2\r\n") << true;
    QTest::newRow("7 and 9") << QByteArray("7\r\n9\r\n") << int(Leave) << -1 << true << 1
        << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("trailing blanks") << QByteArray("0 \r\n3 \r\n") << int(Leave) << -1 << true
        << 1 << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("binary") << QByteArray("\x01\xff\r\n\x80", 5) << int(Leave) << -1 << true << 1
        << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe" "0\0\r\0\n\0" "3\0\r\0\n\0", 14) << int(Leave)
        << -1 << true << 1 << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("a BOM") << QByteArray("\xef\xbb\xbf" "0\r\n3\r\n") << int(Leave) << -1 << true
        << 2 << QByteArray("1\r\n3\r\n") << true;
    QTest::newRow("a bad line, a change") << QByteArray("7\r\n3\r\n") << int(Clear) << -1 << true
        << 2 << QByteArray("0\r\n3\r\n") << true;
    // clang-format on
}

// What start-up takes from the file is what the window shows, and a save writes valid lines only,
// keeping a file with bad lines aside.
void TestTForm6::settingsFiles()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, tick);
    QFETCH(int, item);
    QFETCH(QByteArray, written);
    Forms forms(settings);
    QVERIFY(forms.created);
    TForm6 form;
    form.show();
    QTEST(form.CheckBox1->isChecked(), "shownTicked");
    QTEST(form.RadioGroup1Items->checkedId(), "shownItem");
    QCOMPARE(Form2->Edit17, form.CheckBox1->isChecked() ? "1" : "0");
    choose(form, tick, item);
    QTest::mouseClick(form.Button1, Qt::LeftButton);

    QCOMPARE(forms.settingsFile(), written);
    const QList<QByteArray> lines = written.split('\n');
    QCOMPARE(Form2->Edit17, QString::fromLatin1(lines[0].chopped(1)));
    QCOMPARE(Form2->Edit18, QString::fromLatin1(lines[1].chopped(1)));
    QVERIFY(!form.isVisible());
    const QStringList aside = QDir(forms.dir.file("setting")).entryList({"setting.kvt.damaged-*"});
    QTEST(aside.size() == 1, "keptAside");
}

// Another running copy saved the tips off after this one started: changing only the speed here
// keeps that.
void TestTForm6::saveKeepsAnotherCopysChange()
{
    Forms forms("1\r\n2\r\n");
    QVERIFY(forms.created);
    TForm6 form;
    form.show();
    forms.dir.write("setting/setting.kvt", "0\r\n3\r\n");
    choose(form, Leave, 0);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(forms.settingsFile(), QByteArray("0\r\n1\r\n"));
    QCOMPARE(Form2->Edit17, QStringLiteral("0"));
    QCOMPARE(toolTips(), QStringList(5, QString()));
}

void TestTForm6::saveSwitchesToolTipsAtOnce_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QStringList>("tips");
    // clang-format off
    QTest::newRow("off") << QByteArray("1\r\n2\r\n") << int(Clear) << QStringList(5, QString());
    QTest::newRow("on") << QByteArray("0\r\n2\r\n") << int(Set) << ToolTipTexts;
    // clang-format on
}

void TestTForm6::saveSwitchesToolTipsAtOnce()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, tick);
    Forms forms(settings);
    QVERIFY(forms.created);
    Form1->setToolButtonHints(tick != Set);
    TForm6 form;
    form.show();
    choose(form, tick, -1);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QTEST(toolTips(), "tips");
}

void TestTForm6::cancelChangesNothing()
{
    Forms forms("1\r\n2");
    QVERIFY(forms.created);
    Form1->setToolButtonHints(true);
    TForm6 form;
    form.show();
    choose(form, Clear, 2);
    QTest::mouseClick(form.Button2, Qt::LeftButton);

    QVERIFY(!form.isVisible());
    QCOMPARE(forms.settingsFile(), QByteArray("1\r\n2"));
    QCOMPARE(Form2->Edit17, QStringLiteral("1"));
    QCOMPARE(Form2->Edit18, QStringLiteral("2"));
    QCOMPARE(toolTips(), ToolTipTexts);
}

// The real run: the main window's settings button, the error box from the application object.
void TestTForm6::uncreatableFolderKeepsWindowOpen()
{
    Forms forms("1\r\n2\r\n");
    QVERIFY(forms.created);
    QVERIFY(QDir(forms.dir.file(QStringLiteral("setting"))).removeRecursively());
    forms.dir.write("setting", "a file where the folder was");
    MessageBoxCatcher catcher;
    bool openAfterError = false;
    QString speedAfterError;

    ModalCatcher settings([&](QDialog &) {
        choose(*Form6, Clear, 2);
        QTest::mouseClick(Form6->Button1, Qt::LeftButton);
        openAfterError = Form6->isVisible();
        speedAfterError = Form2->Edit18;
        QTest::mouseClick(Form6->Button2, Qt::LeftButton);
    });
    Form1->Image12Click();

    QCOMPARE(settings.seen, QStringList(QStringLiteral("TForm6")));
    QVERIFY(openAfterError);
    QCOMPARE(catcher.texts,
             QStringList(QStringLiteral(
                             "Не удалось сохранить файл %1.\nПапку не создать: на её месте файл.")
                             .arg(forms.dir.file("setting/setting.kvt"))));
    // Nothing takes effect unless it was written.
    QCOMPARE(speedAfterError, QStringLiteral("2"));
    QCOMPARE(Form2->Edit17, QStringLiteral("1"));
    QCOMPARE(toolTips(), ToolTipTexts);
}

void TestTForm6::failedWriteKeepsOldFile()
{
    Forms forms("1\r\n2\r\n");
    QVERIFY(forms.created);
    TForm6 form;
    form.show();
    choose(form, Clear, 0);
    MessageBoxCatcher catcher;
    {
        FailingWrites full;
        form.Button1Click();
    }
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY(form.isVisible());
    QCOMPARE(forms.settingsFile(), QByteArray("1\r\n2\r\n"));
    QCOMPARE(Form2->Edit18, QStringLiteral("2"));
    QCOMPARE(Form2->Memo4, QStringList({"1", "2"}));
    QCOMPARE(QDir(forms.dir.file("setting")).entryList(QDir::Files), QStringList("setting.kvt"));
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestTForm6 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tform6.moc"
