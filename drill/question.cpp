#include "question.h"

#include <cmath>

namespace drill {

AskedKind KindOf(const DrillState& state) {
    return static_cast<AskedKind>(state.Kind);
}

void DrawQuestion(DrillState& state, RandomSource& random, const Clock& clock) {
    // Rounding u x 3 gives 0 for u below 1/6; redrawing the 0 leaves current
    // and voltage questions twice as frequent as resistance questions.
    double kind = 0;
    do {
        kind = std::floor(random.Next() * 3 + 0.5);
    } while (kind < 1 || kind > 3);

    random.Reseed(SecondsOf(clock.TimeOfDay()));

    const auto drawResistance = [&] {
        int ohms = 0;
        while (ohms < 10) {
            ohms = static_cast<int>(std::floor(random.Next() * 10)) * 10;
        }
        return ohms;
    };
    const int r1 = drawResistance();
    const int r2 = drawResistance();
    int tenthsOfAmpere = 0;
    while (tenthsOfAmpere == 0) {
        tenthsOfAmpere = static_cast<int>(std::floor(random.Next() * 11));
    }
    const int pattern = static_cast<int>(std::floor(random.Next() * 15)) % 5 + 1;

    // The voltages are worked out in whole numbers (resistances are tens of
    // ohms, so tenths of an ampere times ohms divides by ten exactly): 0.3 A
    // through 50 ohms is 15 V exactly, not the single-precision product that
    // lies slightly above 15.
    const auto volts = [&](int ohms) { return static_cast<float>(tenthsOfAmpere * ohms / 10); };

    state.Kind = kind;
    state.R1 = static_cast<float>(r1);
    state.R2 = static_cast<float>(r2);
    state.I = static_cast<float>(tenthsOfAmpere) / 10.0f;
    state.R = static_cast<float>(r1 + r2);
    state.E = volts(r1 + r2);
    state.E1 = volts(r1);
    state.E2 = volts(r2);
    state.Pattern = pattern;
    state.QuestionScored = false;
}

} // namespace drill
