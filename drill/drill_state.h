#pragma once

#include <cstdint>

namespace drill {

// Everything the window holds for one run of ten questions. The seven
// quantities are single precision; every question overwrites them, `Kind`
// and `Pattern` before anything reads them.
struct DrillState {
    float R = 0;                 // total resistance R1 + R2, ohm
    float R1 = 0;                // first resistor, 10 to 90 ohm
    float R2 = 0;                // second resistor, 10 to 90 ohm
    float E = 0;                 // total voltage I x R, volt
    float E1 = 0;                // voltage across the first resistor, volt
    float E2 = 0;                // voltage across the second resistor, volt
    float I = 0;                 // current, 0.1 to 1.0 ampere
    std::int16_t QuestionNo = 0; // 1 to 10 while a question is on screen
    double Kind = 0;             // 1 current, 2 voltage, 3 resistance
    int Pattern = 0;             // which of the five layouts of the kind, 1 to 5
    int Score = 0;               // 10 points per question answered correctly

    // A question earns its points once: set by its first correct judgement,
    // cleared when the next question is drawn.
    bool QuestionScored = false;
};

} // namespace drill
