#include "drill_model.h"

#include "form1.h"
#include "form_view.h"
#include "layout.h"
#include "number_text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

const QString kAsked = QStringLiteral("？");
const QString kCorrect = QStringLiteral("○");
const QString kWrong = QStringLiteral("×");

bool Contains(const std::vector<drill::Quantity>& list, drill::Quantity quantity) {
    return std::find(list.begin(), list.end(), quantity) != list.end();
}

QString Shown(const QString& text) {
    return text.size() > 40 ? text.left(40) + QStringLiteral("… (%1 chars)").arg(text.size())
                            : text;
}

// Exactly the pairs of the question's layout are shown, each label with its
// box; a shown box holds its quantity's value if the question gives it, and
// the sought box "？" or an entry the pupil had judged.
QString BrokenPairRule(const drill::DrillState& state, const FormView& view,
                       const DrillModel& model) {
    const drill::QuestionLayout& layout = drill::LayoutOf(state);
    for (const FormView::Pair& pair : view.pairs) {
        const QString name = pair.box->objectName();
        if (pair.label->isHidden() != pair.box->isHidden()) {
            return name + " and its label are not shown together";
        }
        const bool shown = !pair.box->isHidden();
        if (shown != Contains(layout.pairsShown, pair.quantity)) {
            return name + (shown ? " is shown outside its layout" : " of the layout is hidden");
        }
        if (!shown) {
            continue;
        }
        const QString text = pair.box->text();
        if (Contains(layout.given, pair.quantity)) {
            const QString value = QString::fromStdString(
                drill::PlainNumberText(drill::ValueOf(state, pair.quantity)));
            if (text != value) {
                return name + " shows '" + Shown(text) + "', not the given " + value;
            }
        } else if (pair.quantity != layout.sought) {
            return name + " is shown but neither given nor sought";
        } else if (text != kAsked && !model.judgedEntries.contains(text)) {
            return name + " (sought) shows '" + Shown(text) + "', neither ？ nor a judged entry";
        }
    }
    return {};
}

QString BrokenRowRule(const drill::DrillState& state, const FormView& view,
                      const DrillModel& model) {
    for (int i = 1; i <= 10; ++i) {
        if (view.progressCells[i]->text() != QString::number(i)) {
            return QStringLiteral("progress cell %1 reads '%2'")
                .arg(i)
                .arg(view.progressCells[i]->text());
        }
        const QString mark = view.markCells[i]->text();
        if (mark != "" && mark != kCorrect && mark != kWrong) {
            return QStringLiteral("mark cell %1 holds '%2'").arg(i).arg(Shown(mark));
        }
        if (i > state.QuestionNo && !mark.isEmpty()) {
            return QStringLiteral("mark cell %1 is marked before its question").arg(i);
        }
    }
    const int score = 10 * static_cast<int>(model.scoredQuestions.size());
    if (state.Score != score || score > 100) {
        return QStringLiteral("the score is %1 with %2 questions scored")
            .arg(state.Score)
            .arg(model.scoredQuestions.size());
    }
    if (view.scoreBox->text() != QString::number(score)) {
        return "the score box reads '" + Shown(view.scoreBox->text()) + "', not " +
               QString::number(score);
    }
    return {};
}

} // namespace

bool IsBlank(const QString& entry) {
    return std::all_of(entry.begin(), entry.end(), [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == QChar(0x3000);
    });
}

QString BrokenRule(const Form1& form, const FormView& view, const DrillModel& model) {
    if (!model.questionOnScreen || model.ended) {
        return {};
    }
    const drill::DrillState& state = form.State();
    if (state.QuestionNo < 1 || state.QuestionNo > 10 || state.QuestionNo != model.questionNo) {
        return QStringLiteral("question %1 on screen, expected %2")
            .arg(state.QuestionNo)
            .arg(model.questionNo);
    }
    if (view.title->text() != QString::fromUtf8(drill::TitleOf(drill::KindOf(state)))) {
        return "the title reads '" + view.title->text() + "'";
    }
    if (QString broken = BrokenPairRule(state, view, model); !broken.isEmpty()) {
        return broken;
    }
    if (QString broken = BrokenRowRule(state, view, model); !broken.isEmpty()) {
        return broken;
    }
    if (!view.message->isHidden() && !view.message->text().startsWith(QStringLiteral("正解は "))) {
        return "the message reads '" + view.message->text() + "'";
    }
    if (form.Surface().IsEmpty()) {
        return QStringLiteral("the circuit figure is not on the surface");
    }
    return {};
}
