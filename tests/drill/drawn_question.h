#pragma once

#include "drill_state.h"
#include "question.h"
#include "scripted.h"

// A question as the generator makes it from scripted draws: the kind (1 to
// 3), R1 and R2 in ohms, the current in tenths of an ampere and the pattern.
inline drill::DrillState DrawnQuestion(int kind, int r1, int r2, int tenths, int pattern) {
    ScriptedRandom random(QuestionScript(kind, r1, r2, tenths, pattern));
    const FixedClock clock;
    drill::DrillState state;
    drill::DrawQuestion(state, random, clock);
    return state;
}

// The currents as the single-precision values nearest to their tenths,
// indexed by tenths of an ampere (1 to 10).
inline constexpr float kCurrents[] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f,
                                      0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
