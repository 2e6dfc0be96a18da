// The digit-pair encoding of the values in a words text. Every byte is
// written as two base-36 digits, most significant first, from the alphabet
// "0123456789ABCDEFGHIJKLMNOPQRSTVUWXYZ" (note T, V, U: packs in the field
// were written with this order, so it must never be "corrected").
//
// Decoding is lenient by design, as packs are decoded at every lookup and
// nothing may be reported there: a character outside the alphabet counts as
// digit -1, a pair's value is reduced to its low 8 bits, and an odd trailing
// character is dropped.
#pragma once

#include <string>
#include <string_view>

namespace xs {

std::string DecodeDigitPairs(std::string_view value);

// The inverse for every byte 0..255: DecodeDigitPairs(EncodeDigitPairs(s)) == s.
std::string EncodeDigitPairs(std::string_view text);

}  // namespace xs
