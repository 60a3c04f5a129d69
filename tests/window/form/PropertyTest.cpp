// Seeded random loops over the parsers of the form: the number filter with Val, the
// inputs file reader, and the save -> load -> Okay round trip of every number.
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/MathFunctions.h"
#include "platform/Text.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

namespace fs = std::filesystem;

bool IsNumberCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

// The filter as stated, one character at a time.
std::string ReferenceTextCheck(const std::string& s) {
  std::string kept;
  for (std::int64_t i = 1; i <= platform::Len(s); ++i) {
    const std::string c = platform::Mid(s, i, 1);
    if (c.size() == 1 && IsNumberCharacter(c[0])) {
      kept += c;
    }
  }
  return kept;
}

// What Val reads of a filtered text: a sign, digits, a point and digits; correctly
// rounded, an infinity only when the digits exceed the largest double.
double ReferenceVal(const std::string& filtered) {
  std::size_t end = 0;
  if (end < filtered.size() && (filtered[end] == '+' || filtered[end] == '-')) {
    ++end;
  }
  while (end < filtered.size() && filtered[end] >= '0' && filtered[end] <= '9') {
    ++end;
  }
  if (end < filtered.size() && filtered[end] == '.') {
    ++end;
    while (end < filtered.size() && filtered[end] >= '0' && filtered[end] <= '9') {
      ++end;
    }
  }
  const std::string number = filtered.substr(0, end);
  return std::strtod(number.c_str(), nullptr);
}

class RandomTexts {
 public:
  explicit RandomTexts(std::uint64_t seed) : random_(seed) {}

  // A text of the given length in characters, mixing number characters, letters,
  // multi-byte characters and, when allowed, bytes that are no UTF-8.
  std::string Make(std::size_t length, bool validUtf8) {
    static const char* const kPieces[] = {
        "0",      "1",      "2",      "5",      "9",      ".",          "+",      "-", "$",
        ",",      "%",      " ",      "(",      ")",      "e",          "a",      "Z", "\t",
        "\u00e9", "\u2212", "\u20ac", "\u2014", "\uFF11", "\U0001F3E0", "\u0661",
    };
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
      if (!validUtf8 && Pick(8) == 0) {
        text += static_cast<char>(Pick(256));
      } else {
        text += kPieces[Pick(std::size(kPieces))];
      }
    }
    return text;
  }

  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  std::mt19937_64& Engine() { return random_; }

 private:
  std::mt19937_64 random_;
};

class PropertyTest : public FormTest {};

TEST_F(PropertyTest, TheFilterAndValNeverFailAndStayFinite) {
  MainWindow& w = OpenWindow();
  RandomTexts texts(20260407);
  for (int round = 0; round < 3000; ++round) {
    const bool valid = round % 2 == 0;
    const std::size_t length = round % 1000 == 999 ? 10000 : texts.Pick(60);
    const std::string text = texts.Make(length, valid);
    const std::string filtered = w.TextCheck(text);
    SCOPED_TRACE("round " + std::to_string(round) + ", filtered \"" + filtered.substr(0, 80) +
                 "\"");
    for (const char c : filtered) {
      ASSERT_TRUE(IsNumberCharacter(c));
    }
    if (length <= 100 || round % 2000 == 999) {
      ASSERT_EQ(filtered, ReferenceTextCheck(text));
    }
    if (valid) {
      // In UTF-8 the number characters are whole characters of one byte each.
      std::string bytes;
      for (const char c : text) {
        if (IsNumberCharacter(c)) {
          bytes += c;
        }
      }
      ASSERT_EQ(filtered, bytes);
    }
    const double v = platform::Val(filtered);
    const double expected = ReferenceVal(filtered);
    ASSERT_FALSE(std::isnan(v));
    ASSERT_EQ(std::isfinite(v), std::isfinite(expected));
    ASSERT_EQ(v, expected);
  }
}

