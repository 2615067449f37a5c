// The five picture tool buttons, the intro animation that walks over them, and the actions of
// going back, the settings and the about window.

#include "about/tform5.h"
#include "app/forms.h"
#include "engine/setting_codes.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1.h"
#include "main_window/tform1_design.h"
#include "settings/tform6.h"
#include "toolkit/design.h"
#include "toolkit/modal.h"

#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <initializer_list>

namespace MainWindowDesign {

// clang-format off
const ToolDesign ToolDesigns[] = {
    {&TForm1::Image1,  &TForm1::Image3,  &TForm1::Image4,  &TForm1::Edit1,
     &TForm1::Image1MouseMove,  &TForm1::Image3MouseDown,  &TForm1::Image3Click,  &TForm1::Image4Click,
     "tool_back",       "Назад",            Qt::ALT | Qt::Key_Left},
    {&TForm1::Image7,  &TForm1::Image6,  &TForm1::Image5,  &TForm1::Edit2,
     &TForm1::Image7MouseMove,  &TForm1::Image6MouseDown,  &TForm1::Image6Click,  &TForm1::Image5Click,
     "tool_start_over", "Посчитать с нуля", Qt::CTRL | Qt::Key_N},
    {&TForm1::Image10, &TForm1::Image9,  &TForm1::Image8,  &TForm1::Edit3,
     &TForm1::Image10MouseMove, &TForm1::Image9MouseDown,  &TForm1::Image9Click,  &TForm1::Image8Click,
     "tool_save",       "Сохранить текст",  Qt::CTRL | Qt::Key_S},
    {&TForm1::Image13, &TForm1::Image12, &TForm1::Image11, &TForm1::Edit4,
     &TForm1::Image13MouseMove, &TForm1::Image12MouseDown, &TForm1::Image12Click, &TForm1::Image11Click,
     "tool_settings",   "Настройки",        Qt::CTRL | Qt::Key_Comma},
    {&TForm1::Image16, &TForm1::Image15, &TForm1::Image14, &TForm1::Edit5,
     &TForm1::Image16MouseMove, &TForm1::Image15MouseDown, &TForm1::Image15Click, &TForm1::Image14Click,
     "tool_about",      "О программе",      Qt::CTRL | Qt::Key_I},
};
// clang-format on

} // namespace MainWindowDesign

using namespace MainWindowDesign;

namespace {

const char *const Question = "Вы готовы узнать о себе?";
// The question stands where the design puts it, left of the centred loading line.
constexpr int QuestionLeft = 272;

// The intro animation: on reaching its counter value, a step hides and shows pictures in order.
// The last step also ends the animation with the question.
enum Look : bool { Hide = false, Show = true };
struct PictureChange {
    Look look;
    QLabel *TForm1::*picture;
};
struct IntroStep {
    int counter;
    std::initializer_list<PictureChange> changes;
};

// clang-format off
const IntroStep IntroSteps[] = {
    {29, {{Hide, &TForm1::Image1}, {Show, &TForm1::Image3}}},
    {28, {{Hide, &TForm1::Image3}, {Show, &TForm1::Image1}, {Hide, &TForm1::Image7}, {Show, &TForm1::Image6}}},
    {27, {{Hide, &TForm1::Image6}, {Show, &TForm1::Image7}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {26, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {25, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image1}, {Hide, &TForm1::Image3}, {Show, &TForm1::Image4}}},
    {24, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image7}, {Show, &TForm1::Image6}}},
    {23, {{Hide, &TForm1::Image6}, {Show, &TForm1::Image7}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {22, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {21, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image7}, {Hide, &TForm1::Image6}, {Show, &TForm1::Image5}}},
    {20, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {19, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {18, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image10}, {Hide, &TForm1::Image9}, {Show, &TForm1::Image8}}},
    {17, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {16, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image13}, {Hide, &TForm1::Image12}, {Show, &TForm1::Image11}}},
    {13, {{Hide, &TForm1::Image16}, {Hide, &TForm1::Image15}, {Show, &TForm1::Image14}}},
};
// clang-format on
const int IntroLastStep = 13;

} // namespace

TForm1::ToolPictures TForm1::tool(Tool which)
{
    const ToolDesign &design = ToolDesigns[which];
    return {this->*design.idle, this->*design.highlighted, this->*design.pressed,
            &(this->*design.hoverFlag)};
}

// A tip names the button's shortcut too, so the keyboard's way is found where the pointer's is.
void TForm1::setToolButtonHints(bool on)
{
    setExtraToolHints(on);
    for (int i = Back; i < ToolCount; ++i) {
        const QString keys = QKeySequence(ToolDesigns[i].keys).toString(QKeySequence::PortableText);
        tool(Tool(i)).highlighted->setToolTip(
            on ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(ToolDesigns[i].hint), keys)
               : QString());
    }
}

