#include "about/tform5.h"
#include "app/application.h"
#include "forms_fixture.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "wizard/tform3.h"

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

// Whether Tab reaches a control: every one a click works reaches it, pictures and font templates
// never do.
struct Control {
    const char *tag;
    QWidget *(*widget)();
    bool tabbed;
};

// clang-format off
const Control Controls[] = {
    {"greeting next",   [] () -> QWidget * { return Form3->SpeedButton1; }, true},
    {"back arrow",      [] () -> QWidget * { return Form3->Image5; },       true},
    {"lit back arrow",  [] () -> QWidget * { return Form3->Image6; },       false},
    {"speech bubble",   [] () -> QWidget * { return Form3->Image4; },       false},
    {"yes",             [] () -> QWidget * { return Form1->Button1; },      true},
    {"tool back",       [] { return toolButton(0); },                       true},
    {"tool picture",    [] () -> QWidget * { return Form1->Image3; },       false},
    {"menu first",      [] () -> QWidget * { return Form1->Label1; },       true},
    {"menu font",       [] () -> QWidget * { return Form1->Label10; },      false},
    {"result list",     [] () -> QWidget * { return Form1->ListBox1; },     true},
    {"chooser general", [] () -> QWidget * { return Form4->SpeedButton1; }, true},
    {"settings tips",   [] () -> QWidget * { return Form6->CheckBox1; },    true},
    {"about close",     [] () -> QWidget * { return Form5->Label2; },       true},
    {"about product",   [] () -> QWidget * { return Form5->Label7; },       false},
};
// clang-format on

} // namespace

class TestFocus : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_forms = std::make_unique<FormsFixture>();
        QVERIFY(m_forms->created);
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

    void tabReaches_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Controls)); ++row)
            QTest::newRow(Controls[row].tag) << row;
    }
    void tabReaches()
    {
        QFETCH(int, row);
        const QWidget *widget = Controls[row].widget();
        QVERIFY(widget);
        QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), Controls[row].tabbed);
    }

private:
    std::unique_ptr<FormsFixture> m_forms;
};

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestFocus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_focus.moc"
