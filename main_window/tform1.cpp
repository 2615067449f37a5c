#include "main_window/tform1.h"

#include "app/forms.h"
#include "engine/tform2.h"
#include "wizard/tform3.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

QFont pixelFont(const QString &family, int pixels, bool bold = false, bool underline = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

const char *const MenuTitles[] = {
    "Астрологический гороскоп (знак зодиака)",  "Китайский гороскоп (по году рождения)",
    "Японский гороскоп (по году рождения)",     "Гороскоп друидов (дерево жизни)",
    "Цветочный гороскоп (растение - талисман)", "Мифологический гороскоп (тёмные стороны души)",
    "Древних Ариев (год рождения - год зверя)",
};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Orlenta"));
    setFixedSize(817, 578);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    // Creation order is painting order: later controls lie over earlier ones.
    Label9 = new QLabel(QStringLiteral("Загрузка"), this);
    Label9->setFont(pixelFont(QStringLiteral("Times New Roman"), 24));
    setTextColor(Label9, Qt::red);
    Label9->move(272, 288);
    Label9->adjustSize();

    Image2 = new QLabel(this);
    Image2->setGeometry(0, 0, 817, 577);
    Image2->setScaledContents(true);
    Image2->hide();

    QLabel **menu[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    for (int i = 0; i < 7; ++i) {
        QLabel *label = new QLabel(QString::fromUtf8(MenuTitles[i]), this);
        label->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
        label->move(40, 152 + 40 * i);
        label->adjustSize();
        label->hide();
        *menu[i] = label;
    }

    struct Picture {
        QLabel **label;
        int left;
    };
    const Picture pictures[] = {
        {&Image4, 8},    {&Image5, 104},  {&Image6, 104},  {&Image7, 104},  {&Image8, 200},
        {&Image9, 200},  {&Image10, 200}, {&Image11, 296}, {&Image12, 296}, {&Image13, 296},
        {&Image14, 392}, {&Image15, 392}, {&Image16, 392}, {&Image3, 8},    {&Image1, 8},
    };
    for (const Picture &picture : pictures) {
        QLabel *label = new QLabel(this);
        label->setGeometry(picture.left, 8, 69, 68);
        label->hide();
        *picture.label = label;
    }
    for (QLabel *idle : {Image1, Image7, Image10, Image13, Image16})
        idle->show();
    for (QLabel *pressed : {Image4, Image5, Image8, Image11, Image14})
        pressed->setEnabled(false);

    Label10 = new QLabel(this);
    Label10->setFont(pixelFont(QStringLiteral("System"), 13, true, true));
    setTextColor(Label10, Qt::gray);
    Label10->move(88, 464);
    Label10->hide();
    Label11 = new QLabel(this);
    Label11->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
    Label11->move(88, 504);
    Label11->hide();

    Button2 = new QPushButton(QStringLiteral("Нет"), this);
    Button2->setGeometry(408, 336, 81, 25);
    Button2->hide();
    Button1 = new QPushButton(QStringLiteral("Да"), this);
    Button1->setGeometry(312, 336, 81, 25);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(416, 80, 401, 497);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::Box);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    Memo1->hide();

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(416, 80, 401, 497);
    ListBox1->setFrameShape(QFrame::Box);
    ListBox1->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
    ListBox1->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(150);

    Timer1->start();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        // The main form is active once the message loop shows it, even where no window manager
        // hands out activation.
        FormActivate();
    }
    QWidget::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

void TForm1::FormActivate()
{
    if (Form2 && Form2->Edit1 == QLatin1String("777")) {
        Form3->show();
        Form2->Edit1 = QStringLiteral("999");
    }
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    hide();
}

void TForm1::Button1Click()
{
    Button1->hide();
    Button2->hide();
    Image2->show();
    ListBox1->show();
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        label->show();

    const QLabel *const rest[][3] = {
        {Image1, Image3, Image4},    {Image7, Image6, Image5},    {Image10, Image9, Image8},
        {Image13, Image12, Image11}, {Image16, Image15, Image14},
    };
    for (const auto &button : rest) {
        const_cast<QLabel *>(button[0])->show();
        const_cast<QLabel *>(button[1])->hide();
        const_cast<QLabel *>(button[2])->hide();
    }
    for (QLabel *pressed : {Image4, Image5, Image8, Image11, Image14})
        pressed->setEnabled(true);

    if (Form2->Edit17 == QLatin1String("1"))
        setToolButtonHints(true);
    else if (Form2->Edit17 == QLatin1String("0"))
        setToolButtonHints(false);
}

void TForm1::setToolButtonHints(bool on)
{
    const QString hints[] = {QStringLiteral("Назад"), QStringLiteral("Посчитать с нуля"),
                             QStringLiteral("Сохранить текст"), QStringLiteral("Настройки"),
                             QStringLiteral("О программе")};
    QLabel *highlighted[] = {Image3, Image6, Image9, Image12, Image15};
    for (int i = 0; i < 5; ++i)
        highlighted[i]->setToolTip(on ? hints[i] : QString());
}

void TForm1::setMemoLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(u'\n'));
}

QStringList TForm1::memoLines() const
{
    return Memo1->toPlainText().split(u'\n');
}

void TForm1::Button2Click()
{
    QCoreApplication::quit();
}
