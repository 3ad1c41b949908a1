// Fuzzes the path of an entry from the entry box to the window: arbitrary
// bytes are read as the pupil's entry and judged against a question drawn
// from more bytes, and every text the window would show is checked. Any
// broken rule aborts, and the fuzzer keeps the input that broke it.

#include "fuzz_input.h"
#include "judging.h"
#include "layout.h"
#include "number_text.h"
#include "question.h"
#include "reference_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* rule, std::string_view detail = {}) {
    std::fprintf(stderr, "broken rule: %s %.*s\n", rule, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

void Check(bool holds, const char* rule, std::string_view detail = {}) {
    if (!holds) {
        Fail(rule, detail);
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

float RoundedToSingle(double value) {
    if (std::isnan(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

// A plain number text: an optional "-", then digits, then at most one point
// with digits after it that do not end in 0; below 1 a "0" before the point.
void CheckPlainNumberText(const std::string& text) {
    Check(!text.empty(), "a number text is never empty");
    std::size_t pos = text[0] == '-' ? 1 : 0;
    const std::size_t integerStart = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    Check(pos > integerStart, "a number text has digits before its point", text);
    Check(pos - integerStart == 1 || text[integerStart] != '0', "no leading zeros", text);
    if (pos == text.size()) {
        return;
    }
    Check(text[pos] == '.', "only digits and one point", text);
    ++pos;
    Check(pos < text.size(), "no trailing point", text);
    while (pos < text.size()) {
        Check(text[pos] >= '0' && text[pos] <= '9', "only digits after the point", text);
        ++pos;
    }
    Check(text.back() != '0', "no trailing zeros after the point", text);
}

// Writing a finite single-precision value and reading the text back gives the
// value to seven significant digits.
void CheckRoundTrip(float value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = drill::PlainNumberText(value);
    CheckPlainNumberText(text);
    const double back = drill::ReadLeadingNumber(text);
    const double tolerance = std::fabs(static_cast<double>(value)) * 5.000001e-7;
    Check(std::fabs(back - value) <= tolerance, "a number text reads back as its value", text);
}

// The question as the window lays it out: the given values in their boxes,
// "？" in the sought box, pairs shown as the layout says.
void CheckLayout(const drill::DrillState& state) {
    const drill::QuestionLayout& layout = drill::LayoutOf(state);
    const drill::LaidOutQuestion shown = drill::LayOut(state);
    Check(shown.title == drill::TitleOf(drill::KindOf(state)), "the title names the kind");
    for (const drill::Quantity quantity : drill::kPairedQuantities) {
        const drill::PairView& pair = shown.pairs[drill::PairIndex(quantity)];
        bool inLayout = false;
        for (const drill::Quantity s : layout.pairsShown) {
            inLayout = inLayout || s == quantity;
        }
        Check(pair.visible == inLayout, "exactly the pairs of the layout are shown");
        if (!pair.visible || !pair.text) {
            continue;
        }
        if (*pair.text == drill::kAskedMark) {
            Check(quantity == layout.sought, "only the sought box shows the question mark");
            continue;
        }
        CheckPlainNumberText(*pair.text);
        Check(static_cast<float>(drill::ReadLeadingNumber(*pair.text)) ==
                  drill::ValueOf(state, quantity),
              "a shown value is the question's own value", *pair.text);
    }
}

// The state a question is in when its entry is judged, drawn from the bytes
// within the domain the drill keeps it in.
drill::DrillState QuestionFrom(const fuzz_input::Input& input) {
    drill::DrillState state;
    state.QuestionNo = input.questionNo;
    state.QuestionScored = input.questionScored;
    fuzz_input::ByteRandom random(input.draw);
    const fuzz_input::ByteClock clock(input.seconds);
    drill::DrawQuestion(state, random, clock);
    Check(!std::isnan(random.LastSeed()) && std::isfinite(random.LastSeed()),
          "the seconds of any clock text read as a number");
    // Drawing a question clears the scored flag; put back the one under test.
    state.QuestionScored = input.questionScored;
    state.Score = 10 * (input.scoredBefore + (input.questionScored ? 1 : 0));

    Check(state.Kind >= 1 && state.Kind <= 3, "the kind is 1 to 3");
    Check(state.Pattern >= 1 && state.Pattern <= 5, "the pattern is 1 to 5");
    Check(state.R1 >= 10 && state.R1 <= 90 && state.R2 >= 10 && state.R2 <= 90,
          "resistances are 10 to 90 ohms");
    Check(state.I >= 0.1f && state.I <= 1.0f, "the current is 0.1 to 1 ampere");
    Check(state.R == state.R1 + state.R2, "the total resistance is the sum");
    return state;
}

void JudgeEntry(const drill::DrillState& state, std::string_view entry) {
    const double read = drill::ReadLeadingNumber(entry);
    Check(!std::isnan(read), "an entry never reads as NaN");
    const double expectedRead = reference::Read(entry);
    if (read != expectedRead) {
        char both[80];
        std::snprintf(both, sizeof both, "%.17g, not %.17g", read, expectedRead);
        Fail("the entry reads as the rules say:", both);
    }
    CheckRoundTrip(static_cast<float>(read));

    const drill::Judgement judgement = drill::Judge(state, entry);
    const bool blank = reference::IsBlank(entry);
    Check(judgement.judged == !blank, "an entry is judged if and only if it is not blank");
    if (!judgement.judged) {
        Check(judgement.mark.empty() && !judgement.message && !judgement.entryBox,
              "a blank entry changes nothing");
        Check(judgement.score == state.Score && judgement.questionScored == state.QuestionScored,
              "a blank entry earns nothing");
        return;
    }

    const drill::QuestionLayout& layout = drill::LayoutOf(state);
    const float sought = drill::ValueOf(state, layout.sought);
    const bool correct = RoundedToSingle(expectedRead) == sought;
    Check(judgement.correct == correct, "the judgement is right");
    Check(judgement.mark == (correct ? drill::kCorrectMark : drill::kWrongMark),
          "the mark is ○ for a correct and × for a wrong answer");
    Check(judgement.markCell == state.QuestionNo, "the mark goes to the current question");
    if (layout.sought == drill::Quantity::R) {
        Check(!judgement.entryBox, "the total resistance has no box for the entry");
    } else {
        Check(judgement.entryBox == layout.sought, "the entry goes into the sought box");
    }

    const int gained = judgement.score - state.Score;
    Check(gained == 0 || gained == drill::kPointsPerQuestion, "a judgement earns 0 or 10 points");
    Check(gained == (correct && !state.QuestionScored ? drill::kPointsPerQuestion : 0),
          "a question earns its points once, for a correct answer");
    Check(judgement.questionScored == (state.QuestionScored || correct),
          "a correct answer marks the question scored");

    Check(judgement.message.has_value() == !correct, "a message only after a wrong answer");
    if (judgement.message) {
        const std::string_view message = *judgement.message;
        Check(StartsWith(message, "正解は "), "the message is 正解は and the value", message);
        const std::string_view value = message.substr(std::string_view("正解は ").size());
        CheckPlainNumberText(std::string(value));
        Check(static_cast<float>(drill::ReadLeadingNumber(value)) == sought,
              "the message tells the correct value", message);
    }

    drill::DrillState after = state;
    drill::Apply(after, judgement);
    Check(after.Score <= drill::kPointsPerQuestion * after.QuestionNo,
          "the score never exceeds 10 for each question reached");
    Check(after.Score <= 100, "the score never exceeds 100");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz_input::Input input = fuzz_input::Split(data, size);
    const drill::DrillState state = QuestionFrom(input);
    CheckLayout(state);
    JudgeEntry(state, input.entry);
    return 0;
}
