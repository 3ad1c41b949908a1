#pragma once

#include "drill_state.h"
#include "layout.h"

#include <string>
#include <string_view>

// What a screen reader says for the parts of the window whose words are not
// their captions: the marks, the question cells, the value boxes and the
// question on screen.
namespace drill {

// The result a mark stands for: "正解" for "○", "不正解" for "×" and
// "未解答" for a cell without a mark.
const char* MarkInWords(std::string_view mark);

// The cells of question 3: "第3問" for its number, "第3問 正解" for its mark.
std::string QuestionCellName(int questionNo);
std::string MarkCellName(int questionNo, std::string_view mark);

// A wrong judgement in words: the answer message "正解は 60" becomes
// "不正解、正解は 60".
std::string WrongAnswerInWords(std::string_view message);

// The symbol of a quantity as the labels write it ("Ｒ１", "Ｅ") and its unit
// ("Ω", "Ｖ", "Ａ").
const char* SymbolOf(Quantity quantity);
const char* UnitOf(Quantity quantity);

// A value box by its quantity and unit: "Ｒ１（Ω）".
std::string ValueBoxName(Quantity quantity);

// The circuit figure in words; it is the same for every question.
const char* CircuitInWords();

// The question on screen in words: each given quantity with its value and
// unit, in the order the layout writes them, then the task title and the
// quantity sought: "Ｒ１ 30 Ω、Ｅ１ 15 Ｖ、電流を求めよう（Ｉ）".
std::string QuestionInWords(const DrillState& state);

// The circuit figure with the question on screen: "…直列回路。Ｒ１ 30 Ω、…".
std::string FigureInWords(const DrillState& state);

} // namespace drill
