#pragma once

#include <QDialog>

// The settings window.
class TForm6 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(QWidget *parent = nullptr);
};
