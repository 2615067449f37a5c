#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

// Moves, presses and releases the mouse over a window the way the window system delivers them:
// to the child under the pointer, or to the child holding the implicit grab of a press.
class Pointer
{
public:
    explicit Pointer(QWidget *window) : m_window(window) {}

    void move(QPoint pos) { send(QEvent::MouseMove, pos, Qt::NoButton); }

    void press(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        m_buttons |= button;
        send(QEvent::MouseButtonPress, pos, button);
    }

    void release(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        m_buttons &= ~button;
        send(QEvent::MouseButtonRelease, pos, button);
        if (m_buttons == Qt::NoButton)
            m_grab = nullptr;
    }

    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        press(pos, button);
        release(pos, button);
    }

private:
    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button)
    {
        QWidget *target = m_grab ? m_grab.data() : m_window->childAt(pos);
        if (!target)
            target = m_window;
        if (type == QEvent::MouseButtonPress && !m_grab)
            m_grab = target;
        const QPointF local = target->mapFrom(m_window, pos);
        QMouseEvent event(type, local, target->mapToGlobal(local), button, m_buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    QWidget *m_window;
    QPointer<QWidget> m_grab;
    Qt::MouseButtons m_buttons;
};
