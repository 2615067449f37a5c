#pragma once

#include "engine/people.h"
#include "engine/sky.h"
#include "sky/sky_calendar.h"

#include <QDate>
#include <QDialog>
#include <QHash>
#include <QSet>

#include <memory>

class MoonPicture;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTimer;

// «Небо»: the sky of a chosen day at the user's place — rises and sets, the lunar days, the
// Moon's sign and phase with their texts, and a note for the sign of the person the main window
// shows; on that person's birthday, the Moon and the Sun of the day of birth. It stays open beside
// the main window, which saves what it shows when asked.
class SkyWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkyWindow)

public:
    // `programDir` holds the texts, `placePath` is the user's file of the chosen place; `person`
    // has no valid birth date when the main window shows none; `textSize` in percent.
    SkyWindow(const QString &programDir, const QString &placePath, const Person &person,
              int textSize, QWidget *parent = nullptr);
    ~SkyWindow() override;

    QDate day() const { return m_day; }
    const Sky::Place &place() const { return m_place; }
    int textSize() const { return m_textSize; }

    void showDay(const QDate &date);
    void stepDay(int days);
    void showToday();
    void showBirthDay();
    void setPerson(const Person &person);
    // Returns whether the table has a city of that name.
    bool chooseCity(const QString &name);
    void choosePlace(const Sky::Place &place);
    // Asks for a place by latitude, longitude and zone.
    void askForPlace();
    void setTextSize(int percent);

    // What the window shows, to be saved or printed.
    QStringList lines() const;
    QString html() const;
    QString suggestedName() const;
    void save();
    void print();

    SkyCalendar *calendar() const { return m_calendar; }
    QLineEdit *cityField() const { return m_city; }
    QTextBrowser *text() const { return m_text; }
    QLabel *heading() const { return m_heading; }
    MoonPicture *moon() const { return m_moon; }
    QTimer *midnightTimer() const { return m_midnight; }

signals:
    void saveRequested(const QStringList &lines, const QString &suggestedName);
    void textSizeChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Section {
        QString title;
        QStringList paragraphs;
        bool group = false; // heads the texts that follow it
    };

    void build();
    const QList<Sky::DaySky> &monthSky(int year, int month);
    void markMonth(int year, int month);
    void fill();
    void addTexts(const QString &group, const QStringList &fileNames,
                  const QStringList &firstParagraphs = {});
    void applyTextSize();
    void armMidnight();
    void midnight();

    QString m_programDir;
    QString m_placePath;
    Person m_person;
    int m_userSign = -1;
    Sky::Place m_place;
    std::unique_ptr<Sky::Calculator> m_calculator;
    QHash<int, QList<Sky::DaySky>> m_months; // by year * 12 + month - 1
    QDate m_day;
    bool m_followsToday = false;
    QStringList m_report;
    QList<Section> m_sections;
    QSet<QString> m_failedTexts; // said once each
    bool m_textFailureShown = false;
    int m_textSize;
    int m_wheelRest = 0;

    QLabel *m_heading;
    MoonPicture *m_moon;
    SkyCalendar *m_calendar;
    QLineEdit *m_city;
    QLabel *m_placeNote;
    QTextBrowser *m_text;
    QPushButton *m_previous, *m_next, *m_today, *m_birthday, *m_otherPlace, *m_save, *m_close;
    QTimer *m_midnight;
};
