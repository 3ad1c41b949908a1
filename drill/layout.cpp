#include "layout.h"

#include "number_text.h"

#include <algorithm>

namespace drill {

namespace {

using enum Quantity;

// Every shown box holds either a value given by the question or the "？" of
// the sought quantity. Where the total voltage is asked it gets "？" in its
// own box, and where the total resistance follows from E, E1 and R1, E is
// given in its own pair.
const std::array<QuestionLayout, 15> kLayouts = {{
    {AskedKind::Current, 1, {I, R1, E1}, {R1, E1}, I},
    {AskedKind::Current, 2, {I, R1, R2, E}, {R1, R2, E}, I},
    {AskedKind::Current, 3, {I, R2, E2}, {R2, E2}, I},
    {AskedKind::Current, 4, {I, R1, E, E2}, {R1, E, E2}, I},
    {AskedKind::Current, 5, {I, R2, E1, E}, {R2, E1, E}, I},
    {AskedKind::Voltage, 1, {E1, E2, E}, {E1, E2}, E},
    {AskedKind::Voltage, 2, {R2, I, E1, E}, {R2, I, E1}, E},
    {AskedKind::Voltage, 3, {R1, R2, I, E}, {R1, R2, I}, E},
    {AskedKind::Voltage, 4, {R2, I, E, E1}, {R2, I, E}, E1},
    {AskedKind::Voltage, 5, {R1, R2, E2, E1}, {R1, R2, E2}, E1},
    {AskedKind::Resistance, 1, {R1, R2}, {R1, R2}, R},
    {AskedKind::Resistance, 2, {E1, E2, I}, {E1, E2, I}, R},
    {AskedKind::Resistance, 3, {E, E1, R1}, {E, E1, R1}, R},
    {AskedKind::Resistance, 4, {E1, I, R1}, {E1, I}, R1},
    {AskedKind::Resistance, 5, {E, E2, R2, R1}, {E, E2, R2}, R1},
}};

} // namespace

const char* TitleOf(AskedKind kind) {
    switch (kind) {
    case AskedKind::Current:
        return "電流を求めよう";
    case AskedKind::Voltage:
        return "電圧を求めよう";
    case AskedKind::Resistance:
        return "抵抗を求めよう";
    }
    return "";
}

const QuestionLayout& LayoutOf(AskedKind kind, int pattern) {
    const int clampedPattern = std::clamp(pattern, 1, 5);
    const int kindRow = std::clamp(static_cast<int>(kind), 1, 3) - 1;
    return kLayouts[static_cast<std::size_t>(kindRow * 5 + clampedPattern - 1)];
}

const QuestionLayout& LayoutOf(const DrillState& state) {
    return LayoutOf(KindOf(state), state.Pattern);
}

float ValueOf(const DrillState& state, Quantity quantity) {
    switch (quantity) {
    case R1:
        return state.R1;
    case R2:
        return state.R2;
    case E1:
        return state.E1;
    case E2:
        return state.E2;
    case E:
        return state.E;
    case I:
        return state.I;
    case R:
        return state.R;
    }
    return 0;
}

std::size_t PairIndex(Quantity quantity) {
    const auto* found = std::find(kPairedQuantities.begin(), kPairedQuantities.end(), quantity);
    return static_cast<std::size_t>(found - kPairedQuantities.begin());
}

LaidOutQuestion LayOut(const DrillState& state) {
    const QuestionLayout& layout = LayoutOf(state);
    LaidOutQuestion out;
    out.title = TitleOf(layout.kind);
    for (const Quantity shown : layout.pairsShown) {
        out.pairs[PairIndex(shown)].visible = true;
    }
    if (layout.sought != R) {
        out.pairs[PairIndex(layout.sought)].text = kAskedMark;
    }
    for (const Quantity given : layout.given) {
        out.pairs[PairIndex(given)].text = PlainNumberText(ValueOf(state, given));
    }
    return out;
}

} // namespace drill
