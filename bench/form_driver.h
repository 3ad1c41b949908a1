#pragma once

#include "flow.h"
#include "form1.h"
#include "layout.h"
#include "number_text.h"
#include "random_source.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>

#include <string>

// The real drill window, shown on whatever platform the application runs
// on, driven question after question the way a pupil drives it, for as long
// as a benchmark wants: before the next button would end the run, start-up
// is run again, so the question number stays within 1 to 10.
class FormDriver {
  public:
    // A fixed clock: the seconds of the time of day only seed the draws.
    class NoonClock final : public drill::Clock {
      public:
        std::string TimeOfDay() const override { return "12:00:00"; }
    };

    FormDriver() : random_(20260101), form_(random_, clock_) {
        form_.show();
        // Form_Activate is queued after the first show.
        while (form_.State().Kind == 0) {
            QCoreApplication::processEvents();
        }
        Settle();
        Text7 = form_.findChild<QLineEdit*>("Text7", Qt::FindDirectChildrenOnly);
    }

    Form1& Form() { return form_; }

    // Lets the event loop paint what the last handler changed, as it does
    // between two clicks of a pupil.
    static void Settle() { QCoreApplication::processEvents(); }

    // Makes sure the next button will make a new question rather than end.
    void KeepRunGoing() {
        if (form_.State().QuestionNo >= drill::kQuestionsPerRun) {
            form_.Form_Load();
        }
    }

    // The next question, through the next button.
    void NextQuestion() {
        KeepRunGoing();
        form_.Command5_Click();
    }

    // The value the current question takes as correct, as the pupil types it.
    QString CorrectEntry() const {
        const drill::DrillState& state = form_.State();
        const float sought = drill::ValueOf(state, drill::LayoutOf(state).sought);
        return QString::fromStdString(drill::PlainNumberText(sought));
    }

    // No question of the drill has this answer.
    static QString WrongEntry() { return QStringLiteral(" 9 9 9"); }

    QLineEdit* Text7 = nullptr;

  private:
    drill::MixingRandom random_;
    NoonClock clock_;
    Form1 form_;
};
