#pragma once

#include "main_window/text_viewer.h"
#include "toolkit/text_list.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

struct Person;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class HelpWindow;
class SaveDialog;
class SkyWindow;
class ToolButton;

// The main window: loading screen, intro animation, the question, then the system menu, the
// result list and the text viewer under five picture tool buttons.
class TForm1 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QLabel *Label9; // "Загрузка", later the question
    QLabel *Image2; // background picture
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7; // system menu
    QLabel *Image1, *Image3, *Image4;    // back: idle, highlighted, pressed
    QLabel *Image7, *Image6, *Image5;    // start over
    QLabel *Image10, *Image9, *Image8;   // save
    QLabel *Image13, *Image12, *Image11; // settings
    QLabel *Image16, *Image15, *Image14; // about
    QLabel *Label10;                     // highlight font of the menu
    QLabel *Label11;                     // normal font of the menu
    QPushButton *Button2;                // "Нет"
    QPushButton *Button1;                // "Да"
    TextViewer *Memo1;                   // text viewer
    QListWidget *ListBox1;               // result list
    QTimer *Timer1;                      // start-up
    QTimer *Timer2;                      // intro animation

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

    // What the other windows do to this one: switch from the list to the viewer showing these
    // lines or a text file's, replace the result rows, set the intro animation's tick, and start
    // the animation. A file that cannot be read fails with the list already hidden.
    // `title` names the text, as a suggested file name does.
    void showTextLines(const QStringList &lines, const QString &title = QString());
    Result<> showTextFile(const QString &path);
    void showResultRows(const QStringList &rows);
    // The accepted birth date, in the title and above a saved list.
    void showBirthDate(const QDate &date);
    QDate birthDate() const { return m_birthDate; }

    // What a save suggests as the file's name: "Гороскоп 1985-03-21.txt" for the list, the text's
    // title for a text.
    QString suggestedSaveName() const;

    // The text size of the list and the viewer, in percent of the design's, kept for the user.
    int textSize() const { return m_textSize; }
    void setTextSize(int percent);
    void stepTextSize(int steps);
    void setIntroSpeed(int interval);
    void startIntro();

    // The background picture as loaded so far: null until the menu or the about window first
    // needed it.
    QPixmap backgroundPicture() const;

    // The people and the compatibility report: a person's seven signs and name go into the list
    // and the title as if the wizard had found them; lines are saved as a shown text would be.
    void showPerson(const Person &person);
    void saveLines(const QStringList &lines, const QString &suggestedName);
    void peopleAction();
    void compatibilityAction(const Person &first);
    // Opens «Небо» beside this window, or brings the open one forward.
    void skyAction();
    SkyWindow *skyWindow() const;
    // The person whose date the list shows: named when the user keeps someone born that day.
    Person shownPerson() const;
    // Starts with «Небо» open for today and the remembered date's signs, without the wizard.
    void openSkyAtStart();
    // Our own tool buttons after the design's five: people, sky, compatibility.
    static constexpr int ExtraToolCount = 3;

    // What is shown, as a copy, a printout or a saved text heads it: the list's date, or the
    // date with the sign and system of the text; empty for a text about no sign (the licence).
    QString shownHeader() const;
    // Ctrl+C with nothing selected, Ctrl+P, Ctrl+Shift+S and F1.
    void copyShown();
    void printAction();
    void bookletAction(const Person &person);
    void helpAction();

    // Switches the tips of the five highlighted tool pictures on or off.
    void setToolButtonHints(bool on);

    // Asks for the name a save writes to; empty when the user cancels. Runs SaveDialog1 unless a
    // test puts something else here. The dialog's file type goes to saveEncoding.
    std::function<QString()> chooseSaveFile;
    TextList::Encoding saveEncoding() const { return m_saveEncoding; }
    void setSaveEncoding(TextList::Encoding encoding);
    SaveDialog *SaveDialog1 = nullptr; // made on first use
    // Asks where the booklet goes, the suggested name given; empty when the user cancels.
    std::function<QString(const QString &suggested)> chooseBookletFile;
    // The help in the viewer, as the about window's «Справка» shows it.
    void showHelpText();
    HelpWindow *helpWindow() const { return m_help; }

    void FormActivate();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();

    // System menu.
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void Label1MouseMove();
    void Label2MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label5MouseMove();
    void Label6MouseMove();
    void Label7MouseMove();

    void ListBox1DblClick();

    // Tool buttons: pointer over the idle picture, press and click on the highlighted one, click
    // on the pressed one.
    void Image1MouseMove();
    void Image3MouseDown();
    void Image3Click();
    void Image4Click();
    void Image7MouseMove();
    void Image6MouseDown();
    void Image6Click();
    void Image5Click();
    void Image10MouseMove();
    void Image9MouseDown();
    void Image9Click();
    void Image8Click();
    void Image13MouseMove();
    void Image12MouseDown();
    void Image12Click();
    void Image11Click();
    void Image16MouseMove();
    void Image15MouseDown();
    void Image15Click();
    void Image14Click();
    void Image2MouseMove(); // over the background: hover looks end

    void Timer2Timer(); // intro animation

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLoadingScreen();
    void buildMenu();
    void buildToolButtons();
    void buildQuestion();
    void buildTextArea();
    void buildTimersAndShortcuts();
    void buildPrintAndHelpKeys();
    bool copyKey(QObject *watched, QEvent *event);
    QStringList shownLines() const;
    void setTabChain();
    int menuIndex(const QObject *object) const;
    bool menuKeyPress(int index, QKeyEvent *event);
    void unlightMenuLabelLeft(int index);
    void backFromModal();
    void loadRememberedChoices();
    void applyTextSize();
    void wheelTextSize(int delta);
    void returnFromWizard();
    void setMenuTabbed(bool tabbed);

    void showSignsOf(const QDate &date);
    void startWithSky();
    void buildExtraToolButtons();
    void restExtraToolButton(int index);
    void setExtraToolHints(bool on);
    // The report of `first` and `second` (when valid) among the people, else of `first` and the
    // one the report picks.
    void compare(const QList<Person> &people, const Person &first, const Person &second);
    void showTable(const QList<Person> &people);
    QString peopleFilePath() const;

    enum Tool { Back, StartOver, Save, Settings, About, ToolCount };
    struct ToolPictures {
        QLabel *idle;
        QLabel *highlighted;
        QLabel *pressed;
        QString *hoverFlag;
    };
    ToolPictures tool(Tool which);

    void hoverTool(Tool which);
    void pressTool(Tool which);
    void releaseTool(Tool which);
    void putToolsAtRest();
    void setPressedPicturesEnabled(bool enabled);

    void backAction();
    void startOverAction();
    void saveAction();
    void settingsAction();
    void aboutAction();

    void highlightMenuLabel(int index);
    void chooseSystem(int number);
    void loadBackground();
    void describeForScreenReaders();
    void sizeMenuLabels();

    ToolButton *m_toolButtons[ToolCount] = {};
    int m_litMenuLabel = -1;     // the menu label in the highlight font, if any
    bool m_listHadFocus = false; // while a text replaces the list
    bool m_placed = false;
    bool m_menuSized = false;
    QLabel *m_menuPressed = nullptr; // the menu label a left press began on
    QString m_saveFileName;          // what the save dialog gave, read by the engine's save
    QDate m_birthDate;
    QString m_textTitle;  // what the viewer shows, as a file name would say it
    QString m_textPath;   // the file the viewer shows, if it shows one
    QString m_personName; // of the person the signs are shown for, when one was chosen
    int m_textSize = 100;
    int m_wheelRest = 0; // a wheel's turn not yet a whole step of the text size
    bool m_choicesLoaded = false;
    bool m_textSizeFailureShown = false;
    TextList::Encoding m_saveEncoding = TextList::Encoding::Utf8;
    int m_rowHeight = 19; // of the result list, grown with the text

    // The main window as start over found it, for a way back from the wizard.
    struct BeforeStartOver;
    std::unique_ptr<BeforeStartOver> m_beforeStartOver;
    QString m_suggestedName; // a save of lines suggests this name instead
    struct ExtraTool {
        QLabel *idle = nullptr, *lit = nullptr, *pressed = nullptr;
        ToolButton *button = nullptr;
    };
    ExtraTool m_extraTools[ExtraToolCount];
    bool m_extraHintsOn = true;
    bool m_skyAtStart = false;
    QPointer<SkyWindow> m_skyWindow;
    HelpWindow *m_help = nullptr; // made at the first F1, a child of this window
};