void TForm1::setIntroSpeed(int interval)
{
    Timer2->setInterval(interval);
}

void TForm1::startIntro()
{
    // Enabling a running timer leaves its count alone.
    if (!Timer2->isActive())
        Timer2->start();
}

void TForm1::hoverTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.idle->hide();
    pictures.highlighted->show();
    *pictures.hoverFlag = Codes::FlagOff;
}

void TForm1::pressTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.highlighted->hide();
    pictures.pressed->show();
}

void TForm1::releaseTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.pressed->hide();
    pictures.highlighted->show();
}

void TForm1::putToolsAtRest()
{
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        pictures.idle->show();
        pictures.highlighted->hide();
        pictures.pressed->hide();
    }
}

void TForm1::setPressedPicturesEnabled(bool enabled)
{
    for (int i = Back; i < ToolCount; ++i)
        tool(Tool(i)).pressed->setEnabled(enabled);
}

void TForm1::Image1MouseMove()
{
    hoverTool(Back);
}
void TForm1::Image3MouseDown()
{
    pressTool(Back);
}
void TForm1::Image4Click()
{
    releaseTool(Back);
}
void TForm1::Image7MouseMove()
{
    hoverTool(StartOver);
}
void TForm1::Image6MouseDown()
{
    pressTool(StartOver);
}
void TForm1::Image5Click()
{
    releaseTool(StartOver);
}
void TForm1::Image10MouseMove()
{
    hoverTool(Save);
}
void TForm1::Image9MouseDown()
{
    pressTool(Save);
}
void TForm1::Image8Click()
{
    releaseTool(Save);
}
void TForm1::Image13MouseMove()
{
    hoverTool(Settings);
}
void TForm1::Image12MouseDown()
{
    pressTool(Settings);
}
void TForm1::Image11Click()
{
    releaseTool(Settings);
}
void TForm1::Image16MouseMove()
{
    hoverTool(About);
}
void TForm1::Image15MouseDown()
{
    pressTool(About);
}
void TForm1::Image14Click()
{
    releaseTool(About);
}

void TForm1::Image3Click()
{
    releaseTool(Back);
    backAction();
}

void TForm1::Image6Click()
{
    releaseTool(StartOver);
    startOverAction();
}

void TForm1::Image9Click()
{
    releaseTool(Save);
    saveAction();
}

void TForm1::Image12Click()
{
    releaseTool(Settings);
    settingsAction();
}

void TForm1::Image15Click()
{
    releaseTool(About);
    aboutAction();
}

void TForm1::Image2MouseMove()
{
    for (int i = 0; i < ExtraToolCount; ++i)
        restExtraToolButton(i);
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        if (*pictures.hoverFlag == Codes::FlagOff) {
            pictures.highlighted->hide();
            pictures.pressed->hide();
            pictures.idle->show();
        }
    }
    if (Edit7 == Codes::FlagOff) {
        for (QLabel *TForm1::*label : MenuLabels)
            copyFont(Label11, this->*label);
        m_litMenuLabel = -1;
    }
    for (int i = Back; i < ToolCount; ++i)
        *tool(Tool(i)).hoverFlag = Codes::FlagOn;
    Edit7 = Codes::FlagOn;
}

void TForm1::backAction()
{
    const bool viewerHadFocus = Memo1->isAncestorOf(focusWidget());
    ListBox1->show();
    Memo1->hide();
    if (viewerHadFocus)
        ListBox1->setFocus();
}

void TForm1::settingsAction()
{
    if (runModal(Form6) != ModalAlreadyOpen)
        backFromModal();
}

void TForm1::aboutAction()
{
    // The about window open already stays as it is; this one would hide the main window.
    if (Form5) {
        raiseWindow(Form5);
        return;
    }
    hide();
    loadBackground(); // the about window draws over it
    runModal(Form5);
    backFromModal();
}

// Intro animation

void TForm1::Timer2Timer()
{
    const int counter = Edit6.toInt() - 1;
    Edit6 = QString::number(counter);
    for (const IntroStep &step : IntroSteps) {
        if (step.counter != counter)
            continue;
        if (counter == IntroLastStep)
            Timer2->stop();
        for (const PictureChange &change : step.changes)
            (this->*change.picture)->setVisible(change.look == Show);
        if (counter == IntroLastStep) {
            Label9->setText(QString::fromUtf8(Question));
            Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            Label9->move(QuestionLeft, Label9->y());
            Label9->adjustSize();
            Button1->show();
            Button2->show();
            Button1->setFocus();
        }
    }
}
