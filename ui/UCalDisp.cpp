#include "ui/UCalDisp.h"

TForm3::TForm3(QWidget *parent) : QWidget(parent) {}
