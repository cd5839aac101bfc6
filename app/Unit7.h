#pragma once
// A small list window: a position list of up to 1000 entries.

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class StringGrid;

class TForm7 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 291;
    static constexpr int kHeight = 376;

    explicit TForm7(QWidget* parent = nullptr);

    QFrame* pnl1;
    QLabel* lbl1;
    StringGrid* strngrd1;
    QFrame* pnl2;
    QPushButton* btn1;

private:
    void FormCreate();
};
