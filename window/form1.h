#pragma once

#include "control_array.h"
#include "drawing_surface.h"
#include "drill_state.h"
#include "layout.h"
#include "random_source.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The drill's one window: the controls as laid out, the handlers bound to
// them, and the circuit figure on its drawing surface. The drill logic
// decides; the window applies what it decides to the controls.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(drill::RandomSource& random, const drill::Clock& clock, QWidget* parent = nullptr);

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click(int Index);
    void Command3_Click();
    void Command5_Click();

    const drill::DrillState& State() const { return state_; }
    const DrawingSurface& Surface() const { return surface_; }

  signals:
    // The program is to end now: the exit button, the window closed, or the
    // next button on the tenth question.
    void programEnded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void DescribeForScreenReaders();
    void BindHandlers();
    void SetTabOrder();
    void CentreOnScreen();

    void NewQuestion();
    void AskCurrent();
    void AskVoltage();
    void AskResistance();
    void ShowQuestion(const drill::LaidOutQuestion& question);
    void EndProgram();

    // A quantity's label and the value box that lies over its blank run.
    struct QuantityPair {
        QLabel* label = nullptr;
        QLineEdit* box = nullptr;
    };
    const QuantityPair& PairOf(drill::Quantity quantity) const;

    drill::RandomSource& random_;
    const drill::Clock& clock_;
    drill::DrillState state_;
    DrawingSurface surface_;
    bool activated_ = false;
    bool ended_ = false;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* Text12 = nullptr;
    std::array<QuantityPair, drill::kPairedQuantities.size()> pairs_{};

    ControlArray<QLineEdit, 1, 10> Text1;
    ControlArray<QLineEdit, 1, 10> Text2;
    QPushButton* Command1 = nullptr;
    ControlArray<QPushButton, 0, 11> Command2;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
};
