#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QTimer;
class QToolButton;

// The birth-date wizard: a borderless window, see-through wherever its green background shows, in
// which the user picks the year, the month and the day. It writes the date into the engine's
// fields, runs the six computations and hands the result lines to the main window.
class TForm3 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Creation order is painting order: the page frames lie under everything else.
    QLabel *Image1, *Image2, *Image3; // page frames
    QLabel *Image4;                   // speech bubble
    QLabel *Image5;                   // back arrow
    QLabel *Image6;                   // back arrow, highlighted
    QLabel *Label1;                   // prompt
    QLabel *Label2;                   // date line
    QComboBox *ComboBox1;             // years
    QComboBox *ComboBox2;             // months
    QComboBox *ComboBox3;             // days of the chosen month
    QToolButton *SpeedButton1;        // leaves the greeting
    QToolButton *SpeedButton2;        // accepts the year
    QToolButton *SpeedButton3;        // accepts the month
    QToolButton *SpeedButton4;        // accepts the day
    QTimer *Timer1;                   // greeting to year
    QTimer *Timer2;                   // year to month
    QTimer *Timer3;                   // month to day
    QTimer *Timer4;                   // back to the year
    QTimer *Timer5;                   // back to the month
    QTimer *Timer6;                   // closing

    // Day lists the month step copies into ComboBox3: 31, 30, 29 and 28 days.
    const QStringList ComboBox4, ComboBox5, ComboBox6, ComboBox7;

    // Hidden state fields.
    QString Edit1 = QStringLiteral("0"); // "1" when the accepted year is a leap year
    QString Edit2 = QStringLiteral("1"); // "0" while the highlighted arrow shows after a hover
    QString Edit3;                       // accepted year, "1985"
    QString Edit4;                       // accepted month in the genitive, " января "
    QString Edit5;                       // accepted day, "15"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    void Timer6Timer();
    void Image4MouseMove();
    void Image5MouseMove();
    void Image6Click();

    // The wizard's share of the engine's reset: back to the greeting, the last accepted date in
    // the lists.
    void reset();

    // Says in the bubble, in the prompt's place, why the step's text was not taken, for the eye
    // and for a screen reader; the keyboard stays in the step's list. The line goes, and the
    // prompt comes back, when a step is accepted or the user goes back.
    void refuse(const QString &line);
    void clearRefusal();
    QLabel *refusalLine() const { return m_refusal; }

    // Set when the wizard opens over a window it can return to: Escape, or closing the wizard,
    // runs it instead of ending the program. Cleared once a date is accepted.
    std::function<void()> wayBack;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applySpeed();
    void fillDate(const QDate &date);
    void rememberDate(const QDate &date);
    void goBack();
    QComboBox *currentList() const;
    void setDateLine();
    void setPrompt(const QString &text);
    enum class Step { Year, Month, Day };
    void showStep(Step step);
    void endTransition(QTimer *timer, const QLabel *last, Step step);
    void advance(QLabel *from, QLabel *to);
    void hideStep(QComboBox *list, QToolButton *button);
    void loadPictures();
    void describeForScreenReaders();
    void loadPageFrames();
    void scheduleMaskUpdate();
    void updateMask();

    QLabel *m_refusal;
    QDate m_lastDate; // the last accepted birth date, the one the lists start from
    bool m_picturesLoaded = false;
    bool m_framesLoaded = false;
    QTimer *m_maskTimer;
};
