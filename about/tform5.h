#pragma once

#include <QDialog>

// The about window.
class TForm5 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(QWidget *parent = nullptr);
};
