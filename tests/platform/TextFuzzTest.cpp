// A seeded random loop over the text and number functions: any bytes, up to 10,000 of
// them, multi-byte and invalid UTF-8 included. Nothing may crash (the sanitizer build
// checks memory and undefined behaviour), and the results keep their invariants.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "platform/Text.h"

namespace {

using namespace platform;

std::string RandomText(std::mt19937_64& random) {
  static const char* const pieces[] = {
      "0",
      "1",
      "5",
      "9",
      ".",
      "-",
      "+",
      " ",
      "\t",
      "\r",
      "\n",
      "e",
      "a",
      "Z",
      ",",
      "$",
      "%",
      "\u2019",
      "\u2014",
      "\xF0\x9F\x98\x80",  // multi-byte characters
      "\x80",
      "\xFF",
      "\xC0",
      "\xE2\x80",
      "\xED\xA0\x80",
      "\xF4\x90\x80\x80",  // invalid
  };
  constexpr std::size_t kPieces = sizeof(pieces) / sizeof(pieces[0]);
  std::uniform_int_distribution<int> sizeClass(0, 9);
  const int cls = sizeClass(random);
  const std::size_t limit = cls < 6 ? 20 : cls < 9 ? 400 : 10000;
  const std::size_t length = std::uniform_int_distribution<std::size_t>(0, limit)(random);
  std::string text;
  while (text.size() < length) {
    if (random() % 4 == 0)
      text += static_cast<char>(random() & 0xFF);  // any byte at all
    else
      text += pieces[random() % kPieces];
  }
  return text;
}

// Characters of a leading number's whole part, as Val reads it: when there are more
// than 309 significant digits before the point, no double holds it.
bool DigitsExceedDouble(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos)
    return false;
  if (text[i] == '+' || text[i] == '-')
    ++i;
  while (i < text.size() && text[i] == '0')
    ++i;
  std::size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    ++digits;
    ++i;
  }
  return digits >= 309;
}

TEST(TextFuzzTest, RandomBytesNeverBreakTheTextFunctions) {
  std::mt19937_64 random(42);
  const std::string tab = Chr(9);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(random);
    SCOPED_TRACE("round " + std::to_string(round));

    const double value = Val(text);
    ASSERT_FALSE(std::isnan(value));
    if (std::isinf(value)) {
      ASSERT_TRUE(DigitsExceedDouble(text)) << "infinite from short digits";
    }

    const std::int64_t length = Len(text);
    ASSERT_LE(length, static_cast<std::int64_t>(text.size()));
    ASSERT_EQ(length == 0, text.empty());

    const std::int64_t cut = static_cast<std::int64_t>(random() % (text.size() + 3)) - 1;
    // Left and Mid split a text into two parts that join back to the whole.
    ASSERT_EQ(Left(text, cut) + Mid(text, std::max<std::int64_t>(cut, 0) + 1), text);
    const std::string piece = Mid(text, cut, 3);
    ASSERT_LE(Len(piece), 3);
    ASSERT_NE(text.find(piece), std::string::npos);

    const std::int64_t at = InStr(cut, text, " ");
    if (at > 0) {
      ASSERT_EQ(Mid(text, at, 1), " ");
    }

    // The fields, joined with the separator, give the text back.
    std::string joined;
    const std::int64_t fields =
        static_cast<std::int64_t>(std::count(text.begin(), text.end(), '\t')) + 1;
    for (std::int64_t n = 1; n <= fields; ++n) {
      if (n > 1)
        joined += tab;
      joined += NthField(text, tab, n);
    }
    ASSERT_EQ(joined, text);
    ASSERT_EQ(NthField(text, tab, fields + 1), "");

    ASSERT_TRUE(TextEquals(text, text));
  }
}

TEST(TextFuzzTest, RandomDoublesFormatWithEveryPicture) {
  std::mt19937_64 random(4242);
  const char* const pictures[] = {"########0", "-###,##0", "-###,##0.00", "-###,###,###,###,##0"};
  for (int round = 0; round < 4000; ++round) {
    const double v = std::bit_cast<double>(random());
    for (const char* picture : pictures) {
      const std::string text = Format(v, picture);
      ASSERT_FALSE(text.empty()) << v;
      if (std::isnan(v)) {
        ASSERT_EQ(text, "NAN");
      } else if (std::isinf(v)) {
        ASSERT_EQ(text, v < 0 ? "-INF" : "INF");
      } else {
        // Never "-0": a minus sign is followed by a non-zero digit somewhere.
        if (text[0] == '-') {
          ASSERT_NE(text.find_first_of("123456789"), std::string::npos) << text;
        }
        ASSERT_EQ(text[0] == '-', v < 0 && text.find_first_of("123456789") != std::string::npos)
            << v << " shown as " << text;
      }
    }
  }
}

TEST(TextFuzzTest, RandomPicturesNeverBreakFormat) {
  std::mt19937_64 random(99);
  const char pictureChars[] = "#0,.-$% ;()";
  for (int round = 0; round < 3000; ++round) {
    std::string picture;
    const std::size_t length = random() % 40;
    for (std::size_t i = 0; i < length; ++i)
      picture += pictureChars[random() % (sizeof(pictureChars) - 1)];
    if (round % 100 == 0)
      picture += "." + std::string(1100 + random() % 200, '0');  // more places than exist
    const double v = round % 3 == 0 ? std::bit_cast<double>(random())
                                    : std::ldexp(static_cast<double>(random() % 2000000) - 1e6,
                                                 static_cast<int>(random() % 40) - 20);
    const std::string text = Format(v, picture);
    if (std::isfinite(v) && picture.find_first_of("#0") != std::string::npos &&
        picture.find('.') == std::string::npos) {
      // Whole numbers: the digits shown are the value rounded.
      std::string digits;
      for (char c : text) {
        if (c >= '0' && c <= '9')
          digits += c;
      }
      if (std::fabs(v) < 1e15 && !digits.empty()) {
        ASSERT_EQ(Val(digits), std::fabs(std::round(v)))
            << v << " with \"" << picture << "\" gave " << text;
      }
    }
  }
}

}  // namespace
