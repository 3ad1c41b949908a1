#include "keypad.h"

#include "number_text.h"

namespace drill {

namespace {

constexpr int DigitRow(int d) {
    return d == 0 ? 3 : (9 - d) / 3;
}
constexpr int DigitColumn(int d) {
    return d == 0 ? 0 : (d - 1) % 3;
}

const std::array<KeypadKey, kKeyCount> kKeys = {{
    {"０", "０", DigitRow(0), DigitColumn(0)},
    {"１", "１", DigitRow(1), DigitColumn(1)},
    {"２", "２", DigitRow(2), DigitColumn(2)},
    {"３", "３", DigitRow(3), DigitColumn(3)},
    {"４", "４", DigitRow(4), DigitColumn(4)},
    {"５", "５", DigitRow(5), DigitColumn(5)},
    {"６", "６", DigitRow(6), DigitColumn(6)},
    {"７", "７", DigitRow(7), DigitColumn(7)},
    {"８", "８", DigitRow(8), DigitColumn(8)},
    {"９", "９", DigitRow(9), DigitColumn(9)},
    {"クリア", "クリア", 3, 2},
    {"・", "小数点", 3, 1},
}};

} // namespace

const KeypadKey& KeyOf(int index) {
    return kKeys.at(static_cast<std::size_t>(index));
}

std::string PressKey(const std::string& entry, int index) {
    if (index == kClearKey) {
        return "";
    }
    if (index == kPointKey) {
        return entry + ".";
    }
    if (index >= 0 && index <= 9) {
        return entry + SignedNumberText(static_cast<float>(index));
    }
    return entry;
}

} // namespace drill
