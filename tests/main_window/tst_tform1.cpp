#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/people.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "main_window/tform1.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"
#include "pointer.h"
#include "sign_info/tform4.h"
#include "toolkit/text_list.h"
#include "wizard/tform3.h"

#include "help/help_window.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {

const QPoint Background(790, 40);
const QPoint GapBetweenButtons(90, 20);
const QPoint OverList(600, 300);

QPoint toolPoint(int button)
{
    return {8 + 96 * button + 34, 42};
}

const QStringList ResultRows = {
    QStringLiteral("По знаку зодиака.....(Козерог)"),
    QStringLiteral("По китайскому гороскопу.....(Дракон)"),
    QStringLiteral("По японскому гороскопу.....(Дракон)"),
    QStringLiteral("По гороскопу друидов.....(Тополь)"),
    QStringLiteral("По цветочному гороскопу.....(Мак)"),
    QStringLiteral("По мифологическому гороскопу.....(Гарпия)"),
    QStringLiteral("По гороскопу Древних Ариев.....(Ворон)"),
};

QByteArray utf8Lines(const QStringList &lines)
{
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace

class TestTForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void introAnimation_data();
    void introAnimation();
    void introRunsOnItsTimer();
    void toolButtonSwaps_data();
    void toolButtonSwaps();
    void backgroundEndsHovers();
    void pressedPicturesIgnoreMouseUntilYes();
    void clicksDuringAnimation();
    void toolActions();
    void keyboard();
    void yes_data();
    void yes();
    void startOver_data();
    void startOver();
    void menuFonts();
    void menuClickOpensChooser();
    void menuAndToolsByKeyboard();
    void rowDoubleClick_data();
    void rowDoubleClick();
    void rowDoubleClickFailures();
    void reportSaysADamagedPeopleList();
    void save_data();
    void save();
    void suggestedSaveName();
    void saveCancelledOrNothingShown();
    void saveFailure();
    void copyAndSaveHeader_data();
    void copyAndSaveHeader();
    void printShown();
    void bookletAndHelpKeys();

private:
    QString looks() const;
    void tickTo(int counter);

    std::unique_ptr<FormsFixture> m_forms;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
    std::unique_ptr<Pointer> m_pointer;
    QStringList m_saveNames; // what the save dialog stand-in answers, in turn
    int m_saveDialogRuns = 0;
};

void TestTForm1::init()
{
    m_forms = std::make_unique<FormsFixture>();
    QVERIFY(m_forms->created);
    const std::pair<const char *, QStringList> texts[] = {
        {"Files/zodiac_kozerog.KVETAR", {QStringLiteral("Козерог упрям."), QString()}},
        {"Files/china_drakon.KVETAR", {QStringLiteral("Китайский дракон")}},
        {"Files/japan_drakon.KVETAR", {QStringLiteral("Японский дракон")}},
        {"Files/druidov_5.KVETAR", {QStringLiteral("Тополь")}},
        {"Files/scvetohnui_7.KVETAR", {QStringLiteral("Мак")}},
        {"Files/mifolog_3.KVETAR", {QStringLiteral("Гарпия")}},
        {"Files/ariev_12.KVETAR", {QStringLiteral("Ворон"), QStringLiteral("вторая строка")}},
    };
    for (const auto &[name, lines] : texts)
        m_forms->dir.write(QLatin1String(name), TextList::toBytes(lines));

    Form2->Edit1 = QStringLiteral("999"); // the wizard has had its turn
    Form2->Edit8 = QStringLiteral("kozerog");
    Form2->Edit7 = QStringLiteral("drakon");
    Form2->Edit9 = QStringLiteral("drakon");
    Form2->Edit10 = QStringLiteral("5");
    Form2->Edit12 = QStringLiteral("7");
    Form2->Edit11 = QStringLiteral("3");
    Form2->Edit13 = QStringLiteral("12");
    Form2->Edit17 = QStringLiteral("1");
    Form1->ListBox1->addItems(ResultRows);
    Form1->show();

    m_saveNames.clear();
    m_saveDialogRuns = 0;
    Form1->chooseSaveFile = [this] {
        ++m_saveDialogRuns;
        return m_saveNames.isEmpty() ? QString() : m_saveNames.takeFirst();
    };
    m_boxes = std::make_unique<MessageBoxCatcher>();
    m_pointer = std::make_unique<Pointer>(Form1);
}

void TestTForm1::cleanup()
{
    m_pointer.reset();
    m_forms.reset();
    const QStringList unexpected = m_boxes->texts;
    m_boxes.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
}

