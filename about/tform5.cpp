#include "about/tform5.h"

TForm5::TForm5(QWidget *parent) : QDialog(parent) {}
