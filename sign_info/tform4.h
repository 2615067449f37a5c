#pragma once

#include <QDialog>

// The sign information chooser.
class TForm4 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget *parent = nullptr);
};
