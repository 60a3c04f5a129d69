// Format and Val: the pictures the program uses, halves decided on the double's exact
// value, and Val reading back bit for bit what std::to_chars wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace {

using platform::Format;
using platform::Val;

constexpr double kInf = std::numeric_limits<double>::infinity();

const char* const kEntry = "########0";
const char* const kTable = "-###,##0";
const char* const kMoney = "-###,##0.00";
const char* const kValue = "-###,###,###,###,##0";

// The exact decimal digits of 1e308 as a double (309 of them).
const std::string k1e308 =
    "100000000000000001097906362944045541740492309677311846336810682903157585404911491537163328"
    "978494688899061249669721172515611590283743140088328307009198146046031271664502933027185697"
    "489699588559043338384466165001178426897626212945177628091195786707458122783970171784415105"
    "291802893207873272974885715430223118336";

std::string Grouped(const std::string& digits) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      out += ',';
    out += digits[i];
  }
  return out;
}

TEST(FormatTest, Pictures) {
  struct Row {
    const char* name;
    double value;
    std::string picture;
    std::string expected;
  };
  const std::vector<Row> rows = {
      // Report and rate of return.
      {"zero", 0.0, kMoney, "0.00"},
      {"exact half cent rounds away from zero", 0.125, kMoney, "0.13"},
      {"2.675 is below the half", 2.675, kMoney, "2.67"},
      {"1.005 is below the half", 1.005, kMoney, "1.00"},
      {"0.005 is above the half", 0.005, kMoney, "0.01"},
      {"99.995 is above the half and carries", 99.995, kMoney, "100.00"},
      {"carry through the separators", 999999.9990234375, kMoney, "1,000,000.00"},
      {"1234.5", 1234.5, kMoney, "1,234.50"},
      {"wider than the picture", 1102988.76, kMoney, "1,102,988.76"},
      {"negative", -1234.5, kMoney, "-1,234.50"},
      {"negative rounding to zero", -0.004, kMoney, "0.00"},
      {"negative zero", -0.0, kMoney, "0.00"},
      {"smallest subnormal", std::numeric_limits<double>::denorm_min(), kMoney, "0.00"},
      {"negative subnormal", -std::numeric_limits<double>::denorm_min(), kMoney, "0.00"},
      {"negative exact half cent", -0.125, kMoney, "-0.13"},
      // Result tables.
      {"table rounds up", -1655.9, kTable, "-1,656"},
      {"table exact half negative", -2.5, kTable, "-3"},
      {"table small", 7.0, kTable, "7"},
      {"table zero", 0.0, kTable, "0"},
      {"table negative half rounds to -1", -0.5, kTable, "-1"},
      {"table below half negative is zero", -0.49, kTable, "0"},
      {"table million", 1234567.0, kTable, "1,234,567"},
      // Entry fields and the inputs file.
      {"entry whole", 9500.0, kEntry, "9500"},
      {"entry fraction up", 6.75, kEntry, "7"},
      {"entry 1200.75", 1200.75, kEntry, "1201"},
      {"entry exact half", 2.5, kEntry, "3"},
      {"entry largest below half", 0.49999999999999994, kEntry, "0"},
      {"entry zero", 0.0, kEntry, "0"},
      {"entry keeps its minus", -5.0, kEntry, "-5"},
      {"entry negative half", -0.5, kEntry, "-1"},
      {"entry of ten digits", 1234567890.0, kEntry, "1234567890"},
      {"entry no separators", 1102988.76, kEntry, "1102989"},
      // Intrinsic values.
      {"value", 123456789012.4, kValue, "123,456,789,012"},
      {"value negative half", -9876543.5, kValue, "-9,876,544"},
      {"value quadrillion", -1e15, kValue, "-1,000,000,000,000,000"},
      {"value wider than the picture", 1e18, kValue, "1,000,000,000,000,000,000"},
      // Huge values show every digit the double holds.
      {"1e308 entry", 1e308, kEntry, k1e308},
      {"1e308 money", 1e308, kMoney, Grouped(k1e308) + ".00"},
      {"-1e308 table", -1e308, kTable, "-" + Grouped(k1e308)},
      // Not numbers.
      {"infinity", kInf, kMoney, "INF"},
      {"minus infinity", -kInf, kTable, "-INF"},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), kEntry, "NAN"},
      // Other pictures follow the same rules.
      {"leading zeros", 7.0, "000", "007"},
      {"no integer zero", 0.5, "#.00", ".50"},
      {"trailing minus", -5.0, "###-", "5-"},
      {"trailing minus positive", 5.0, "###-", "5"},
      {"literal prefix", 1234.5, "$#,##0.00", "$1,234.50"},
      {"one place", 0.25, "0.0", "0.3"},
      {"empty picture", 1.5, "", "1.5"},
      {"picture without digits", 1.5, "$", "$1.5"},
      {"more places than the double has", 0.1, std::string("0.") + std::string(1200, '0'),
       "0.1000000000000000055511151231257827021181583404541015625" + std::string(1145, '0')},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Format(row.value, row.picture), row.expected)
        << row.name << " (value " << row.value << ", picture \"" << row.picture << "\")";
  }
}