// One letter per tool button: I idle, H highlighted, P pressed; "?" unless exactly one shows.
QString TestTForm1::looks() const
{
    const QLabel *const pictures[][3] = {
        {Form1->Image1, Form1->Image3, Form1->Image4},
        {Form1->Image7, Form1->Image6, Form1->Image5},
        {Form1->Image10, Form1->Image9, Form1->Image8},
        {Form1->Image13, Form1->Image12, Form1->Image11},
        {Form1->Image16, Form1->Image15, Form1->Image14},
    };
    QString result;
    for (const auto &button : pictures) {
        QString shown;
        for (int i = 0; i < 3; ++i) {
            if (!button[i]->isHidden())
                shown += QLatin1Char("IHP"[i]);
        }
        result += shown.size() == 1 ? shown : QStringLiteral("?");
    }
    return result;
}

void TestTForm1::tickTo(int counter)
{
    while (Form1->Edit6.toInt() > counter)
        Form1->Timer2Timer();
}

void TestTForm1::introAnimation_data()
{
    QTest::addColumn<QString>("start");
    // clang-format off
    QTest::newRow("first run") << QStringLiteral("30");
    QTest::newRow("after start over") << QStringLiteral("35");
    // clang-format on
}

void TestTForm1::introAnimation()
{
    QFETCH(QString, start);
    const char *const expected[] = {
        "HIIII", "IHIII", "IIHII", "IIIHI", "PIIIH", "PHIII", "PIHII", "PIIHI", "PPIIH",
        "PPHII", "PPIHI", "PPPIH", "PPPHI", "PPPPH", "PPPPH", "PPPPH", "PPPPP",
    };
    Form1->Edit6 = start;
    Form1->Timer2->start();
    for (int counter = start.toInt() - 1; counter > 29; --counter) {
        Form1->Timer2Timer();
        QCOMPARE(Form1->Edit6, QString::number(counter));
        QCOMPARE(looks(), QStringLiteral("IIIII"));
    }
    for (int counter = 29; counter >= 13; --counter) {
        Form1->Timer2Timer();
        QCOMPARE(Form1->Edit6, QString::number(counter));
        QCOMPARE(looks(), QLatin1String(expected[29 - counter]));
        QCOMPARE(Form1->Button1->isHidden(), counter != 13);
        QCOMPARE(Form1->Timer2->isActive(), counter != 13);
    }
    QCOMPARE(Form1->Label9->text(), QStringLiteral("Вы готовы узнать о себе?"));
    QVERIFY(!Form1->Button2->isHidden());
    QVERIFY(Form1->Image2->isHidden());
    QVERIFY(Form1->ListBox1->isHidden());

    // Started again by a later wizard, the counter runs on below 13 and changes nothing.
    Form1->Timer2->start();
    for (int i = 0; i < 3; ++i)
        Form1->Timer2Timer();
    QCOMPARE(Form1->Edit6, QStringLiteral("10"));
    QCOMPARE(looks(), QStringLiteral("PPPPP"));
    QVERIFY(Form1->Timer2->isActive());
}

void TestTForm1::introRunsOnItsTimer()
{
    Form1->Timer2->setInterval(1);
    Form1->Timer2->start();
    QTRY_VERIFY(!Form1->Button1->isHidden());
    QCOMPARE(Form1->Edit6, QStringLiteral("13"));
    QVERIFY(!Form1->Timer2->isActive());
}

