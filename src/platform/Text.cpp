#include "platform/Text.h"

#include <QChar>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

#include <locale.h>
#include <stdlib.h>

namespace platform {
namespace {

// Length in bytes of the character that starts at s[i]. A byte that does not begin a
// well-formed UTF-8 sequence (stray continuation byte, truncated or overlong sequence,
// surrogate, beyond U+10FFFF) counts as a character of its own, so any byte string has
// a length and can be cut anywhere without failing.
struct Decoded {
  std::size_t length = 1;
  char32_t code = 0;
  bool valid = false;
};

Decoded Decode(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80)
    return {1, lead, true};
  std::size_t n = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    n = 2;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    n = 3;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    n = 4;
    minimum = 0x10000;
  } else {
    return {1, lead, false};
  }
  if (s.size() - i < n)
    return {1, lead, false};
  char32_t code = lead & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80)
      return {1, lead, false};
    code = (code << 6) | (b & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return {1, lead, false};
  return {n, code, true};
}

std::size_t CharLength(std::string_view s, std::size_t i) {
  return Decode(s, i).length;
}

// Byte offset after skipping count characters (stops at the end of s); advanced is how
// many characters were skipped.
std::size_t SkipChars(std::string_view s, std::int64_t count, std::int64_t* advanced = nullptr) {
  std::size_t offset = 0;
  std::int64_t skipped = 0;
  while (skipped < count && offset < s.size()) {
    offset += CharLength(s, offset);
    ++skipped;
  }
  if (advanced)
    *advanced = skipped;
  return offset;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A picture split into what the number needs: the literal text around the digits, where
// the sign goes, the digits always shown before the point, the places after it.
struct Picture {
  std::string prefix;  // literal text before the digits; a '-' in it is the sign's place
  std::string suffix;  // literal text after the digits; a '-' in it is the sign's place
  bool hasDigits = false;
  bool group = false;
  bool point = false;
  std::size_t minIntegerDigits = 0;
  std::size_t places = 0;
};

Picture ParsePicture(std::string_view picture) {
  Picture p;
  const auto isBody = [](char c) { return c == '#' || c == '0' || c == ',' || c == '.'; };
  std::size_t first = picture.size();
  std::size_t last = 0;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    if (isBody(picture[i])) {
      if (first == picture.size())
        first = i;
      last = i;
    }
  }
  if (first == picture.size()) {
    p.prefix = std::string(picture);
    return p;
  }
  p.prefix = std::string(picture.substr(0, first));
  p.suffix = std::string(picture.substr(last + 1));
  bool afterPoint = false;
  std::size_t integerPlaceholders = 0;
  std::optional<std::size_t> firstZero;
  for (std::size_t i = first; i <= last; ++i) {
    const char c = picture[i];
    if (c == '.') {
      if (!afterPoint) {
        afterPoint = true;
        p.point = true;
      }
    } else if (c == ',') {
      if (!afterPoint)
        p.group = true;
    } else if (c == '#' || c == '0') {
      p.hasDigits = true;
      if (afterPoint) {
        ++p.places;
      } else {
        if (c == '0' && !firstZero)
          firstZero = integerPlaceholders;
        ++integerPlaceholders;
      }
    }
  }
  p.minIntegerDigits = firstZero ? integerPlaceholders - *firstZero : 0;
  return p;
}

// Replaces every '-' of a literal part with the sign (or removes it); true when one was there.
bool PlaceSign(std::string& literal, bool negative) {
  bool found = false;
  std::string out;
  for (char c : literal) {
    if (c == '-') {
      found = true;
      if (negative)
        out += '-';
    } else {
      out += c;
    }
  }
  literal = std::move(out);
  return found;
}

// Adds one in the last place of a decimal digit string, carrying as far as needed.
void AddOneToLastDigit(std::string& digits) {
  std::size_t k = digits.size();
  while (k > 0 && digits[k - 1] == '9') {
    digits[k - 1] = '0';
    --k;
  }
  if (k == 0)
    digits.insert(digits.begin(), '1');
  else
    ++digits[k - 1];
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0)
      out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

