#include "sky/sky_calendar.h"

#include "sky/moon_picture.h"

#include <QPainter>

SkyCalendar::SkyCalendar(QWidget *parent) : QCalendarWidget(parent)
{
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setFirstDayOfWeek(Qt::Monday);
    setMinimumSize(330, 250);
}

void SkyCalendar::setMarks(const QHash<QDate, Mark> &marks)
{
    m_marks = marks;
    updateCells();
}

void SkyCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    const auto found = m_marks.constFind(date);
    if (found == m_marks.cend())
        return;
    // Over the cell's own background, which the calendar paints whole.
    if (found->inUserSign)
        painter->fillRect(rect.adjusted(1, 1, -1, -1), QColor(255, 190, 60, 110));
    const qreal size = std::min(rect.height() * 0.42, rect.width() * 0.32);
    const QRectF disc(rect.right() - size - 2, rect.bottom() - size - 2, size, size);
    paintMoon(*painter, disc, found->lit, found->brightRight);
    if (found->principalPhase) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(200, 120, 20), 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(disc.adjusted(-1.5, -1.5, 1.5, 1.5));
        painter->restore();
    }
}
