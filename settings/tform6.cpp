#include "settings/tform6.h"

#include "app/forms.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/window_owner.h"
#include "ui_tform6.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QShowEvent>

TForm6::TForm6(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_ui(std::make_unique<Ui::TForm6>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    setDesignFont(this);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);
    setAutoFillBackground(true);

    CheckBox1 = m_ui->CheckBox1;
    RadioGroup1 = m_ui->RadioGroup1;
    Button1 = m_ui->Button1;
    Button2 = m_ui->Button2;
    RadioGroup1Items = new QButtonGroup(this);
    RadioGroup1Items->addButton(m_ui->RadioItem0, 0);
    RadioGroup1Items->addButton(m_ui->RadioItem1, 1);
    RadioGroup1Items->addButton(m_ui->RadioItem2, 2);

    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
    belongToMainWindow(this);
}

TForm6::~TForm6() = default;

// The window is modal and lives for one showing, so it is activated exactly once, when shown;
// coming back from another program must not undo choices not yet saved.
void TForm6::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    // At the centre of the desktop, as designed, not where Qt centres a dialog of the main window.
    centreOnScreen(this);
    QDialog::showEvent(event);
}

// Return saves through the default button; Escape is the cancel button's click.
void TForm6::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm6::FormActivate()
{
    CheckBox1->setChecked(hintsShown(Form2->Edit17).value_or(false));
    // The radio items stand for the speeds in the table's order.
    if (const AnimationSpeed *speed = animationSpeed(Form2->Edit18))
        RadioGroup1Items->button(int(speed - AnimationSpeeds))->setChecked(true);
    m_shownHints = CheckBox1->isChecked();
    m_shownSpeed = RadioGroup1Items->checkedId();
}

void TForm6::Button1Click()
{
    // Only what the user changed here is written over the file, which another running copy of
    // the program may have saved meanwhile; no item selected keeps the speed.
    const int item = RadioGroup1Items->checkedId();
    std::optional<QString> speed;
    if (item >= 0 && item != m_shownSpeed)
        speed = QString(AnimationSpeeds[item].setting);
    std::optional<QString> hints;
    if (CheckBox1->isChecked() != m_shownHints || !hintsShown(Form2->Edit17))
        hints = QString(hintSetting(CheckBox1->isChecked()));
    // The file first: when it cannot be written, the error box shows, the window stays open and
    // neither the file nor the program's state has changed.
    if (const Result<> saved = Form2->saveSettings(hints, speed); !saved) {
        showErrorBox(saved.failure());
        return;
    }
    if (const std::optional<bool> shown = hintsShown(Form2->Edit17))
        Form1->setToolButtonHints(*shown);
    accept();
}

void TForm6::Button2Click()
{
    reject();
}
