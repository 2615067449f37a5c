#pragma once

#include <QCalendarWidget>
#include <QHash>

// A month calendar whose cells also show each day's Moon and mark the days the Moon spends in the
// user's sign. Arrows move the day, Page Up and Page Down the month.
class SkyCalendar : public QCalendarWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkyCalendar)

public:
    struct Mark {
        double lit = 0;
        bool brightRight = true;
        bool principalPhase = false; // new, full moon or a quarter falls in the day
        bool inUserSign = false;
    };

    explicit SkyCalendar(QWidget *parent = nullptr);

    void setMarks(const QHash<QDate, Mark> &marks);
    Mark mark(const QDate &date) const { return m_marks.value(date); }

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    QHash<QDate, Mark> m_marks;
};
