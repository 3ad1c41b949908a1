#include "reference_reading.h"

#include <cstdlib>
#include <string>

namespace reference {

namespace {

constexpr char32_t kIllFormed = 0xFFFFFFFF;

// Decodes one well-formed UTF-8 sequence (the table of well-formed byte
// sequences of the Unicode standard) and advances `pos` past it; anything
// else yields kIllFormed.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto at = [&](std::size_t i) -> unsigned {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0x100;
    };
    const unsigned b0 = at(0);
    const auto inRange = [](unsigned b, unsigned low, unsigned high) {
        return b >= low && b <= high;
    };
    const auto advance = [&](std::size_t length, char32_t value) {
        pos += length;
        return value;
    };
    if (b0 <= 0x7F) {
        return advance(1, b0);
    }
    if (inRange(b0, 0xC2, 0xDF) && inRange(at(1), 0x80, 0xBF)) {
        return advance(2, ((b0 & 0x1F) << 6) | (at(1) & 0x3F));
    }
    // The second byte's range depends on the lead: it rules out overlong
    // forms, surrogates and code points beyond U+10FFFF.
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (b0 == 0xE0) {
        low = 0xA0;
    } else if (b0 == 0xED) {
        high = 0x9F;
    } else if (b0 == 0xF0) {
        low = 0x90;
    } else if (b0 == 0xF4) {
        high = 0x8F;
    }
    if (inRange(b0, 0xE0, 0xEF) && inRange(at(1), low, high) && inRange(at(2), 0x80, 0xBF)) {
        return advance(3, ((b0 & 0x0F) << 12) | ((at(1) & 0x3F) << 6) | (at(2) & 0x3F));
    }
    if (inRange(b0, 0xF0, 0xF4) && inRange(at(1), low, high) && inRange(at(2), 0x80, 0xBF) &&
        inRange(at(3), 0x80, 0xBF)) {
        return advance(4, ((b0 & 0x07) << 18) | ((at(1) & 0x3F) << 12) | ((at(2) & 0x3F) << 6) |
                              (at(3) & 0x3F));
    }
    return kIllFormed;
}

bool Skipped(char32_t c) {
    return c == 0x20 || c == 0x09 || c == 0x0A || c == 0x3000;
}

// The half-width character that a code point stands for, or 0.
char HalfWidth(char32_t c) {
    if (c >= 0xFF10 && c <= 0xFF19) {
        c = c - 0xFF10 + '0';
    } else if (c == 0xFF0E || c == 0xFF0B || c == 0xFF0D) {
        c = c - 0xFF00 + 0x20;
    }
    if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-') {
        return static_cast<char>(c);
    }
    return 0;
}

} // namespace

bool IsBlank(std::string_view entry) {
    std::size_t pos = 0;
    while (pos < entry.size()) {
        if (!Skipped(NextCodePoint(entry, pos))) {
            return false;
        }
    }
    return true;
}

double Read(std::string_view entry) {
    std::string number;
    bool point = false;
    bool digit = false;
    std::size_t pos = 0;
    while (pos < entry.size()) {
        const char32_t c = NextCodePoint(entry, pos);
        if (Skipped(c)) {
            continue;
        }
        const char h = HalfWidth(c);
        if ((h == '+' || h == '-') && number.empty()) {
            number += h;
        } else if (h == '.' && !point) {
            point = true;
            number += h;
        } else if (h >= '0' && h <= '9') {
            digit = true;
            number += h;
        } else {
            break;
        }
    }
    return digit ? std::strtod(number.c_str(), nullptr) : 0.0;
}

} // namespace reference