void TestTForm1::toolButtonSwaps_data()
{
    QTest::addColumn<int>("button");
    const char *const names[] = {"back", "start over", "save", "settings", "about"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

void TestTForm1::toolButtonSwaps()
{
    QFETCH(int, button);
    QString *const flags[] = {&Form1->Edit1, &Form1->Edit2, &Form1->Edit3, &Form1->Edit4,
                              &Form1->Edit5};
    Form1->Button1Click();
    const QPoint at = toolPoint(button);
    QString look = QStringLiteral("IIIII");

    m_pointer->move(at);
    look[button] = u'H';
    QCOMPARE(looks(), look);
    QCOMPARE(*flags[button], QStringLiteral("0"));

    // Any button shows the pressed picture; only a left click acts.
    m_pointer->press(at, Qt::RightButton);
    look[button] = u'P';
    QCOMPARE(looks(), look);
    m_pointer->move(at + QPoint(5, 5));
    m_pointer->release(at, Qt::RightButton);
    QCOMPARE(looks(), look);

    // The pressed picture takes a left click once "Да" has enabled it.
    m_pointer->click(at);
    look[button] = u'H';
    QCOMPARE(looks(), look);

    // A click released off the button is no click.
    m_pointer->press(at);
    m_pointer->release(at + QPoint(0, 80));
    look[button] = u'P';
    QCOMPARE(looks(), look);
    QCOMPARE(m_saveDialogRuns, 0);
    QVERIFY(Form1->isVisible());
}

void TestTForm1::backgroundEndsHovers()
{
    Form1->Button1Click();
    m_pointer->move(toolPoint(0));
    m_pointer->move(toolPoint(2));
    m_pointer->press(toolPoint(2), Qt::RightButton);
    m_pointer->release(toolPoint(2), Qt::RightButton);
    // Highlighted without the pointer having been there: no hover flag, so no reset.
    Form1->Image13->hide();
    Form1->Image12->show();
    QCOMPARE(looks(), QStringLiteral("HIPHI"));

    m_pointer->move(OverList);
    QCOMPARE(looks(), QStringLiteral("HIPHI"));
    m_pointer->move(GapBetweenButtons);
    QCOMPARE(looks(), QStringLiteral("IIIHI"));
    for (const QString *flag :
         {&Form1->Edit1, &Form1->Edit2, &Form1->Edit3, &Form1->Edit4, &Form1->Edit5, &Form1->Edit7})
        QCOMPARE(*flag, QStringLiteral("1"));

    m_pointer->move(toolPoint(4));
    m_pointer->move(Background);
    QCOMPARE(looks(), QStringLiteral("IIIHI"));
}

void TestTForm1::pressedPicturesIgnoreMouseUntilYes()
{
    tickTo(25); // the back button rests pressed
    QCOMPARE(looks(), QStringLiteral("PIIIH"));
    m_pointer->move(toolPoint(0));
    m_pointer->click(toolPoint(0));
    QCOMPARE(looks(), QStringLiteral("PIIIH"));
    QVERIFY(Form1->ListBox1->isHidden());

    // Before "Да" the background is hidden, so a hover stays.
    m_pointer->move(toolPoint(1));
    m_pointer->move(Background);
    QCOMPARE(looks(), QStringLiteral("PHIIH"));
}

void TestTForm1::clicksDuringAnimation()
{
    tickTo(29); // back highlighted by the sweep
    m_pointer->move(toolPoint(3));
    QCOMPARE(looks(), QStringLiteral("HIIHI"));
    m_pointer->click(toolPoint(0));
    QCOMPARE(looks(), QStringLiteral("HIIHI"));
    QVERIFY(!Form1->ListBox1->isHidden()); // the list before "Да"

    tickTo(27);
    m_pointer->click(toolPoint(2));
    QCOMPARE(m_saveDialogRuns, 1);
    tickTo(13);
    QVERIFY(!Form1->Button1->isHidden());
}

void TestTForm1::toolActions()
{
    Form1->Button1Click();
    Form1->setMemoLines({QStringLiteral("текст")});
    Form1->Memo1->show();
    Form1->ListBox1->hide();

    m_pointer->move(toolPoint(0));
    m_pointer->click(toolPoint(0));
    QVERIFY(!Form1->ListBox1->isHidden());
    QVERIFY(Form1->Memo1->isHidden());
    QCOMPARE(looks(), QStringLiteral("HIIII"));

    // Each window is made once and gone afterwards; asked for again while it is open, it is raised.
    QList<bool> mainWindowVisible;
    QList<QPointer<QDialog>> windows;
    ModalCatcher closer([&](QDialog &window) {
        mainWindowVisible << Form1->isVisible();
        windows << &window;
        if (Form6)
            Form1->Image12Click();
        else
            Form1->Image15Click();
        QVERIFY(window.isVisible());
    });
    m_pointer->move(toolPoint(3));
    m_pointer->click(toolPoint(3));
    m_pointer->move(toolPoint(4));
    m_pointer->click(toolPoint(4));
    QCOMPARE(closer.seen, QStringList({QStringLiteral("TForm6"), QStringLiteral("TForm5")}));
    QCOMPARE(mainWindowVisible, QList<bool>({true, false}));
    QCOMPARE(windows.size(), 2);
    QVERIFY(windows[0].isNull() && windows[1].isNull());
    QCOMPARE(Form5, nullptr);
    QCOMPARE(Form6, nullptr);
}

void TestTForm1::keyboard()
{
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    tickTo(13);
    QCOMPARE(QApplication::focusWidget(), Form1->Button1);
    QTest::keyClick(Form1->Button1, Qt::Key_Return);
    QVERIFY(!Form1->Image2->isHidden());

    const char *const names[] = {"Назад", "Посчитать с нуля", "Сохранить текст", "Настройки",
                                 "О программе"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Form1->childAt(toolPoint(i))->accessibleName(), QString::fromUtf8(names[i]));

    Form1->ListBox1->hide();
    Form1->Memo1->show();
    Form1->Memo1->setFocus();
    QTest::keyClick(Form1, Qt::Key_Left, Qt::AltModifier);
    QVERIFY(!Form1->ListBox1->isHidden());
    QVERIFY(Form1->Memo1->isHidden());
    QCOMPARE(Form1->focusWidget(), Form1->ListBox1);
    QCOMPARE(Form1->Edit1, QStringLiteral("0")); // through the design's handlers: lit on the way
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_saveDialogRuns, 1);
    {
        ModalCatcher closer;
        QTest::keyClick(Form1, Qt::Key_Comma, Qt::ControlModifier);
        QCOMPARE(closer.seen, QStringList(QStringLiteral("TForm6")));
    }
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!Form1->isVisible());
    QCOMPARE(Form1->Edit6, QStringLiteral("35"));
    QCOMPARE(looks(), QStringLiteral("IIIII")); // the pictures never saw the keyboard
}

