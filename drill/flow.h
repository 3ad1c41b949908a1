#pragma once

#include "drill_state.h"

namespace drill {

inline constexpr int kQuestionsPerRun = 10;

// A new run: question 1, no points.
void StartRun(DrillState& state);

// Moves on to the next question. Returns true when the run is over, that is
// when the tenth question has been left; the program then ends.
bool AdvanceQuestion(DrillState& state);

} // namespace drill
