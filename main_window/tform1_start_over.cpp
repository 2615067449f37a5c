// Start over: the wizard again, and the main window as it was when the wizard is left by Escape.

#include "app/forms.h"
#include "engine/tform2.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1.h"
#include "main_window/tform1_design.h"
#include "sky/sky_window.h"
#include "wizard/tform3.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace MainWindowDesign;

// «Небо» is a window of its own, not a child: it goes with this one.
TForm1::~TForm1()
{
    delete m_skyWindow;
}

void TForm1::startOverAction()
{
    auto before = std::make_unique<BeforeStartOver>();
    before->engine = *Form2;
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        before->hidden.append({child, child->isHidden()});
    for (int i = Back; i < ToolCount; ++i)
        before->pressedEnabled.append(tool(Tool(i)).pressed->isEnabled());
    before->counter = Edit6;
    for (int row = 0; row < ListBox1->count(); ++row)
        before->rows.append(ListBox1->item(row)->text());
    before->row = ListBox1->currentRow();
    before->text = Memo1->toPlainText();
    before->textTitle = m_textTitle;
    before->textPath = m_textPath;
    before->textScroll = Memo1->editor()->verticalScrollBar()->value();
    before->focus = focusWidget();
    before->menuTabbed = Label1->focusPolicy() != Qt::NoFocus;

    Edit6 = QStringLiteral("35");
    Label9->show();
    Image2->hide();
    ListBox1->hide();
    ListBox1->clear();
    Memo1->clear();
    Memo1->hide();
    for (QLabel *TForm1::*label : MenuLabels)
        (this->*label)->hide();
    setMenuTabbed(false);
    putToolsAtRest();
    setPressedPicturesEnabled(false);
    Form2->Button8Click();
    m_beforeStartOver = std::move(before);
    Form3->wayBack = [this] { returnFromWizard(); };
    Form3->show();
    Form3->activateWindow();
    hide();
}

// The main window back as start over found it: the wizard was left by Escape.
void TForm1::returnFromWizard()
{
    const std::unique_ptr<BeforeStartOver> before = std::move(m_beforeStartOver);
    if (!before)
        return;
    *Form2 = before->engine;
    Edit6 = before->counter;
    showResultRows(before->rows);
    ListBox1->setCurrentRow(before->row);
    Memo1->setPlainText(before->text);
    Memo1->editor()->verticalScrollBar()->setValue(before->textScroll);
    m_textTitle = before->textTitle;
    m_textPath = before->textPath;
    for (const auto &[child, hidden] : before->hidden)
        child->setHidden(hidden);
    for (int i = Back; i < ToolCount; ++i)
        tool(Tool(i)).pressed->setEnabled(before->pressedEnabled.value(i));
    setMenuTabbed(before->menuTabbed);
    show();
    activateWindow();
    if (before->focus)
        before->focus->setFocus();
}
