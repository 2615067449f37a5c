#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The main window: loading screen, intro animation, the question, then the system menu, the
// result list and the text viewer under five picture tool buttons.
class TForm1 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(QWidget *parent = nullptr);

    QLabel *Label9;   // "Загрузка", later the question
    QLabel *Image2;   // background picture
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7; // system menu
    QLabel *Image1, *Image3, *Image4;   // back: idle, highlighted, pressed
    QLabel *Image7, *Image6, *Image5;   // start over
    QLabel *Image10, *Image9, *Image8;  // save
    QLabel *Image13, *Image12, *Image11; // settings
    QLabel *Image16, *Image15, *Image14; // about
    QLabel *Label10;  // highlight font of the menu
    QLabel *Label11;  // normal font of the menu
    QPushButton *Button2; // "Нет"
    QPushButton *Button1; // "Да"
    QPlainTextEdit *Memo1; // text viewer
    QListWidget *ListBox1; // result list
    QTimer *Timer1; // start-up
    QTimer *Timer2; // intro animation

    // Hidden state fields.
    QString Edit1 = QStringLiteral("1"); // hover flags of the five tool buttons
    QString Edit2 = QStringLiteral("1");
    QString Edit3 = QStringLiteral("1");
    QString Edit4 = QStringLiteral("1");
    QString Edit5 = QStringLiteral("1");
    QString Edit6 = QStringLiteral("30"); // animation counter
    QString Edit7 = QStringLiteral("1");  // menu hover flag

    // The text viewer's lines, replaced as a whole.
    void setMemoLines(const QStringList &lines);
    QStringList memoLines() const;

    // Switches the tips of the five highlighted tool pictures on or off.
    void setToolButtonHints(bool on);

    void FormActivate();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_placed = false;
};
