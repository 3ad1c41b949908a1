#pragma once

#include "drill_state.h"
#include "layout.h"

#include <optional>
#include <string>
#include <string_view>

namespace drill {

// What pressing the enter button does to the window for one entry.
struct Judgement {
    // False for an entry of nothing but blanks: such a press changes nothing.
    bool judged = false;
    // The box that shows the pupil's entry: the sought quantity's, or none
    // where the sought quantity (the total resistance) has no box.
    std::optional<Quantity> entryBox;
    bool correct = false;
    std::string mark; // "○" or "×", for the mark cell of `QuestionNo`
    int markCell = 0; // the question whose mark cell it goes into
    int score = 0;    // the score after this judgement
    bool questionScored = false;
    // After a wrong answer: "正解は" and the correct value, to be shown.
    std::optional<std::string> message;
};

// Judges an entry against the current question. The entry is read as a
// double, rounded to single precision and compared exactly with the sought
// quantity. A correct answer earns 10 points, once per question; a wrong one
// takes none away.
Judgement Judge(const DrillState& state, std::string_view entry);

// Records a judgement's score in the state.
void Apply(DrillState& state, const Judgement& judgement);

inline constexpr const char* kCorrectMark = "○";
inline constexpr const char* kWrongMark = "×";
inline constexpr int kPointsPerQuestion = 10;

} // namespace drill
