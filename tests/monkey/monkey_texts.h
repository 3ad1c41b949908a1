#pragma once

#include <QString>

#include <random>

// Random texts of the kinds a pupil types or pastes into the entry box.
namespace monkey_texts {

// Keys of an ordinary keyboard: digits, point, signs, blanks, letters.
QString Typed(std::mt19937_64& random);

// What a Japanese input method commits: full-width digits, point and signs,
// ideographic spaces, kana, and the odd emoji or direction mark.
QString Composed(std::mt19937_64& random);

// A paste: any of the above mixed with control characters, line breaks,
// right-to-left and zero-width marks and emoji.
QString Pasted(std::mt19937_64& random);

// A paste of about 100 KB: a page of digits, of text, or of both.
QString HugePaste(std::mt19937_64& random);

} // namespace monkey_texts
