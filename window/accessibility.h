#pragma once

#include "drill_state.h"
#include "layout.h"

#include <QObject>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// How screen readers see the drill window, in Japanese: every control has a
// name (and its text as its value), the circuit figure a description of the
// circuit and of the question on screen, and a judgement is announced.
namespace accessibility {

// The circuit figure is painted on the window itself rather than being a
// control of its own; this object stands for it in the window's
// accessibility tree: a graphic over the figure's area, named "回路図".
class CircuitFigure final : public QObject {
    Q_OBJECT

  public:
    CircuitFigure(QWidget& form, QRect area);

    QRect Area() const { return area_; }
    QString Description() const { return description_; }
    // Sets the words and tells screen readers that they changed.
    void Describe(const QString& description);

  private:
    QRect area_;
    QString description_;
};

// Makes the window and the figure known to Qt's accessibility, so that the
// figure is the window's first child. Call before the window is created.
void InstallFactory();

// Names the controls whose captions do not say what they are, keeps the
// names of the mark cells following their marks, and puts the circuit figure
// under the window.
void DescribeControls(QWidget& form);

// A quantity's label and value box: the box is named by the quantity and its
// unit ("Ｒ１（Ω）") and the label is marked as the box's label.
void DescribePair(QLabel& label, QLineEdit& box, drill::Quantity quantity);

// Tells the circuit figure the question now on screen.
void DescribeQuestion(QWidget& form, const drill::DrillState& state);

// Announces a judgement that has just been shown: a correct one on the mark
// cell ("第3問 正解"), a wrong one on the answer message, which is then
// named "不正解、正解は 60".
void AnnounceJudgement(QLineEdit& markCell, QLabel& message, bool correct);

} // namespace accessibility
