#pragma once

#include "drill_state.h"
#include "question.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace drill {

// The quantities a question can show, each as a pair of a label and a value
// box, plus the total resistance, which has no pair.
enum class Quantity { R1, R2, E1, E2, E, I, R };

constexpr std::array<Quantity, 6> kPairedQuantities = {Quantity::R1, Quantity::R2, Quantity::E1,
                                                       Quantity::E2, Quantity::E,  Quantity::I};

// One of the fifteen ways to put a question on the window.
struct QuestionLayout {
    AskedKind kind;
    int pattern;
    std::vector<Quantity> pairsShown; // in the order they are shown
    std::vector<Quantity> given;      // written into their boxes, in this order
    Quantity sought;                  // what the answer is compared with
};

// The task title of a kind ("電流を求めよう" …).
const char* TitleOf(AskedKind kind);

// The layout of a kind and pattern (pattern 1 to 5).
const QuestionLayout& LayoutOf(AskedKind kind, int pattern);
const QuestionLayout& LayoutOf(const DrillState& state);

float ValueOf(const DrillState& state, Quantity quantity);

// What one pair shows after a question is laid out: whether it is visible,
// and the text of its box, or nothing where the box keeps what it had.
struct PairView {
    bool visible = false;
    std::optional<std::string> text;
};

// What the window shows for the current question.
struct LaidOutQuestion {
    std::string title;
    std::array<PairView, kPairedQuantities.size()> pairs; // indexed like kPairedQuantities
};

// A shown pair is either given, with its value in plain number text, or
// sought, with "？" in its box. Hidden pairs keep their text unseen.
LaidOutQuestion LayOut(const DrillState& state);

std::size_t PairIndex(Quantity quantity);

// The text that marks the sought quantity's box: the full-width "？".
inline constexpr const char* kAskedMark = "？";

} // namespace drill
