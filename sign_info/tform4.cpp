#include "sign_info/tform4.h"

#include "app/forms.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "sign_info/sign_texts.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/focus_mark.h"
#include "toolkit/window_owner.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QToolButton>

#include <algorithm>

TForm4::TForm4(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFixedSize(DesignWidth, DesignHeight);
    setDesignFont(this);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);

    const auto makeButton = [this](const QString &caption, int top) {
        auto *button = new SpeedButton(this);
        button->setText(caption);
        button->setGeometry(8, top, 249, 25);
        return button;
    };
    SpeedButton1 = makeButton(QStringLiteral("Общая характеристика"), 8);
    SpeedButton3 = makeButton(QStringLiteral("О Вашем знаке"), 48);
    SpeedButton4 = makeButton(QStringLiteral("Отмена"), 96);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm4::SpeedButton4Click);
    belongToMainWindow(this);
}

bool TForm4::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TForm4::showEvent(QShowEvent *event)
{
    // Without a window manager nothing may activate the chooser; it must still be set up.
    FormActivate();
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void TForm4::FormActivate()
{
    setWindowTitle(Form2->Edit1);
    // The zodiac has no general characteristic to offer.
    const SystemInfo *info = systemByNumber(Form2->Edit16);
    if (info && info->system == System::Zodiac)
        SpeedButton1->hide();
    fitToTitleAndButtons();
}

void TForm4::fitToTitleAndButtons()
{
    // A title bar, the window manager's or Qt's own, holds the whole title beside its icon and
    // buttons; the buttons close up where the general characteristic is not offered.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = std::max(
        DesignWidth, QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + TitleBarAllowance);
    const int gap = SpeedButton1->isHidden() ? 40 : 0; // the general characteristic's row
    setFixedSize(width, DesignHeight - gap);
    for (QToolButton *button : {SpeedButton1, SpeedButton3, SpeedButton4})
        button->resize(width - 19, button->height());
    SpeedButton3->move(8, 48 - gap);
    SpeedButton4->move(8, 96 - gap);
}

void TForm4::showText(const QString &path)
{
    // A text that cannot be read leaves the chooser open, the error box over it.
    if (const Result<> shown = Form1->showTextFile(path); !shown)
        showErrorBox(shown.failure());
    else
        close();
}

void TForm4::SpeedButton1Click()
{
    const SystemInfo *info = systemByNumber(Form2->Edit16);
    // The zodiac has no general characteristic.
    if (info && info->system != System::Zodiac)
        showText(generalTextPath(Form2->Edit15, info->system));
}

void TForm4::SpeedButton3Click()
{
    if (const SystemInfo *info = systemByNumber(Form2->Edit16))
        showText(userSignTextPath(*Form2, info->system));
}

void TForm4::SpeedButton4Click()
{
    close();
}
