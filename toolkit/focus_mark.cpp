#include "toolkit/focus_mark.h"

#include <QKeyEvent>
#include <QPainter>

bool isActivationKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    return others == Qt::NoModifier &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

void paintFocusMark(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.save();
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

FocusLabel::FocusLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void FocusLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusMark(painter, rect(), palette().color(QPalette::WindowText));
    }
}

void FocusLabel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
}

void FocusLabel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
}

SpeedButton::SpeedButton(QWidget *parent) : QToolButton(parent)
{
    setAutoRaise(true);
}

void SpeedButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isActivationKey(event) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void SpeedButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusMark(painter, rect().adjusted(2, 2, -2, -2),
                       palette().color(QPalette::ButtonText));
    }
}