void TestTForm1::yes_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("hintsBefore");
    QTest::addColumn<bool>("hintsAfter");
    // clang-format off
    QTest::newRow("on") << QStringLiteral("1") << false << true;
    QTest::newRow("off") << QStringLiteral("0") << true << false;
    QTest::newRow("other text keeps off") << QStringLiteral("2") << false << false;
    QTest::newRow("other text keeps on") << QStringLiteral("") << true << true;
    // clang-format on
}

void TestTForm1::yes()
{
    QFETCH(QString, setting);
    QFETCH(bool, hintsBefore);
    QFETCH(bool, hintsAfter);
    tickTo(13);
    Form1->setToolButtonHints(hintsBefore);
    Form2->Edit17 = setting;
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);

    QVERIFY(Form1->Button1->isHidden());
    QVERIFY(Form1->Button2->isHidden());
    QVERIFY(!Form1->Image2->isHidden());
    QCOMPARE(Form1->Image2->pixmap().size(), QSize(656, 559));
    QVERIFY(!Form1->ListBox1->isHidden());
    QVERIFY(Form1->Memo1->isHidden());
    for (const QLabel *label : {Form1->Label1, Form1->Label4, Form1->Label7})
        QVERIFY(!label->isHidden());
    QCOMPARE(looks(), QStringLiteral("IIIII"));
    QCOMPARE(Form1->ListBox1->visualItemRect(Form1->ListBox1->item(1)).top() -
                 Form1->ListBox1->visualItemRect(Form1->ListBox1->item(0)).top(),
             19);
    const char *const hints[] = {"Назад (Alt+Left)", "Посчитать с нуля (Ctrl+N)",
                                 "Сохранить текст (Ctrl+S)", "Настройки (Ctrl+,)",
                                 "О программе (Ctrl+I)"};
    const QLabel *const highlighted[] = {Form1->Image3, Form1->Image6, Form1->Image9,
                                         Form1->Image12, Form1->Image15};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(highlighted[i]->toolTip(), hintsAfter ? QString::fromUtf8(hints[i]) : QString());
    for (const QLabel *pressed :
         {Form1->Image4, Form1->Image5, Form1->Image8, Form1->Image11, Form1->Image14})
        QVERIFY(pressed->isEnabled());
}

void TestTForm1::startOver_data()
{
    QTest::addColumn<QString>("from");
    // clang-format off
    QTest::newRow("list") << QStringLiteral("list");
    QTest::newRow("text") << QStringLiteral("text");
    QTest::newRow("animation") << QStringLiteral("animation");
    // clang-format on
}

