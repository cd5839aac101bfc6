#pragma once
// The main window's controls, as the layout code creates them. The window
// keeps them to itself; tests and tools reach them through TForm1::Ui().

class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimeEdit;
class QTimer;
class QWidget;
class PageControl;
class PortBox;
class StatusBar;
class StringGrid;
class TComm;

struct Form1Ui {
    // ---- top bar
    QFrame* pnl4;
    QLabel* lbl3;
    PortBox* cbb9;
    QPushButton* btn8;
    QLabel* lbl4;
    QLineEdit* edt3;
    QPushButton* btn1;
    QPushButton* btn24; // hidden: set the device clock
    QPushButton* btn25; // hidden: check mode
    QPushButton* btn4;  // hidden test buttons
    QPushButton* btn12;
    QPushButton* btn27; // hidden: shows Form7
    QPushButton* btn28;
    QLineEdit* edt1; // hidden

    // ---- tabs
    PageControl* pgc1;
    QWidget* ts1;
    QWidget* ts2;
    QWidget* ts3;
    QWidget* ts4;

    // ---- basic settings
    QFrame* pnl14;
    QPushButton* btn21;
    QPushButton* btn22;
    QPushButton* btn16;
    QPushButton* btn17;
    StringGrid* strngrd_write;
    QComboBox* cbb1;
    QComboBox* cbb2;
    QComboBox* cbb4;
    QComboBox* cbb3;
    QComboBox* cbb10;
    QComboBox* cbb12;

    // ---- number list
    QScrollArea* scrlbx1;
    QFrame* pnl6;
    QPushButton* btn10;
    QPushButton* btn9;
    QPushButton* btn14;
    QPushButton* btn15;
    QPushButton* btn3;
    QPushButton* btn6;
    QPushButton* btn7;
    QPushButton* btn11; // hidden
    StringGrid* strngrd3;
    QFrame* Panel1;
    QDateEdit* dtp_startdate;
    QTimeEdit* dtp_starttime;
    QDateEdit* dtp_enddate;
    QTimeEdit* dtp_endtime;

    // ---- history
    QScrollArea* scrlbx3;
    QFrame* pnl3;
    QPushButton* btn19;
    QLabel* lbl1;
    QDateEdit* dtp1;
    QTimeEdit* dtp2;
    QLabel* lbl2;
    QDateEdit* dtp3;
    QTimeEdit* dtp4;
    QPushButton* btn20;
    QFrame* pnl7;
    QPushButton* btn18;
    QPushButton* btn13;
    QPushButton* btn23;
    QPushButton* btn2; // hidden
    QPushButton* btn5; // hidden
    QFrame* Panel2;
    QScrollArea* ScrollBox2;
    StringGrid* strngrd4;

    // ---- help
    QFrame* pnl1;
    QLabel* img4;
    QPlainTextEdit* mmo1; // hidden

    // ---- status bar
    StatusBar* stat1;
    QProgressBar* pb1;
    QLabel* img1; // red: port closed
    QLabel* img2; // green: port open

    QTimer* tmr1; // receive timeout
    QTimer* tmr2; // clears the status text
    TComm* cm1;
};
