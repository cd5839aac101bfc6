#include "Unit1.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Trelmo GSM Gate Opener PC Configuration Software V 1.7.2");
    setFixedSize(1150, 670);
}