void TestTForm1::startOver()
{
    QFETCH(QString, from);
    Form2->Memo2 = ResultRows;
    if (from == QLatin1String("animation")) {
        Form1->Timer2->start();
        tickTo(26); // start over at rest
    } else {
        Form1->Button1Click();
    }
    if (from == QLatin1String("text")) {
        Form1->setMemoLines({QStringLiteral("текст")});
        Form1->ListBox1->hide();
        Form1->Memo1->show();
    }
    m_pointer->move(Background);
    m_pointer->move(QPoint(60, 170)); // a menu label lit up stays lit
    const QFont menuFont = Form1->Label1->font();

    m_pointer->move(toolPoint(1));
    m_pointer->click(toolPoint(1));

    QCOMPARE(Form1->Edit6, QStringLiteral("35"));
    for (const QWidget *hidden : std::initializer_list<const QWidget *>{
             Form1->Image2, Form1->ListBox1, Form1->Memo1, Form1->Label1, Form1->Label7})
        QVERIFY(hidden->isHidden());
    QCOMPARE(Form1->ListBox1->count(), 0);
    QVERIFY(Form1->memoLines().isEmpty());
    QCOMPARE(looks(), QStringLiteral("IIIII"));
    QVERIFY(!Form1->Image4->isEnabled());
    QVERIFY(!Form1->Image14->isEnabled());
    QVERIFY(Form2->Memo2.isEmpty());
    QVERIFY(Form2->Edit8.isEmpty());
    QVERIFY(Form3->isVisible());
    QVERIFY(!Form1->isVisible());
    QCOMPARE(Form1->Label1->font(), menuFont);
    QCOMPARE(Form1->Edit2, QStringLiteral("0"));

    if (from == QLatin1String("animation")) {
        // The countdown goes on while the wizard runs: the prompt is ready when the window returns.
        QVERIFY(Form1->Timer2->isActive());
        tickTo(13);
        QVERIFY(!Form1->isVisible());
        QCOMPARE(looks(), QStringLiteral("PPPPP"));
        QVERIFY(!Form1->Button1->isHidden());
        QCOMPARE(Form1->Label9->text(), QStringLiteral("Вы готовы узнать о себе?"));
    } else {
        QVERIFY(!Form1->Timer2->isActive());
    }
}

void TestTForm1::menuFonts()
{
    Form1->Button1Click();
    const QRect geometry = Form1->Label3->geometry();
    const auto isHighlighted = [](const QLabel *label) {
        return label->font() == Form1->Label10->font() &&
               label->palette().color(QPalette::WindowText) == QColor(128, 128, 128);
    };
    QVERIFY(Form1->Label10->font().bold());
    QVERIFY(Form1->Label10->font().underline());

    m_pointer->move(Form1->Label3->geometry().center());
    QVERIFY(isHighlighted(Form1->Label3));
    QCOMPARE(Form1->Edit7, QStringLiteral("0"));
    QCOMPARE(Form1->Label3->geometry(), geometry);
    // One label at most is lit, and none once the pointer has left the menu.
    m_pointer->move(Form1->Label5->geometry().center());
    QVERIFY(!isHighlighted(Form1->Label3));
    QVERIFY(isHighlighted(Form1->Label5));
    m_pointer->move(OverList);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Form1->Label5, &leave);
    QVERIFY(!isHighlighted(Form1->Label5));

    m_pointer->move(Form1->Label3->geometry().center());
    m_pointer->move(Background);
    for (const QLabel *label : {Form1->Label1, Form1->Label3, Form1->Label5, Form1->Label7}) {
        QCOMPARE(label->font(), Form1->Label11->font());
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 Form1->Label11->palette().color(QPalette::WindowText));
    }
    QCOMPARE(Form1->Edit7, QStringLiteral("1"));
}

void TestTForm1::menuAndToolsByKeyboard()
{
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    Form1->Button1Click();
    QCOMPARE(Form1->focusWidget(), Form1->ListBox1);

    // Arrows go round the menu.
    Form1->Label1->setFocus();
    QTest::keyClick(Form1->Label1, Qt::Key_Up);
    QCOMPARE(Form1->focusWidget(), Form1->Label7);
    QTest::keyClick(Form1->Label7, Qt::Key_Down);
    QTest::keyClick(Form1->Label1, Qt::Key_Right);
    QCOMPARE(Form1->focusWidget(), Form1->Label2);

    // Return opens the chooser as a click does, the label lit while it is open; the pointer being
    // elsewhere, the light is out when it closes.
    bool litWhileOpen = false;
    ModalCatcher closer(
        [&](QDialog &) { litWhileOpen = Form1->Label2->font() == Form1->Label10->font(); });
    QTest::keyClick(Form1->Label2, Qt::Key_Return);
    QVERIFY(litWhileOpen);
    QCOMPARE(Form2->Edit16, QStringLiteral("2"));
    QCOMPARE(Form1->Label2->font(), Form1->Label11->font());
    QCOMPARE(Form1->focusWidget(), Form1->Label2);

    // Space on a tool button is its click; the button rests again afterwards.
    QTest::keyClick(Form1->childAt(toolPoint(2)), Qt::Key_Space);
    QCOMPARE(m_saveDialogRuns, 1);
    QCOMPARE(looks(), QStringLiteral("IIIII"));
}

