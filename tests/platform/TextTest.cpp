// Character-counting text functions over UTF-8, including text that is not valid UTF-8.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace {

using platform::Chr;
using platform::InStr;
using platform::Left;
using platform::Len;
using platform::Mid;
using platform::NthField;
using platform::Str;
using platform::TextEquals;

// Caption 9 of the form: its apostrophe is U+2019, three bytes in UTF-8.
const std::string kInsurance = "Annual homeowner\u2019s insurance ($):";
const std::string kEmDash = "\u2014";

TEST(TextTest, LenCountsCharactersNotBytes) {
  struct Row {
    const char* name;
    std::string text;
    std::int64_t expected;
  };
  const std::vector<Row> rows = {
      {"empty", "", 0},
      {"ascii", "Tavrel", 6},
      {"caption with U+2019", kInsurance, 33},
      {"em dash between words", "a" + kEmDash + "b", 3},
      {"four-byte character", "\xF0\x9F\x98\x80", 1},
      {"stray continuation bytes", "\x80\x80", 2},
      {"invalid lead bytes",
       "\xFF\xFE"
       "ab",
       4},
      {"truncated sequence", "\xE2\x80", 2},
      {"overlong slash", "\xC0\xAF", 2},
      {"surrogate half", "\xED\xA0\x80", 3},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", 4},
      {"truncated at the end of a word", "ab\xE2", 3},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Len(row.text), row.expected) << row.name;
  }
}

TEST(TextTest, LeftAndMidCutAtCharacters) {
  struct Row {
    const char* name;
    std::string actual;
    std::string expected;
  };
  const std::string dashed = "one" + kEmDash + "two";
  const std::string invalid =
      "\xFF\xFE"
      "ab";
  const std::vector<Row> rows = {
      {"Mid picks U+2019", Mid(kInsurance, 17, 1), "\u2019"},
      {"Mid after U+2019", Mid(kInsurance, 18, 1), "s"},
      {"Left up to U+2019", Left(kInsurance, 17), "Annual homeowner\u2019"},
      {"Left of more than all", Left(kInsurance, 1000), kInsurance},
      {"Left of zero", Left(kInsurance, 0), ""},
      {"Left of negative", Left(kInsurance, -5), ""},
      {"Mid to the end", Mid(dashed, 4), kEmDash + "two"},
      {"Mid of em dash", Mid(dashed, 4, 1), kEmDash},
      {"Mid start below 1", Mid(dashed, 0), dashed},
      {"Mid start far below 1", Mid(dashed, std::numeric_limits<std::int64_t>::min()), dashed},
      {"Mid start past end", Mid(dashed, 8), ""},
      {"Mid start far past end", Mid(dashed, std::numeric_limits<std::int64_t>::max()), ""},
      {"Mid length zero", Mid(dashed, 2, 0), ""},
      {"Mid length negative", Mid(dashed, 2, -1), ""},
      {"Mid length beyond", Mid(dashed, 5, 100), "two"},
      {"Mid huge length", Mid(dashed, 1, std::numeric_limits<std::int64_t>::max()), dashed},
      {"Mid over invalid bytes", Mid(invalid, 3), "ab"},
      {"Mid picks one invalid byte", Mid(invalid, 2, 1), "\xFE"},
      {"Left of invalid bytes", Left(invalid, 1), "\xFF"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.actual, row.expected) << row.name;
  }
}

TEST(TextTest, InStrGivesCharacterPositions) {
  struct Row {
    const char* name;
    std::int64_t actual;
    std::int64_t expected;
  };
  const std::string line = "Price" + kEmDash + "of home";
  const std::vector<Row> rows = {
      {"U+2019 is character 17", InStr(kInsurance, "\u2019"), 17},
      {"word after U+2019", InStr(kInsurance, "insurance"), 20},
      {"blank after em dash", InStr(1, line, " "), 9},
      {"start after first blank", InStr(10, line, " "), 0},
      {"start on the blank", InStr(9, line, " "), 9},
      {"absent", InStr(kInsurance, "xyz"), 0},
      {"start below 1", InStr(-3, kInsurance, "A"), 1},
      {"start past end", InStr(100, kInsurance, "A"), 0},
      {"start at int64 max", InStr(std::numeric_limits<std::int64_t>::max(), line, " "), 0},
      {"empty find", InStr(kInsurance, ""), 0},
      {"piece of a character is not found", InStr(kInsurance, "\x80"), 0},
      {"invalid byte found as a character",
       InStr("a\xFF"
             "b",
             "b"),
       3},
      {"case matters", InStr(kInsurance, "annual"), 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.actual, row.expected) << row.name;
  }
}

TEST(TextTest, NthField) {
  struct Row {
    const char* name;
    std::string text;
    std::string separator;
    std::int64_t n;
    std::string expected;
  };
  const std::string tab = Chr(9);
  const std::vector<Row> rows = {
      {"no separator: whole text", "1500", tab, 1, "1500"},
      {"no separator: no field 2", "1500", tab, 2, ""},
      {"first of tab-separated", "1500\tword", tab, 1, "1500"},
      {"second of tab-separated", "1500\tword", tab, 2, "word"},
      {"beyond the last field", "a\tb", tab, 3, ""},
      {"field 0", "a\tb", tab, 0, ""},
      {"negative field", "a\tb", tab, -1, ""},
      {"line starting with a tab", "\t1500", tab, 1, ""},
      {"empty middle field", "a\t\tc", tab, 2, ""},
      {"last after empty", "a\t\tc", tab, 3, "c"},
      {"empty text", "", tab, 1, ""},
      {"separator of two characters", "x, y, z", ", ", 3, "z"},
      {"empty separator", "abc", "", 1, "abc"},
      {"field with U+2019", "it\u2019s\tfine", tab, 1, "it\u2019s"},
      {"invalid UTF-8 passes", "\xFF\t\xFE", tab, 2, "\xFE"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NthField(row.text, row.separator, row.n), row.expected) << row.name;
  }
}

TEST(TextTest, TextEqualsIgnoresCase) {
  struct Row {
    const char* name;
    std::string a;
    std::string b;
    bool expected;
  };
  const std::vector<Row> rows = {
      {"same", "true", "true", true},
      {"upper", "TRUE", "true", true},
      {"capitalised", "True", "true", true},
      {"trailing blank", "true ", "true", false},
      {"prefix", "tru", "true", false},
      {"empty and empty", "", "", true},
      {"empty and text", "", "true", false},
      {"beyond ASCII", "\xC3\x84PFEL", "\xC3\xA4pfel", true},  // ÄPFEL / äpfel
      {"U+2019 is not an apostrophe", "it\u2019s", "it's", false},
      {"same invalid bytes",
       "\xFF"
       "a",
       "\xFF"
       "A",
       true},
      {"different invalid bytes", "\xFF", "\xFE", false},
      {"invalid byte against character", "\xC3", "\xC3\x84", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextEquals(row.a, row.b), row.expected) << row.name;
  }
}

TEST(TextTest, StrAndChr) {
  EXPECT_EQ(Str(0), "0");
  EXPECT_EQ(Str(100), "100");
  EXPECT_EQ(Str(-42), "-42");
  EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
  EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");

  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(9), "\t");
  EXPECT_EQ(Chr(0x2019), "\u2019");
  EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Chr(-1), "");
  EXPECT_EQ(Chr(0xD800), "");
  EXPECT_EQ(Chr(0x110000), "");
}

}  // namespace
