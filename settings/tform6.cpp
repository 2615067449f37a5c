#include "settings/tform6.h"

TForm6::TForm6(QWidget *parent) : QDialog(parent) {}