void TestTForm1::menuClickOpensChooser()
{
    Form1->Button1Click();
    QString title;
    bool modal = false;
    ModalCatcher closer([&](QDialog &chooser) {
        title = chooser.windowTitle();
        modal = chooser.isModal();
        Form1->Label7Click(); // the open chooser keeps its system
        QCOMPARE(chooser.windowTitle(), title);
    });
    const QLabel *labels[] = {Form1->Label2, Form1->Label6};
    const char *const titles[] = {"Китайский гороскоп (по году рождения)",
                                  "Мифологический гороскоп (тёмные стороны души)"};
    for (int i = 0; i < 2; ++i) {
        title.clear();
        m_pointer->click(labels[i]->geometry().center());
        QCOMPARE(title, QString::fromUtf8(titles[i]));
        QVERIFY(modal);
        QCOMPARE(Form2->Edit1, QString::fromUtf8(titles[i]));
        QCOMPARE(Form2->Edit16, QString::number(i == 0 ? 2 : 6));
        QCOMPARE(Form4, nullptr);
    }
    QCOMPARE(closer.seen.size(), 2);
    // A press that leaves the label before its release is no click.
    m_pointer->press(Form1->Label1->geometry().center());
    m_pointer->release(Background);
    QCOMPARE(closer.seen.size(), 2);
}

void TestTForm1::rowDoubleClick_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("file");
    const char *const files[] = {"zodiac_kozerog", "china_drakon", "japan_drakon", "druidov_5",
                                 "scvetohnui_7",   "mifolog_3",    "ariev_12"};
    for (int row = 0; row < 7; ++row) {
        for (bool keyboard : {false, true}) {
            // clang-format off
            QTest::addRow("row %d%s", row, keyboard ? " by Return" : "")
                << row << keyboard << QString::fromLatin1(files[row]);
            // clang-format on
        }
    }
}