TEST(ValTest, ReadsTheLeadingNumber) {
  struct Row {
    const char* name;
    std::string text;
    double expected;
  };
  const std::vector<Row> rows = {
      {"empty", "", 0.0},
      {"whole", "42", 42.0},
      {"fraction", "6.75", 6.75},
      {"second point ends it", "1.2.3", 1.2},
      {"sign after the first character ends it", "5-3", 5.0},
      {"lone minus", "-", 0.0},
      {"lone point", ".", 0.0},
      {"minus point", "-.", 0.0},
      {"plus", "+7", 7.0},
      {"minus", "-12.5", -12.5},
      {"two signs", "--5", 0.0},
      {"plus minus", "+-5", 0.0},
      {"exponent is not read", "1e5", 1.0},
      {"leading blanks skipped", "  12", 12.0},
      {"leading tab skipped", "\t12", 12.0},
      {"leading point", ".5", 0.5},
      {"minus leading point", "-.5", -0.5},
      {"trailing point", "5.", 5.0},
      {"letters", "abc", 0.0},
      {"digits then letters", "12abc", 12.0},
      {"leading zeros", "007", 7.0},
      {"largest double",
       "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558"
       "632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245"
       "490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168"
       "738177180919299881250404026184124858368",
       std::numeric_limits<double>::max()},
      {"digits beyond the largest double", "1" + std::string(400, '0'), kInf},
      {"negative digits beyond", "-1" + std::string(400, '0'), -kInf},
      {"too small reads as zero", "0." + std::string(400, '0') + "1", 0.0},
      {"10,000 ones overflow", std::string(10000, '1'), kInf},
      {"10,000 characters of leading zeros", std::string(9999, '0') + "7", 7.0},
      {"10,000 decimals", "0." + std::string(9998, '3'), 1.0 / 3.0},
      {"10,000 characters tiny", "0." + std::string(9997, '0') + "1", 0.0},
      {"number then 10,000 letters", "12" + std::string(10000, 'x'), 12.0},
  };
  for (const Row& row : rows) {
    const double actual = Val(row.text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(row.expected))
        << row.name << ": expected " << row.expected << ", got " << actual;
  }
}

// What std::to_chars writes in fixed notation, Val reads back to the same bits.
TEST(ValTest, ReadsBackFixedNotationBitForBit) {
  std::vector<double> values = {
      0.0,
      -0.0,
      1.0,
      0.1,
      1e308,
      -1e308,
      std::numeric_limits<double>::max(),
      std::numeric_limits<double>::lowest(),
      std::numeric_limits<double>::min(),
      std::numeric_limits<double>::denorm_min(),
      -std::numeric_limits<double>::denorm_min(),
      std::nextafter(std::numeric_limits<double>::min(), 0.0),  // largest subnormal
      2.2250738585072009e-308,
      4.9406564584124654e-320,
  };
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 5000; ++i) {
    const double v = std::bit_cast<double>(random());
    if (std::isfinite(v))
      values.push_back(v);
  }
  for (int i = 0; i < 1000; ++i) {
    // Subnormals: exponent bits zero.
    values.push_back(std::bit_cast<double>(random() & 0x800FFFFFFFFFFFFFULL));
  }
  std::vector<char> buffer(400);
  for (const double v : values) {
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed);
    ASSERT_EQ(result.ec, std::errc());
    const std::string text(buffer.data(), result.ptr);
    const double back = Val(text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(v))
        << "text " << text << " read back as " << back;
  }
}

// Format then Val (separators removed) gives the value to the places shown.
TEST(FormatTest, ReadsBackToThePlacesShown) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> magnitude(-12.0, 12.0);
  for (int i = 0; i < 20000; ++i) {
    const double v = std::copysign(std::pow(10.0, magnitude(random)), (i % 2) ? 1.0 : -1.0);
    std::string text = Format(v, kMoney);
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    const double back = Val(text);
    EXPECT_LE(std::fabs(back - v), 0.005 + std::fabs(v) * 1e-15) << v << " shown as " << text;
  }
}

}  // namespace
