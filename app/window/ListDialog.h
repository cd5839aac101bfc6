#pragma once
// A small list window: a position list of up to 1000 entries.

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class StringGrid;

class ListDialog : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 291;
    static constexpr int kHeight = 376;

    explicit ListDialog(QWidget* parent = nullptr);

    QFrame* topPanel;
    QLabel* topLabel;
    StringGrid* positionGrid;
    QFrame* bottomPanel;
    QPushButton* okButton;

private:
    void Initialise();
};