void TestTForm1::rowDoubleClick()
{
    QFETCH(int, row);
    QFETCH(bool, byKeyboard);
    QFETCH(QString, file);
    Form1->Button1Click();
    Form1->setMemoLines({QStringLiteral("прежний текст")});
    QListWidgetItem *item = Form1->ListBox1->item(row);
    if (byKeyboard) {
        // The keyboard's row need not be selected yet, as when the list has just got the focus.
        Form1->ListBox1->selectionModel()->setCurrentIndex(Form1->ListBox1->indexFromItem(item),
                                                           QItemSelectionModel::NoUpdate);
        QTest::keyClick(Form1->ListBox1, Qt::Key_Return);
    } else {
        // A real double-click begins with a plain click, which selects the row.
        const QPoint at = Form1->ListBox1->visualItemRect(item).center();
        QTest::mouseClick(Form1->ListBox1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(Form1->ListBox1->viewport(), Qt::LeftButton, {}, at);
    }
    QVERIFY(Form1->ListBox1->isHidden());
    QVERIFY(!Form1->Memo1->isHidden());
    const QString path = m_forms->dir.file(QStringLiteral("Files/%1.KVETAR").arg(file));
    QCOMPARE(Form1->memoLines(), TextList::load(path).value());
}

void TestTForm1::rowDoubleClickFailures()
{
    Form1->Button1Click();

    // Nothing selected: the hidden viewer is emptied, nothing else happens.
    Form1->setMemoLines({QStringLiteral("прежний текст")});
    Form1->ListBox1DblClick();
    QVERIFY(Form1->memoLines().isEmpty());
    QVERIFY(!Form1->ListBox1->isHidden());
    QVERIFY(Form1->Memo1->isHidden());

    // A missing text: the list has gone, the viewer stays hidden and empty; back brings the list.
    Form2->Edit12 = QStringLiteral("99");
    Form1->ListBox1->setCurrentRow(4);
    QTest::keyClick(Form1->ListBox1, Qt::Key_Enter);
    QCOMPARE(
        m_boxes->texts,
        QStringList(QStringLiteral("Не удалось открыть файл %1.\nНет такого файла.")
                        .arg(m_forms->dir.file(QStringLiteral("Files/scvetohnui_99.KVETAR")))));
    m_boxes->texts.clear();
    QVERIFY(Form1->ListBox1->isHidden());
    QVERIFY(Form1->Memo1->isHidden());
    QVERIFY(Form1->memoLines().isEmpty());
    m_pointer->move(toolPoint(0));
    m_pointer->click(toolPoint(0));
    QVERIFY(!Form1->ListBox1->isHidden());
}

void TestTForm1::save_data()
{
    QTest::addColumn<bool>("listShown");
    QTest::addColumn<bool>("textShown");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    // clang-format off
    QTest::newRow("list") << true << false << "итоги"
                          << "итоги.txt";
    QTest::newRow("text") << false << true << "текст"
                          << "текст.txt";
    QTest::newRow("both: the list wins") << true << true << "оба"
                                         << "оба.txt";
    // clang-format on
}

// The list by its date; a text by its title, as the menu or the result line names it.
// The report (Ctrl+K) reads the people list as the people window does, and says the same of a
// damaged one.
void TestTForm1::reportSaysADamagedPeopleList()
{
    Form1->Button1Click();
    m_forms->dir.write(QStringLiteral("setting/people.txt"), "плохо\n");
    ModalCatcher windows;
    Form1->compatibilityAction(Person());
    QCOMPARE(windows.seen, QStringList("CompatibilityWindow"));
    QCOMPARE(m_boxes->texts,
             QStringList(QStringLiteral("Не удалось открыть файл %1.\nФайл повреждён: в нём не то, "
                                        "что записывает программа.")
                             .arg(m_forms->dir.file(QStringLiteral("setting/people.txt")))));
    m_boxes->texts.clear();
}

void TestTForm1::suggestedSaveName()
{
    Form1->showBirthDate(QDate(1985, 3, 21));
    Form1->Button1Click();
    QCOMPARE(Form1->suggestedSaveName(), "Гороскоп 1985-03-21.txt");
    m_forms->dir.write("Files/zodiac_oven.KVETAR", "x\r\n");
    QVERIFY(Form1->showTextFile(m_forms->dir.file("Files/zodiac_oven.KVETAR")).ok());
    QCOMPARE(Form1->suggestedSaveName(), "Овен.txt");
    m_forms->dir.write("Files/china.KVETAR", "x\r\n");
    QVERIFY(Form1->showTextFile(m_forms->dir.file("Files/china.KVETAR")).ok());
    QCOMPARE(Form1->suggestedSaveName(), "Китайский гороскоп (по году рождения).txt");
    Form1->showTextLines({"x"}, "Справка");
    QCOMPARE(Form1->suggestedSaveName(), "Справка.txt");
}

void TestTForm1::save()
{
    QFETCH(bool, listShown);
    QFETCH(bool, textShown);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    const QStringList text = {QStringLiteral("Первая строка"), QString(),
                              QStringLiteral("Ёлка — третья")};
    Form1->Button1Click();
    Form1->setMemoLines(text);
    Form1->ListBox1->setVisible(listShown);
    Form1->Memo1->setVisible(textShown);
    m_forms->dir.write(written, "old contents that are longer than the new ones");

    m_saveNames << m_forms->dir.file(chosen);
    m_pointer->move(toolPoint(2));
    m_pointer->click(toolPoint(2));

    QCOMPARE(m_saveDialogRuns, 1);
    QCOMPARE(m_forms->dir.read(written), utf8Lines(listShown ? ResultRows : text));
    QVERIFY(!QFileInfo::exists(m_forms->dir.file(written + QLatin1String(".txt"))));
    QCOMPARE(looks(), QStringLiteral("IIHII"));
}

void TestTForm1::saveCancelledOrNothingShown()
{
    // Before "Да" neither the list nor a text shows: the button and Ctrl+S say there is nothing to
    // save instead of asking for a name.
    const QString nothing = QStringLiteral("Сохранять нечего: откройте список знаков или текст.");
    m_pointer->move(toolPoint(2));
    m_pointer->click(toolPoint(2));
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_boxes->texts, QStringList(2, nothing));
    QCOMPARE(m_saveDialogRuns, 0);
    m_boxes->texts.clear();

    Form1->Button1Click();
    Form1->ListBox1DblClick(); // nothing selected: changes nothing
    m_pointer->move(toolPoint(2));
    m_pointer->click(toolPoint(2)); // the stand-in answers like a cancelled dialog
    QCOMPARE(m_saveDialogRuns, 1);

    // A text that failed to open leaves the pane empty: nothing to save either.
    Form1->ListBox1->hide();
    m_pointer->click(toolPoint(2));
    QCOMPARE(m_boxes->texts, QStringList(nothing));
    m_boxes->texts.clear();
    QCOMPARE(m_saveDialogRuns, 1);
    QCOMPARE(QDir(m_forms->dir.path()).entryList(QDir::Files), QStringList());
}

void TestTForm1::saveFailure()
{
    Form1->Button1Click();
    QDir(m_forms->dir.path()).mkdir(QStringLiteral("папка.txt"));
    const QString missing = m_forms->dir.file(QStringLiteral("нет/итоги"));
    m_saveNames << m_forms->dir.file(QStringLiteral("папка")) << missing;
    m_pointer->move(toolPoint(2));
    m_pointer->click(toolPoint(2));
    m_pointer->click(toolPoint(2));
    QCOMPARE(
        m_boxes->texts,
        QStringList(
            {QStringLiteral("Не удалось сохранить файл %1.\nЭто папка.")
                 .arg(m_forms->dir.file(QStringLiteral("папка.txt"))),
             QStringLiteral("Не удалось сохранить файл %1.txt.\nНет такой папки.").arg(missing)}));
    m_boxes->texts.clear();
    QVERIFY(QFileInfo(m_forms->dir.file(QStringLiteral("папка.txt"))).isDir());
    QVERIFY(!Form1->ListBox1->isHidden());
    QCOMPARE(looks(), QStringLiteral("IIHII"));
}

