#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace drill {

namespace {

// One step of UTF-8 decoding: the code point at `pos` and its length in
// bytes, or nothing for a byte that does not start a well-formed sequence.
struct CodePoint {
    char32_t value;
    std::size_t length;
};

std::optional<CodePoint> DecodeAt(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return CodePoint{lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    // An overlong form (a blank or digit in more bytes than it needs), a
    // surrogate or a value past the last code point is not UTF-8 either.
    constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallestOfLength[length] || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return CodePoint{value, length};
}

bool IsSkipped(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\u3000';
}

// The half-width character a code point stands for in a number, or 0 when it
// cannot be part of one.
char NumberCharacter(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return static_cast<char>(c);
    }
    if (c >= U'０' && c <= U'９') {
        return static_cast<char>('0' + (c - U'０'));
    }
    switch (c) {
    case U'.':
    case U'．':
        return '.';
    case U'+':
    case U'＋':
        return '+';
    case U'-':
    case U'－':
        return '-';
    default:
        return 0;
    }
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    // The number as half-width characters without its sign, ready for
    // from_chars.
    std::string number;
    bool negative = false;
    bool sawSign = false;
    bool sawPoint = false;
    bool sawDigit = false;
    bool sawNonZeroDigit = false;
    std::size_t integerDigitsAfterLeadingZeros = 0;

    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto decoded = DecodeAt(text, pos);
        if (!decoded) {
            break;
        }
        pos += decoded->length;
        if (IsSkipped(decoded->value)) {
            continue;
        }
        const char c = NumberCharacter(decoded->value);
        const bool atStart = !sawSign && !sawPoint && !sawDigit;
        if ((c == '+' || c == '-') && atStart) {
            sawSign = true;
            negative = c == '-';
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            number += c;
        } else if (c >= '0' && c <= '9') {
            sawDigit = true;
            sawNonZeroDigit = sawNonZeroDigit || c != '0';
            if (!sawPoint && sawNonZeroDigit) {
                ++integerDigitsAfterLeadingZeros;
            }
            number += c;
        } else {
            break;
        }
    }
    if (!sawDigit) {
        return 0;
    }

    double magnitude = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(),
                                              magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double, or too small to be told from zero.
        constexpr std::size_t kMaxIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
        magnitude = integerDigitsAfterLeadingZeros >= kMaxIntegerDigits
                        ? std::numeric_limits<double>::infinity()
                        : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

bool IsBlankEntry(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto decoded = DecodeAt(text, pos);
        if (!decoded || !IsSkipped(decoded->value)) {
            return false;
        }
        pos += decoded->length;
    }
    return true;
}

std::string PlainNumberText(float value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    // Seven significant digits of the value as d.dddddde±x, then the point
    // moved to where the exponent puts it.
    char scientific[32];
    const auto result = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                      std::chars_format::scientific, 6);
    const std::string_view text(scientific, result.ptr - scientific);
    const std::size_t e = text.find('e');
    std::string digits(text.substr(0, 1));
    digits += text.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    exponent);

    std::string integerPart;
    std::string fraction;
    if (exponent < 0) {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        integerPart = digits + std::string(exponent + 1 - digits.size(), '0');
    } else {
        integerPart = digits.substr(0, exponent + 1);
        fraction = digits.substr(exponent + 1);
    }
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string out = std::signbit(value) && value != 0 ? "-" : "";
    out += integerPart;
    if (!fraction.empty()) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string PlainNumberText(int value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string SignedNumberText(float value) {
    const std::string plain = PlainNumberText(value);
    return plain.front() == '-' ? plain : " " + plain;
}

} // namespace drill
