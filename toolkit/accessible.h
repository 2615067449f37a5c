#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

// How a screen reader sees a control whose Qt class says something else: a picture that works as
// a button, a label that is a menu item or a link, a window drawn as a plain widget, a list box
// that must be called by its name rather than by its value. The control is reported with the
// role and the name given; `press` becomes its press action, run from the event loop.
void describeControl(QWidget *widget, QAccessible::Role role, const QString &name,
                     std::function<void()> press = {});

// A picture or a font template that carries nothing for a listener: left out of its window's
// children.
void describeAsDecoration(QWidget *widget);
