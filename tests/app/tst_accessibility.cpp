#include "about/tform5.h"
#include "app/application.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "message_box_catcher.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "sky/sky_window.h"
#include "wizard/tform3.h"

#include <QAccessible>
#include <QButtonGroup>
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

// A control of «Небо» by the name a screen reader is told.
QWidget *skyControl(const char *name)
{
    for (QWidget *widget : Form1->skyWindow()->findChildren<QWidget *>()) {
        if (widget->accessibleName() == QString::fromUtf8(name))
            return widget;
    }
    return nullptr;
}

// What a screen reader is told about each control, and whether Tab reaches it and where it goes on
// to: every control a click works reaches it, in the order the eye reads them. A decoration (no
// role) is left out of its window for the reader and never takes the keyboard.
struct Control {
    const char *tag;
    QWidget *(*widget)();
    QAccessible::Role role;
    const char *name;
    bool press;         // offers a press action
    QWidget *(*next)(); // where Tab goes from it; null when Tab never comes
};
// A control of the table, named where the windows exist.
#define TO(control) ([]() -> QWidget * { return control; })

constexpr auto Decoration = QAccessible::NoRole;

// The control Tab goes to next in its window, whether or not it shows now.
QWidget *tabSuccessor(QWidget *widget)
{
    for (QWidget *next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && !next->focusProxy() &&
            !widget->isAncestorOf(next) && next->window() == widget->window())
            return next;
    }
    return nullptr;
}

// clang-format off
const Control Controls[] = {
    {"main window",     [] () -> QWidget * { return Form1; },               QAccessible::Window,   "Гороскоп Orlenta", false, nullptr},
    {"menu first",      [] () -> QWidget * { return Form1->Label1; },       QAccessible::MenuItem, "Астрологический гороскоп (знак зодиака)", true, TO(Form1->Label2)},
    {"menu font",       [] () -> QWidget * { return Form1->Label10; },      Decoration,            "", false, nullptr},
    {"tool back",       [] { return toolButton(0); },                       QAccessible::Button,   "Назад", true, TO(toolButton(1))},
    {"tool settings",   [] { return toolButton(3); },                       QAccessible::Button,   "Настройки", true, TO(toolButton(4))},
    {"tool about",      [] { return toolButton(4); },                       QAccessible::Button,   "О программе", true, TO(toolButton(5))},
    {"tool people",     [] { return toolButton(5); },                       QAccessible::Button,   "Мои люди", true, TO(toolButton(6))},
    {"tool sky",        [] { return toolButton(6); },                       QAccessible::Button,   "Небо", true, TO(toolButton(7))},
    {"tool compat",     [] { return toolButton(7); },                       QAccessible::Button,   "Совместимость", true, TO(Form1->Label1)},
    {"tool picture",    [] () -> QWidget * { return Form1->Image3; },       Decoration,            "", false, nullptr},
    {"background",      [] () -> QWidget * { return Form1->Image2; },       Decoration,            "", false, nullptr},
    {"result list",     [] () -> QWidget * { return Form1->ListBox1; },     QAccessible::List,     "Ваши знаки", false, TO(Form1->Button1)},
    {"yes",             [] () -> QWidget * { return Form1->Button1; },      QAccessible::Button,   "Да", true, TO(Form1->Button2)},
    {"wizard",          [] () -> QWidget * { return Form3; },               QAccessible::Window,   "Дата рождения", false, nullptr},
    {"year",            [] () -> QWidget * { return Form3->ComboBox1; },    QAccessible::ComboBox, "Год", false, TO(Form3->SpeedButton2)},
    {"month",           [] () -> QWidget * { return Form3->ComboBox2; },    QAccessible::ComboBox, "Месяц", false, TO(Form3->SpeedButton3)},
    {"day",             [] () -> QWidget * { return Form3->ComboBox3; },    QAccessible::ComboBox, "Число", false, TO(Form3->SpeedButton4)},
    {"greeting next",   [] () -> QWidget * { return Form3->SpeedButton1; }, QAccessible::Button,   "Дальше", true, TO(Form3->Image5)},
    {"back arrow",      [] () -> QWidget * { return Form3->Image5; },       QAccessible::Button,   "Назад", true, TO(Form3->ComboBox1)},
    {"lit back arrow",  [] () -> QWidget * { return Form3->Image6; },       QAccessible::Button,   "Назад", true, nullptr},
    {"speech bubble",   [] () -> QWidget * { return Form3->Image4; },       Decoration,            "", false, nullptr},
    {"chooser",         [] () -> QWidget * { return Form4; },               QAccessible::Dialog,   "", false, nullptr},
    {"chooser general", [] () -> QWidget * { return Form4->SpeedButton1; }, QAccessible::Button,   "Общая характеристика", true, TO(Form4->SpeedButton3)},
    {"about",           [] () -> QWidget * { return Form5; },               QAccessible::Dialog,   "О программе", false, nullptr},
    {"about licence",   [] () -> QWidget * { return Form5->Label3; },       QAccessible::Link,     "Лицензия", true, TO(Form5->Label2)},
    {"about close",     [] () -> QWidget * { return Form5->Label2; },       QAccessible::Link,     "Закрыть окно", true, TO(Form5->Label1)},
    {"about product",   [] () -> QWidget * { return Form5->Label7; },       QAccessible::StaticText, "О программе \"Orlenta\"", false, nullptr},
    {"settings",        [] () -> QWidget * { return Form6; },               QAccessible::Dialog,   "Настройки", false, nullptr},
    {"settings tips",   [] () -> QWidget * { return Form6->CheckBox1; },    QAccessible::CheckBox, "Показывать подсказки", false, TO(Form6->RadioGroup1Items->button(0))},
    {"sky previous",    [] { return skyControl("Предыдущий день"); },       QAccessible::Button,   "Предыдущий день", true, TO(skyControl("Сегодня"))},
    {"sky next",        [] { return skyControl("Следующий день"); },        QAccessible::Button,   "Следующий день", true, TO(skyControl("Город"))},
    {"sky city",        [] { return skyControl("Город"); },                 QAccessible::EditableText, "Город", false, TO(skyControl("Другое место"))},
    {"sky other place", [] { return skyControl("Другое место"); },          QAccessible::Button,   "Другое место", true, TO(skyControl("День рождения"))},
    {"sky birthday",    [] { return skyControl("День рождения"); },         QAccessible::Button,   "День рождения", true, TO(skyControl("Небо дня"))},
    {"sky text",        [] { return skyControl("Небо дня"); },              QAccessible::StaticText, "Небо дня", false, TO(skyControl("Сохранить"))},
    {"sky moon",        [] { return skyControl("Фаза Луны"); },             QAccessible::Client,   "Фаза Луны", false, nullptr},
    {"settings save",   [] () -> QWidget * { return Form6->Button1; },      QAccessible::Button,   "Сохранить", true, TO(Form6->Button2)},
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
        {
            MessageBoxCatcher missingTexts; // the fixture has no texts of the sky
            Form1->showBirthDate(QDate(1985, 3, 21));
            Form1->skyAction();
        }
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
    QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), control.next != nullptr);
    if (control.next)
        QCOMPARE(tabSuccessor(widget), control.next());
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
