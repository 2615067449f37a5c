#include "wizard/tform3.h"

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setFixedSize(464, 388);
}

void TForm3::reset() {}
