#pragma once

#include "drill_state.h"
#include "random_source.h"

namespace drill {

// What a question asks for, the value of `Kind`.
enum class AskedKind { Current = 1, Voltage = 2, Resistance = 3 };

AskedKind KindOf(const DrillState& state);

// Draws a new question into `state`: `Kind`, then (after stirring the clock's
// seconds into the generator) `R1`, `R2`, `I` and `Pattern`, one random
// number per draw and per redraw, and derives `R`, `E`, `E1` and `E2`.
// `QuestionNo` and `Score` are left alone.
void DrawQuestion(DrillState& state, RandomSource& random, const Clock& clock);

} // namespace drill
