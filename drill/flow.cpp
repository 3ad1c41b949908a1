#include "flow.h"

namespace drill {

void StartRun(DrillState& state) {
    state.QuestionNo = 1;
    state.Score = 0;
    state.QuestionScored = false;
}

bool AdvanceQuestion(DrillState& state) {
    if (state.QuestionNo <= kQuestionsPerRun) {
        ++state.QuestionNo;
    }
    return state.QuestionNo > kQuestionsPerRun;
}

} // namespace drill