TEST_F(PropertyTest, RandomBytesThroughLoadInputsNeverCrash) {
  MainWindow& w = OpenForm();
  RandomTexts texts(7);
  const fs::path path = TempDir() / "random";
  for (int round = 0; round < 300; ++round) {
    std::string content;
    if (round % 3 == 0) {
      content = texts.Pick(2) == 0 ? "true\n" : "TRUE\r\n";
    }
    const std::size_t length = texts.Pick(round % 50 == 0 ? 200000 : 2000);
    for (std::size_t i = 0; i < length; ++i) {
      content +=
          static_cast<char>(texts.Pick(6) == 0 ? "\n\r\t9."[texts.Pick(5)] : texts.Pick(256));
    }
    {
      std::ofstream out(path, std::ios::binary);
      out << content;
    }
    SCOPED_TRACE("round " + std::to_string(round));
    ExpectOpen(path);
    w.loadInputs();
    ASSERT_TRUE(Messages().empty()) << Messages().front();
    const ModeView mode = Mode(w);
    ASSERT_EQ(mode.value0, mode.liveIn);
    ASSERT_EQ(mode.value1, !mode.liveIn);
    ASSERT_EQ(mode.caption7, mode.liveIn ? kLiveInCaption : kRentCaption);
    ASSERT_EQ(mode.help12, mode.liveIn ? kLiveInHelp12 : kRentHelp12);
    // Whatever the fields now hold, Okay reads them without failing. A down payment
    // below zero keeps the model from running on random inputs.
    w.TextField1(1)->SetText("-1");
    Okay(w);
    ASSERT_GE(w.gCheck, 1);
    for (const double v : StoredInputs(w)) {
      ASSERT_FALSE(std::isnan(v));
    }
  }
}

// A random finite double: random bits, money amounts, whole numbers and small rates.
double RandomValue(RandomTexts& texts) {
  std::mt19937_64& engine = texts.Engine();
  switch (texts.Pick(4)) {
    case 0: {
      double v = 0;
      do {
        v = std::bit_cast<double>(engine());
      } while (!std::isfinite(v) || v == 0);
      return v;
    }
    case 1:
      return static_cast<double>(std::int64_t(engine() % 100000000) - 50000000) / 100.0;
    case 2:
      return static_cast<double>(std::int64_t(engine() % 2000000) - 1000000);
    default:
      return std::uniform_real_distribution<double>(-20, 20)(engine);
  }
}

std::string Fixed(double v) {
  std::array<char, 512> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

TEST_F(PropertyTest, EveryNumberSurvivesSaveLoadAndOkayBitForBit) {
  MainWindow& w = OpenForm();
  RandomTexts texts(1234567);
  const fs::path path = TempDir() / "round trip";
  const char* const kDecorations[] = {"", "$", " ", "%", " years"};
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Entries typed;
    std::array<double, 22> expected{};
    for (std::size_t i = 0; i < 22; ++i) {
      double v = RandomValue(texts);
      if (i == 1) {
        v = -std::fabs(v);  // a failing check keeps the model out of this loop
      }
      typed[i] = kDecorations[texts.Pick(5)] + Fixed(v) + kDecorations[texts.Pick(5)];
      // Digits beyond the largest double read as an infinity, however many are typed.
      if (round % 10 == 0 && (i == 12 || i == 13)) {
        typed[i] = (i == 12 ? "-" : "$") + std::string(round == 0 ? 320 : 70000, '8');
      }
      const double read = platform::Val(w.TextCheck(typed[i]));
      expected[i] = (i == 4 || i == 20) ? static_cast<double>(Int(read)) : read;
    }
    Fill(w, typed);
    w.RadioButton1(round % 2)->SetValue(true);
    ExpectSave(path);
    w.SaveInputs();
    for (std::int64_t i = 0; i < 22; ++i) {
      w.TextField1(i)->SetText("x");
    }
    w.RadioButton1(1 - round % 2)->SetValue(true);
    ExpectOpen(path);
    w.loadInputs();
    ASSERT_EQ(w.gLiveInRent, round % 2 == 0);
    Okay(w);
    const std::array<double, 22> stored = StoredInputs(w);
    for (std::size_t i = 0; i < 22; ++i) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(stored[i]), std::bit_cast<std::uint64_t>(expected[i]))
          << "field " << i << " typed \"" << typed[i] << "\" loaded \""
          << w.TextField1(static_cast<std::int64_t>(i))->Text() << "\"";
    }
  }
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace tavrel::formtest
