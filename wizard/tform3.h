#pragma once

#include <QWidget>

// The birth-date wizard: a borderless, see-through window in which the user picks the year, the
// month and the day.
class TForm3 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The wizard's share of the engine's reset: back to the greeting.
    void reset();
};
