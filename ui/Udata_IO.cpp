#include "ui/Udata_IO.h"

TForm6::TForm6(QWidget *parent) : QWidget(parent) {}
