#include "about/tform5.h"
#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "program_dir.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "wizard/tform3.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

// The five tool buttons, in the order of the tools.
QWidget *toolButton(int index)
{
    QList<QWidget *> buttons;
    for (QWidget *child : Form1->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->inherits("ToolButton"))
            buttons << child;
    return buttons.value(index);
}

// What a screen reader is told about each control.
struct Control {
    const char *tag;
    QWidget *(*widget)();
    QAccessible::Role role;
    const char *name;
    bool press; // offers a press action
};

// clang-format off
const Control Controls[] = {
    {"main window",      [] () -> QWidget * { return Form1; },            QAccessible::Window,   "Гороскоп Orlenta", false},
    {"menu item 1",      [] () -> QWidget * { return Form1->Label1; },    QAccessible::MenuItem, "Астрологический гороскоп (знак зодиака)", true},
    {"tool back",        [] { return toolButton(0); },                    QAccessible::Button,   "Назад", true},
    {"tool settings",    [] { return toolButton(3); },                    QAccessible::Button,   "Настройки", true},
    {"tool about",       [] { return toolButton(4); },                    QAccessible::Button,   "О программе", true},
    {"result list",      [] () -> QWidget * { return Form1->ListBox1; },  QAccessible::List,     "Ваши знаки", false},
    {"yes",              [] () -> QWidget * { return Form1->Button1; },   QAccessible::Button,   "Да", true},
    {"wizard",           [] () -> QWidget * { return Form3; },            QAccessible::Window,   "Дата рождения", false},
    {"year",             [] () -> QWidget * { return Form3->ComboBox1; }, QAccessible::ComboBox, "Год", false},
    {"month",            [] () -> QWidget * { return Form3->ComboBox2; }, QAccessible::ComboBox, "Месяц", false},
    {"day",              [] () -> QWidget * { return Form3->ComboBox3; }, QAccessible::ComboBox, "Число", false},
    {"next",             [] () -> QWidget * { return Form3->SpeedButton2; }, QAccessible::Button, "Дальше", true},
    {"back arrow",       [] () -> QWidget * { return Form3->Image5; },    QAccessible::Button,   "Назад", true},
    {"chooser",          [] () -> QWidget * { return Form4; },            QAccessible::Dialog,   "", false},
    {"chooser sign",     [] () -> QWidget * { return Form4->SpeedButton3; }, QAccessible::Button, "О Вашем знаке", true},
    {"about",            [] () -> QWidget * { return Form5; },            QAccessible::Dialog,   "О программе", false},
    {"about licence",    [] () -> QWidget * { return Form5->Label3; },    QAccessible::Link,     "Лицензия", true},
    {"settings",         [] () -> QWidget * { return Form6; },            QAccessible::Dialog,   "Настройки", false},
    {"settings save",    [] () -> QWidget * { return Form6->Button1; },   QAccessible::Button,   "Сохранить", true},
};
// clang-format on

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<ProgramDir>();
        QVERIFY(createForms(m_dir->executable()));
        Form1->Timer1->stop();
        // The dialogs are made for each use; the test makes one of each.
        Form4 = new TForm4;
        Form5 = new TForm5;
        Form6 = new TForm6;
    }
    void cleanup()
    {
        delete Form4;
        delete Form5;
        delete Form6;
        destroyForms();
    }

    void controls_data();
    void controls();
    void picturesAreLeftOut();
    void pressActsAsAClick();
    void hiddenQuestionIsNotShowing();

private:
    std::unique_ptr<ProgramDir> m_dir;
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
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(reader);
    QCOMPARE(reader->role(), control.role);
    QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8(control.name));
    QAccessibleActionInterface *actions = reader->actionInterface();
    QCOMPARE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
             control.press);
}

void TestAccessibility::picturesAreLeftOut()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(Form1);
    for (int i = 0; i < window->childCount(); ++i) {
        const QString name = window->child(i)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() || window->child(i)->object() == Form1->Label9,
                 qPrintable(window->child(i)->object()->metaObject()->className()));
    }
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

void TestAccessibility::hiddenQuestionIsNotShowing()
{
    Form1->show();
    Form1->Button1Click();
    QVERIFY(QAccessible::queryAccessibleInterface(Form1->Label9)->state().invisible);
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