std::string Chr(std::int64_t code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return {};
  const auto c = static_cast<char32_t>(code);
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::int64_t Len(std::string_view s) {
  std::int64_t count = 0;
  SkipChars(s, std::numeric_limits<std::int64_t>::max(), &count);
  return count;
}

std::string Left(std::string_view s, std::int64_t n) {
  if (n <= 0)
    return {};
  return std::string(s.substr(0, SkipChars(s, n)));
}

std::string Mid(std::string_view s, std::int64_t start) {
  if (start < 1)
    start = 1;
  return std::string(s.substr(SkipChars(s, start - 1)));
}

std::string Mid(std::string_view s, std::int64_t start, std::int64_t length) {
  if (length <= 0)
    return {};
  if (start < 1)
    start = 1;
  const std::string_view rest = s.substr(SkipChars(s, start - 1));
  return std::string(rest.substr(0, SkipChars(rest, length)));
}

std::int64_t InStr(std::int64_t start, std::string_view s, std::string_view find) {
  if (find.empty())
    return 0;
  if (start < 1)
    start = 1;
  std::int64_t skipped = 0;
  std::size_t offset = SkipChars(s, start - 1, &skipped);
  if (skipped < start - 1)
    return 0;
  // Matches count only where a character begins, so a multi-byte character is never
  // found by a piece of it.
  std::int64_t position = start;
  while (offset < s.size()) {
    if (s.compare(offset, find.size(), find) == 0)
      return position;
    offset += CharLength(s, offset);
    ++position;
  }
  return 0;
}

std::int64_t InStr(std::string_view s, std::string_view find) {
  return InStr(1, s, find);
}

std::string NthField(std::string_view s, std::string_view separator, std::int64_t n) {
  if (n < 1)
    return {};
  if (separator.empty())
    return n == 1 ? std::string(s) : std::string();
  std::size_t begin = 0;
  for (std::int64_t field = 1; field < n; ++field) {
    const std::size_t at = s.find(separator, begin);
    if (at == std::string_view::npos)
      return {};
    begin = at + separator.size();
  }
  const std::size_t end = s.find(separator, begin);
  return std::string(
      s.substr(begin, end == std::string_view::npos ? s.size() - begin : end - begin));
}

bool TextEquals(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const Decoded x = Decode(a, i);
    const Decoded y = Decode(b, j);
    if (x.valid != y.valid)
      return false;
    if (x.valid) {
      if (x.code != y.code && QChar::toCaseFolded(x.code) != QChar::toCaseFolded(y.code))
        return false;
    } else if (a[i] != b[j]) {
      return false;
    }
    i += x.length;
    j += y.length;
  }
  return i == a.size() && j == b.size();
}

std::string Str(std::int64_t v) {
  std::array<char, 24> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), result.ptr);
}

std::string Format(double value, std::string_view picture) {
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";

  Picture p = ParsePicture(picture);
  const double magnitude = std::fabs(value);

  // The exact decimal expansion of the double: every finite double has at most 309
  // integer and 1074 fractional digits, so rounding it by hand decides halves on the
  // value the double really holds (2.675 is 2.67499999..., and stays 2.67).
  constexpr int kExactPlaces = 1100;
  std::array<char, 309 + 2 + kExactPlaces + 16> buf{};
  std::string digits;      // the kept digits, integer and fraction together
  std::size_t places = 0;  // how many of them lie after the point
  if (p.hasDigits) {
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                      std::chars_format::fixed, kExactPlaces);
    const std::string_view exact(buf.data(), result.ptr - buf.data());
    const std::size_t dot = exact.find('.');
    const std::string_view integer = exact.substr(0, dot);
    const std::string_view fraction = exact.substr(dot + 1);
    places = p.places;
    digits = std::string(integer);
    if (places >= fraction.size()) {
      // Beyond the exact expansion every digit is zero: nothing to round.
      digits += fraction;
      digits.append(places - fraction.size(), '0');
    } else {
      digits += fraction.substr(0, places);
      if (fraction[places] >= '5')
        AddOneToLastDigit(digits);
    }
  } else {
    // A picture without digit places: the shortest text that reads back as the value.
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::fixed);
    const std::string_view shortest(buf.data(), result.ptr - buf.data());
    const std::size_t dot = shortest.find('.');
    digits = std::string(shortest.substr(0, dot));
    p.point = dot != std::string_view::npos;
    if (p.point) {
      places = shortest.size() - dot - 1;
      digits += shortest.substr(dot + 1);
    }
    p.minIntegerDigits = 1;
  }

  const bool isZero = digits.find_first_not_of('0') == std::string::npos;
  const bool negative = std::signbit(value) && !isZero;

  std::string integer = digits.substr(0, digits.size() - places);
  const std::string fraction = digits.substr(digits.size() - places);
  const std::size_t firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
  if (integer.size() < p.minIntegerDigits)
    integer.insert(0, p.minIntegerDigits - integer.size(), '0');
  if (p.group)
    integer = GroupThousands(integer);

  // A negative number keeps its sign even when the picture has no place for one.
  const bool signInPrefix = PlaceSign(p.prefix, negative);
  const bool signInSuffix = PlaceSign(p.suffix, negative);
  std::string out = p.prefix;
  if (negative && !signInPrefix && !signInSuffix)
    out += '-';
  out += integer;
  if (p.point) {
    out += '.';
    out += fraction;
  }
  out += p.suffix;
  return out;
}

double Val(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t begin = i;
  bool anyDigit = false;
  bool nonZeroInteger = false;
  while (i < n && IsDigit(text[i])) {
    anyDigit = true;
    nonZeroInteger = nonZeroInteger || text[i] != '0';
    ++i;
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) {
      anyDigit = true;
      ++i;
    }
  }
  if (!anyDigit)
    return 0.0;
  double value = 0.0;
  const auto result =
      std::from_chars(text.data() + begin, text.data() + i, value, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars refuses subnormal results as well as overflow; strtod in the "C" locale
    // gives the correctly rounded subnormal, zero for less, and infinity for too much.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string digits(text.substr(begin, i - begin));
    if (cLocale)
      value = strtod_l(digits.c_str(), nullptr, cLocale);
    else
      value = nonZeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace platform
