#pragma once

#include "layout.h"

#include <QString>

#include <array>

class Form1;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of one Form1 that the monkey presses and reads, found once by
// their names as the window gives them.
struct FormView {
    explicit FormView(const Form1& form);

    struct Pair {
        drill::Quantity quantity;
        QLabel* label;
        QLineEdit* box;
    };
    std::array<Pair, drill::kPairedQuantities.size()> pairs{};
    std::array<QLineEdit*, 11> progressCells{}; // Text1(1) to Text1(10); [0] unused
    std::array<QLineEdit*, 11> markCells{};     // Text2(1) to Text2(10); [0] unused
    std::array<QPushButton*, 12> keypad{};      // Command2(0) to Command2(11)
    QLineEdit* entry = nullptr;                 // Text7
    QLineEdit* scoreBox = nullptr;              // Text12
    QLabel* title = nullptr;                    // Label10
    QLabel* message = nullptr;                  // Label9
    QPushButton* exitButton = nullptr;          // Command1
    QPushButton* enterButton = nullptr;         // Command3
    QPushButton* nextButton = nullptr;          // Command5

    // False when some control was not found.
    bool complete = false;
};
