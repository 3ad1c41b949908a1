#include "judging.h"

#include "number_text.h"

#include <cmath>
#include <limits>

namespace drill {

namespace {

// Rounds to the nearest single-precision value; anything beyond the range of
// a float can equal no answer, so it stays infinite.
float ToSingle(double value) {
    if (std::isnan(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

} // namespace

Judgement Judge(const DrillState& state, std::string_view entry) {
    Judgement judgement;
    judgement.score = state.Score;
    judgement.questionScored = state.QuestionScored;
    if (IsBlankEntry(entry)) {
        return judgement;
    }
    judgement.judged = true;

    const QuestionLayout& layout = LayoutOf(state);
    if (layout.sought != Quantity::R) {
        judgement.entryBox = layout.sought;
    }
    const float expected = ValueOf(state, layout.sought);
    judgement.correct = ToSingle(ReadLeadingNumber(entry)) == expected;
    judgement.markCell = state.QuestionNo;
    if (judgement.correct) {
        judgement.mark = kCorrectMark;
        if (!state.QuestionScored) {
            judgement.score += kPointsPerQuestion;
            judgement.questionScored = true;
        }
    } else {
        judgement.mark = kWrongMark;
        judgement.message = "正解は" + SignedNumberText(expected);
    }
    return judgement;
}

void Apply(DrillState& state, const Judgement& judgement) {
    state.Score = judgement.score;
    state.QuestionScored = judgement.questionScored;
}

} // namespace drill
