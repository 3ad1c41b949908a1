#pragma once

#include <string_view>

// A second, deliberately plain reading of an entry, written from the rules
// the pupil is promised rather than from the drill's own code, so that the
// fuzzer can tell the two apart:
//
// - the entry is UTF-8; a byte sequence that is not well-formed UTF-8
//   (overlong forms, surrogates, code points beyond U+10FFFF, stray or
//   missing continuation bytes) is a character that cannot be part of a
//   number;
// - blanks, tabs, line feeds and ideographic spaces are skipped wherever
//   they stand;
// - full-width digits, point and signs stand for their half-width twins;
// - then an optional sign, and digits with at most one point among them,
//   are read up to the first character that cannot continue the number;
// - no digit reads as 0.
namespace reference {

// True when the entry holds nothing but skipped characters.
bool IsBlank(std::string_view entry);

// The number the entry reads as, converted by the C library's strtod.
double Read(std::string_view entry);

} // namespace reference
