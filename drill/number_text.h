#pragma once

#include <string>
#include <string_view>

namespace drill {

// Reads the number at the start of an entry, whatever the system's regional
// settings. Blanks, tabs, line feeds and ideographic spaces are skipped
// wherever they stand; then an optional sign, digits and at most one decimal
// point are read until the first character that cannot continue the number.
// Full-width digits, point and signs (as a Japanese input method types them)
// read as their half-width twins. No digit reads as 0; a number beyond the
// range of a double reads as plus or minus infinity. Any bytes are accepted,
// invalid UTF-8 included, in time linear in their length.
double ReadLeadingNumber(std::string_view text);

// True when the text holds nothing but blanks, tabs, line feeds and
// ideographic spaces (or nothing at all).
bool IsBlankEntry(std::string_view text);

// A single-precision value to at most seven significant digits, in plain
// decimal: no exponent, no trailing zeros after the point, no trailing point,
// a 0 before the point of a value below 1 ("0.2", "1", "16", "150").
std::string PlainNumberText(float value);
std::string PlainNumberText(int value);

// The same with a sign place: a blank before a number that is not negative,
// "-" before one that is (" 5", " 0.3", "-2").
std::string SignedNumberText(float value);

} // namespace drill
