#pragma once

#include <array>
#include <string>

namespace drill {

// The twelve keypad buttons, by index: 0 to 9 the digits, then these two.
inline constexpr int kClearKey = 10;
inline constexpr int kPointKey = 11;
inline constexpr int kKeyCount = 12;

struct KeypadKey {
    const char* caption;        // full-width, as the button shows it
    const char* accessibleName; // what a screen reader says for it
    int row;                    // 0 at the top
    int column;                 // 0 at the left
};

// The keypad as a 3 x 4 grid: digit d (1 to 9) sits in row (9 - d) / 3 and
// column (d - 1) % 3, like a calculator's; 0, the point and clear fill the
// bottom row from left to right.
const KeypadKey& KeyOf(int index);

// The entry after one keypad press. A digit appends its number text with a
// sign place (" 7"), the point appends ".", clear empties the entry. A press
// always works on the end of the entry, whatever the caret or selection.
// An index outside 0 to 11 leaves the entry as it was.
std::string PressKey(const std::string& entry, int index);

} // namespace drill