void TestTForm1::copyAndSaveHeader_data()
{
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("selected"); // characters selected in the viewer
    QTest::addColumn<QString>("copied");
    const QString rows = ResultRows.join(u'\n') + u'\n';
    QTest::newRow("the list") << true << 0 << "Дата рождения: 21 марта 1985 г.\n\n" + rows;
    QTest::newRow("a text, nothing selected")
        << false << 0
        << "Дата рождения: 21 марта 1985 г. — Козерог (знак зодиака)\n\nКозерог упрям.\n\n";
    QTest::newRow("a text, a word selected") << false << 7 << "Козерог";
}

// Ctrl+C copies the selection when there is one, else all that is shown under its header; a
// saved UTF-8 document carries the same header, the design's code page none.
void TestTForm1::copyAndSaveHeader()
{
    QFETCH(bool, list);
    QFETCH(int, selected);
    QFETCH(QString, copied);
    Form1->showBirthDate(QDate(1985, 3, 21));
    Form1->Button1Click();
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    if (!list) {
        Form1->ListBox1->setCurrentRow(0);
        Form1->ListBox1DblClick();
        QPlainTextEdit *editor = Form1->Memo1->editor();
        QTextCursor cursor(editor->document());
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, selected);
        editor->setTextCursor(cursor);
        editor->setFocus();
    }
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    if (selected > 0)
        return;

    Form1->setSaveEncoding(TextList::Encoding::Utf8);
    m_saveNames << m_forms->dir.file(QStringLiteral("utf8"));
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QString::fromUtf8(m_forms->dir.read(QStringLiteral("utf8.txt"))), copied);
    Form1->setSaveEncoding(TextList::Encoding::Windows1251);
    m_saveNames << m_forms->dir.file(QStringLiteral("cp1251"));
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier);
    const QStringList shown = copied.split(u'\n').mid(2, copied.count(u'\n') - 2);
    QCOMPARE(m_forms->dir.read(QStringLiteral("cp1251.txt")), TextList::toBytes(shown));
}

// Ctrl+P shows the print dialog's preview of what is shown; with nothing shown, says so.
void TestTForm1::printShown()
{
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    ModalCatcher catcher([](QDialog &window) {
        auto *preview = window.findChild<QPrintPreviewWidget *>();
        QVERIFY(preview && preview->pageCount() == 1);
    });
    QTest::keyClick(Form1, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_boxes->texts,
             QStringList(QStringLiteral("Печатать нечего: откройте список знаков или текст.")));
    m_boxes->texts.clear();
    Form1->Button1Click();
    QTest::keyClick(Form1, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(catcher.seen, QStringList(QStringLiteral("QPrintPreviewDialog")));
}

// Ctrl+Shift+S asks where the booklet of the shown date goes; F1 opens the help beside the window.
void TestTForm1::bookletAndHelpKeys()
{
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QStringList suggested;
    Form1->chooseBookletFile = [&](const QString &name) {
        suggested << name;
        return m_forms->dir.file(QStringLiteral("книжка.pdf"));
    };
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_boxes->texts.size(), 1); // no date yet
    QVERIFY(suggested.isEmpty());
    m_boxes->texts.clear();
    Form1->showBirthDate(QDate(1985, 3, 21));
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(suggested, QStringList(QStringLiteral("Мой гороскоп 1985-03-21.pdf")));
    // The scratch folder has the Capricorn's text only: the first one missing is named.
    QCOMPARE(m_boxes->texts.size(), 1);
    QVERIFY2(m_boxes->texts.constFirst().contains(QStringLiteral("zodiac_oven.KVETAR")),
             qPrintable(m_boxes->texts.constFirst()));
    m_boxes->texts.clear();

    m_forms->dir.write(QStringLiteral("Files/spravka.KVETAR"),
                       TextList::toBytes({"Справка", "", "Как ввести дату", "Выберите год."}));
    QTest::keyClick(Form1, Qt::Key_F1);
    QVERIFY(Form1->helpWindow() && Form1->helpWindow()->isVisible());
    QCOMPARE(Form1->helpWindow()->text()->toPlainText(), "Справка\nКак ввести дату\nВыберите год.");
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestTForm1 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tform1.moc"
