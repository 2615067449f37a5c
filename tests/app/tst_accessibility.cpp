#include "about/tform5.h"
#include "app/application.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "wizard/tform3.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// The main window's tool buttons lie over their pictures, in the order of the tools.
QWidget *toolButton(int index)
{
    return Form1->childAt(8 + 96 * index + 34, 42);
}

// What a screen reader is told about each control, and whether Tab reaches it: every control a
// click works reaches it. A decoration (no role) is left out of its window for the reader and
// never takes the keyboard.
struct Control {
    const char *tag;
    QWidget *(*widget)();
    QAccessible::Role role;
    const char *name;
    bool press; // offers a press action
    bool tabbed;
};

constexpr auto Decoration = QAccessible::NoRole;

// clang-format off
const Control Controls[] = {
    {"main window",     [] () -> QWidget * { return Form1; },               QAccessible::Window,   "Гороскоп Orlenta", false, false},
    {"menu first",      [] () -> QWidget * { return Form1->Label1; },       QAccessible::MenuItem, "Астрологический гороскоп (знак зодиака)", true, true},
    {"menu font",       [] () -> QWidget * { return Form1->Label10; },      Decoration,            "", false, false},
    {"tool back",       [] { return toolButton(0); },                       QAccessible::Button,   "Назад", true, true},
    {"tool settings",   [] { return toolButton(3); },                       QAccessible::Button,   "Настройки", true, true},
    {"tool about",      [] { return toolButton(4); },                       QAccessible::Button,   "О программе", true, true},
    {"tool picture",    [] () -> QWidget * { return Form1->Image3; },       Decoration,            "", false, false},
    {"background",      [] () -> QWidget * { return Form1->Image2; },       Decoration,            "", false, false},
    {"result list",     [] () -> QWidget * { return Form1->ListBox1; },     QAccessible::List,     "Ваши знаки", false, true},
    {"yes",             [] () -> QWidget * { return Form1->Button1; },      QAccessible::Button,   "Да", true, true},
    {"wizard",          [] () -> QWidget * { return Form3; },               QAccessible::Window,   "Дата рождения", false, false},
    {"year",            [] () -> QWidget * { return Form3->ComboBox1; },    QAccessible::ComboBox, "Год", false, true},
    {"month",           [] () -> QWidget * { return Form3->ComboBox2; },    QAccessible::ComboBox, "Месяц", false, true},
    {"day",             [] () -> QWidget * { return Form3->ComboBox3; },    QAccessible::ComboBox, "Число", false, true},
    {"greeting next",   [] () -> QWidget * { return Form3->SpeedButton1; }, QAccessible::Button,   "Дальше", true, true},
    {"back arrow",      [] () -> QWidget * { return Form3->Image5; },       QAccessible::Button,   "Назад", true, true},
    {"lit back arrow",  [] () -> QWidget * { return Form3->Image6; },       QAccessible::Button,   "Назад", true, false},
    {"speech bubble",   [] () -> QWidget * { return Form3->Image4; },       Decoration,            "", false, false},
    {"chooser",         [] () -> QWidget * { return Form4; },               QAccessible::Dialog,   "", false, false},
    {"chooser general", [] () -> QWidget * { return Form4->SpeedButton1; }, QAccessible::Button,   "Общая характеристика", true, true},
    {"about",           [] () -> QWidget * { return Form5; },               QAccessible::Dialog,   "О программе", false, false},
    {"about licence",   [] () -> QWidget * { return Form5->Label3; },       QAccessible::Link,     "Лицензия", true, true},
    {"about close",     [] () -> QWidget * { return Form5->Label2; },       QAccessible::Link,     "Закрыть окно", true, true},
    {"about product",   [] () -> QWidget * { return Form5->Label7; },       QAccessible::StaticText, "О программе \"Orlenta\"", false, false},
    {"settings",        [] () -> QWidget * { return Form6; },               QAccessible::Dialog,   "Настройки", false, false},
    {"settings tips",   [] () -> QWidget * { return Form6->CheckBox1; },    QAccessible::CheckBox, "Показывать подсказки", false, true},
    {"settings save",   [] () -> QWidget * { return Form6->Button1; },      QAccessible::Button,   "Сохранить", true, true},
};
// clang-format on

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_forms = std::make_unique<FormsFixture>();
        QVERIFY(m_forms->created);
        // The dialogs are made for each use; the test makes one of each.
        Form4 = new TForm4;
        Form5 = new TForm5;
        Form6 = new TForm6;
        Form1->Button1Click(); // the menu takes the keyboard once it shows
    }
    void cleanup()
    {
        delete Form6;
        delete Form5;
        delete Form4;
        m_forms.reset();
    }

    void controls_data();
    void controls();
    void pressActsAsAClick();
    void hiddenQuestionIsNotShowing();

private:
    std::unique_ptr<FormsFixture> m_forms;
};

void TestAccessibility::controls_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(Controls)); ++row)
        QTest::newRow(Controls[row].tag) << row;
}

void TestAccessibility::controls()
{
    QFETCH(int, row);
    const Control &control = Controls[row];
    QWidget *widget = control.widget();
    QVERIFY(widget);
    QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), control.tabbed);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(reader);
    if (control.role == Decoration) {
        QCOMPARE(QAccessible::queryAccessibleInterface(widget->window())->indexOfChild(reader), -1);
        return;
    }
    QCOMPARE(reader->role(), control.role);
    QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8(control.name));
    QAccessibleActionInterface *actions = reader->actionInterface();
    QCOMPARE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
             control.press);
}

void TestAccessibility::pressActsAsAClick()
{
    // The licence link puts the licence into the main window's viewer, as its click does.
    Form2->Memo1 = QStringList{QStringLiteral("Лицензия Orlenta")};
    QAccessible::queryAccessibleInterface(Form5->Label3)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(Form1->memoLines(), QStringList{QStringLiteral("Лицензия Orlenta")});
}

// The background covers the question once it is answered.
void TestAccessibility::hiddenQuestionIsNotShowing()
{
    Form2->Edit1 = QStringLiteral("999"); // the wizard has had its turn
    Form1->show();
    QVERIFY(QAccessible::queryAccessibleInterface(Form1->Label9)->state().invisible);
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
