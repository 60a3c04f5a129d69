#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text and number functions. Texts are UTF-8; positions and lengths count characters
// (code points), not bytes, from 1. Nothing here depends on the system's locale.
namespace platform {

// The character with the given code: Chr(13) carriage return, Chr(9) tab.
std::string Chr(std::int64_t code);

// Number of characters in s.
std::int64_t Len(std::string_view s);

// The first n characters of s (all of s when it is shorter; empty for n <= 0).
std::string Left(std::string_view s, std::int64_t n);

// The characters of s from position start (from 1) to the end; empty when start lies
// past the end. A start below 1 counts as 1.
std::string Mid(std::string_view s, std::int64_t start);

// At most length characters of s from position start (from 1).
std::string Mid(std::string_view s, std::int64_t start, std::int64_t length);

// Character position (from 1) of the first occurrence of find in s at or after
// position start; 0 when there is none (and for an empty find).
std::int64_t InStr(std::int64_t start, std::string_view s, std::string_view find);
std::int64_t InStr(std::string_view s, std::string_view find);

// Field n (from 1) of s split at separator; the whole text when it has no separator,
// empty when there is no field n.
std::string NthField(std::string_view s, std::string_view separator, std::int64_t n);

// Text equality, ignoring letter case.
bool TextEquals(std::string_view a, std::string_view b);

// Decimal digits of v, a leading "-" when negative, no separators.
std::string Str(std::int64_t v);

// value shown through a picture: "#" a digit where the value has one, "0" always a
// digit, "," a thousands separator, "." the decimal point followed by as many places
// as the picture has after it, "-" a minus sign only for a negative value. Rounded to
// the places shown, halves away from zero. A value wider than the picture shows all
// its digits, with separators when the picture has them (1,102,988.76). A negative
// value that rounds to zero shows no minus sign. Infinities and NaN give "INF",
// "-INF" and "NAN".
std::string Format(double value, std::string_view picture);

// The number that text spells: optional sign, digits, optional point and digits.
// Reading stops at the first character that does not continue the number, so a
// second point or a sign after the first character ends it. Never fails: an empty
// text or one without a leading number gives 0; digits beyond the largest double give
// an infinity.
double Val(std::string_view text);

}  // namespace platform
