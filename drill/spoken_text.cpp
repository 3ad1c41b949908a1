#include "spoken_text.h"

#include "judging.h"
#include "number_text.h"
#include "question.h"

namespace drill {

namespace {

// The sought quantity after the title. The totals are named as such, since
// the total resistance has no label on the window to take its symbol from.
std::string SoughtInWords(Quantity quantity) {
    switch (quantity) {
    case Quantity::R:
        return "全体の抵抗Ｒ";
    case Quantity::E:
        return "全体の電圧Ｅ";
    default:
        return SymbolOf(quantity);
    }
}

} // namespace

const char* MarkInWords(std::string_view mark) {
    if (mark == kCorrectMark) {
        return "正解";
    }
    if (mark == kWrongMark) {
        return "不正解";
    }
    return "未解答";
}

std::string QuestionCellName(int questionNo) {
    return "第" + PlainNumberText(questionNo) + "問";
}

std::string MarkCellName(int questionNo, std::string_view mark) {
    return QuestionCellName(questionNo) + " " + MarkInWords(mark);
}

std::string WrongAnswerInWords(std::string_view message) {
    return std::string(MarkInWords(kWrongMark)) + "、" + std::string(message);
}

const char* SymbolOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::R1:
        return "Ｒ１";
    case Quantity::R2:
        return "Ｒ２";
    case Quantity::E1:
        return "Ｅ１";
    case Quantity::E2:
        return "Ｅ２";
    case Quantity::E:
        return "Ｅ";
    case Quantity::I:
        return "Ｉ";
    case Quantity::R:
        return "Ｒ";
    }
    return "";
}

const char* UnitOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::R1:
    case Quantity::R2:
    case Quantity::R:
        return "Ω";
    case Quantity::E1:
    case Quantity::E2:
    case Quantity::E:
        return "Ｖ";
    case Quantity::I:
        return "Ａ";
    }
    return "";
}

std::string ValueBoxName(Quantity quantity) {
    return std::string(SymbolOf(quantity)) + "（" + UnitOf(quantity) + "）";
}

const char* CircuitInWords() {
    return "抵抗Ｒ１と抵抗Ｒ２を電池につないだ直列回路";
}

std::string QuestionInWords(const DrillState& state) {
    const QuestionLayout& layout = LayoutOf(state);
    std::string words;
    for (const Quantity given : layout.given) {
        words += std::string(SymbolOf(given)) + " " + PlainNumberText(ValueOf(state, given)) + " " +
                 UnitOf(given) + "、";
    }
    return words + TitleOf(layout.kind) + "（" + SoughtInWords(layout.sought) + "）";
}

std::string FigureInWords(const DrillState& state) {
    return std::string(CircuitInWords()) + "。" + QuestionInWords(state);
}

} // namespace drill
