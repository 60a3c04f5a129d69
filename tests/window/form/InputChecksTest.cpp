// Okay on the form page: reading the 22 fields, the 14 checks, the opening values and
// the model run.
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "model/MathFunctions.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

class InputChecksTest : public FormTest {};

double Cents(double v) {
  return Round(v * 100) / 100;
}

struct Reading {
  const char* name;
  const char* typed;
  double expected;
};

class FieldReadingTest : public InputChecksTest, public ::testing::WithParamInterface<Reading> {};

// Field 5, the closing costs, has no check, so every reading is stored as it comes.
TEST_P(FieldReadingTest, KeepsOnlyDigitsPointAndSigns) {
  MainWindow& w = OpenForm();
  Fill(w, kPassingEntries);
  w.TextField1(5)->SetText(GetParam().typed);
  Okay(w);
  EXPECT_EQ(w.gClosing, GetParam().expected) << "typed \"" << GetParam().typed << "\"";
  EXPECT_EQ(w.gCheck, -1);
  // The picture never rewrites what was typed.
  EXPECT_EQ(w.TextField1(5)->Text(), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldReadingTest,
    ::testing::Values(Reading{"Dollars", "$250,000", 250000}, Reading{"Percent", "5%", 5},
                      Reading{"Fraction", "6.5", 6.5}, Reading{"Parentheses", "(500)", 500},
                      Reading{"Exponent", "1e5", 15}, Reading{"Blank", "12 000", 12000},
                      Reading{"Empty", "", 0}, Reading{"Letters", "abc", 0},
                      Reading{"Negative", "-250", -250}, Reading{"Plus", "+7", 7},
                      Reading{"TypographicMinus",
                              "\u2212"
                              "42",
                              42},
                      Reading{"SecondPoint", "1.2.3", 1.2},
                      Reading{"FullWidthDigits", "\uFF11\uFF12", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts that are no valid UTF-8 cut characters in unusual places; the filter keeps what
// a character-by-character pass keeps, and nothing of a multi-byte sequence.
TEST_F(InputChecksTest, TextCheckOfBrokenUtf8KeepsOnlyWholeNumberCharacters) {
  MainWindow& w = OpenWindow();
  struct Row {
    const char* name;
    std::string text;
    std::string kept;
  };
  const Row rows[] = {
      {"lead byte before a digit",
       "\xc3"
       "5",
       "5"},
      {"truncated three-byte sequence before a digit",
       "\xe2\x88"
       "7",
       "7"},
      {"overlong encoding of a digit", "\xc0\xb1", ""},
      {"stray continuation bytes",
       "\x80\xbf"
       "4\xbf",
       "4"},
      {"surrogate between digits",
       "1\xed\xa0\x80"
       "2",
       "12"},
      {"four-byte character before a point", "\xf0\x9f\x8f\xa0.5", ".5"},
      {"a NUL byte",
       std::string("3\0"
                   "4",
                   3),
       "34"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(w.TextCheck(row.text), row.kept) << row.name;
  }
}

struct LengthCase {
  const char* name;
  std::string typed;
  std::int64_t expected;
  bool fails;
};

class LengthTest : public InputChecksTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LengthTest, IsTruncatedTowardZeroAndCheckedAfterwards) {
  const LengthCase& c = GetParam();
  for (const std::int64_t field : {4, 20}) {
    SCOPED_TRACE("field " + std::to_string(field));
    MainWindow& w = OpenForm();
    Fill(w, kPassingEntries);
    w.TextField1(field)->SetText(c.typed);
    Okay(w);
    EXPECT_EQ(field == 4 ? w.gN : w.gN2, c.expected);
    if (c.fails) {
      EXPECT_EQ(w.gCheck, field);
      EXPECT_EQ(w.gWarning, "The mortgage length cannot be negative!");
    } else {
      EXPECT_EQ(w.gCheck, -1);
    }
    CloseMainWindow();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LengthTest,
    ::testing::Values(LengthCase{"Fraction", "12.9", 12, false},
                      LengthCase{"SmallNegative", "-0.5", 0, false},
                      LengthCase{"MinusOne", "-1", -1, true},
                      LengthCase{"FortyDigits", "1234567890123456789012345678901234567890",
                                 std::numeric_limits<std::int64_t>::max(), false},
                      LengthCase{"FortyNegativeDigits", "-1234567890123456789012345678901234567890",
                                 std::numeric_limits<std::int64_t>::min(), true},
                      LengthCase{"BeyondADouble", std::string(400, '9'),
                                 std::numeric_limits<std::int64_t>::max(), false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
  std::int64_t field;
  const char* typed;
  const char* message;
};

class CheckTest : public InputChecksTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckTest, ReportsItsMessageAndFocusesItsField) {
  const CheckCase& c = GetParam();
  MainWindow& w = OpenForm();
  Fill(w, kPassingEntries);
  w.TextField1(c.field)->SetText(c.typed);
  const std::int64_t refreshes = w.RefreshCount();
  Okay(w);
  EXPECT_EQ(w.gCheck, c.field);
  EXPECT_EQ(w.gWarning, c.message);
  EXPECT_FALSE(w.gCalculations);
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
  EXPECT_EQ(FocusedField(w), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckTest,
    ::testing::Values(CheckCase{0, "", "The home price must be greater than 0!"},
                      CheckCase{0, "letters", "The home price must be greater than 0!"},
                      CheckCase{0, "0", "The home price must be greater than 0!"},
                      CheckCase{0, "-1", "The home price must be greater than 0!"},
                      CheckCase{1, "-1", "The downpayment cannot be negative!"},
                      CheckCase{2, "-1", "The mortgage cannot be negative!"},
                      CheckCase{3, "-0.01", "The mortgage rate cannot be negative!"},
                      CheckCase{4, "-2", "The mortgage length cannot be negative!"},
                      CheckCase{6, "-1", "The tax rate cannot be negative!"},
                      CheckCase{7, "-1", "The rent savings cannot be negative!"},
                      CheckCase{8, "-1", "Property taxes cannot be negative!"},
                      CheckCase{9, "-1", "The cost of insurance cannot be negative!"},
                      CheckCase{10, "-1", "The cost of utilities cannot be negative!"},
                      CheckCase{11, "-1", "Maintenance expenses cannot be negative!"},
                      CheckCase{18, "-1", "The mortgage cannot be negative!"},
                      CheckCase{19, "-1", "The mortgage rate cannot be negative!"},
                      CheckCase{20, "-1", "The mortgage length cannot be negative!"}),
    [](const auto& info) {
      return "Field" + std::to_string(info.param.field) + "_" + std::to_string(info.index);
    });

TEST_F(InputChecksTest, TheLastFailureWinsAndEveryValueStaysStored) {
  MainWindow& w = OpenForm();
  Fill(w, kPassingEntries);
  w.TextField1(0)->SetText("-100");
  w.TextField1(1)->SetText("-50");
  Okay(w);
  EXPECT_EQ(w.gCheck, 1);
  EXPECT_EQ(w.gWarning, "The downpayment cannot be negative!");
  EXPECT_EQ(w.gHomePrice, -100);
  EXPECT_EQ(w.gDownPayment, -50);
  EXPECT_EQ(FocusedField(w), 1);
  // Fixing the last one reports the next one down.
  w.TextField1(1)->SetText("0");
  Okay(w);
  EXPECT_EQ(w.gCheck, 0);
  EXPECT_EQ(w.gWarning, "The home price must be greater than 0!");
}

TEST_F(InputChecksTest, NegativeRatesAndClosingCostsAreAccepted) {
  for (const std::int64_t field : {5, 12, 13, 14, 15, 16, 17, 21}) {
    SCOPED_TRACE("field " + std::to_string(field));
    MainWindow& w = OpenForm();
    Fill(w, kPassingEntries);
    w.TextField1(field)->SetText("-2");
    Okay(w);
    EXPECT_EQ(w.gCheck, -1);
    EXPECT_TRUE(w.gCalculations);
    CloseMainWindow();
  }
}

TEST_F(InputChecksTest, OpeningValuesAreWrittenWhenACheckFails) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  w.TextField1(0)->SetText("");
  w.TextField1(18)->SetText("1000");
  w.TextField1(10)->SetText("250.5");
  w.gCumTavrel[0] = 99;
  Okay(w);
  ASSERT_EQ(w.gCheck, 0);
  EXPECT_FALSE(w.gCalculations);
  EXPECT_EQ(w.gAnnualRent[1], 18000);
  EXPECT_EQ(w.gPropTaxes[1], 3000);
  EXPECT_EQ(w.gInsurance[1], 1000);
  EXPECT_EQ(w.gUtilities[1], 250.5);
  EXPECT_EQ(w.gMaintenance[1], 1000);
  EXPECT_EQ(w.gMortBalance[0], 200000);
  EXPECT_EQ(w.gMortBalance2[0], 1000);
  EXPECT_EQ(w.gCumTavrel[0], 0);
  // The model did not run: nothing beyond the opening values.
  EXPECT_EQ(w.gAnnualRent[2], 0);
  EXPECT_EQ(w.gTavrel[1], 0);
}

// A failed check after a successful run keeps that run's results, with the freshly seeded
// year 1 beside them; a successful Okay after it clears the check but keeps the message.
TEST_F(InputChecksTest, FailedAndSuccessfulOkaysFollowingEachOther) {
  MainWindow& w = OpenForm();
  Fill(w, kPassingEntries);
  Okay(w);
  ASSERT_TRUE(w.gCalculations);
  const ValuationTable pv = w.gPV;
  const double tavrel2 = w.gTavrel[2];
  w.TextField1(3)->SetText("-6");
  w.TextField1(7)->SetText("2000");
  Okay(w);
  ASSERT_EQ(w.gCheck, 3);
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(w.gPV, pv);
  EXPECT_EQ(w.gTavrel[2], tavrel2);
  EXPECT_EQ(w.gAnnualRent[1], 24000);
  const std::string warning = w.gWarning;
  w.TextField1(3)->SetText("6");
  Okay(w);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_EQ(w.gWarning, warning);
  EXPECT_NE(w.gPV, pv);
}

// The one run of the model's worked example through the form: typed, read, checked and
// calculated with the limits the window set at open.
TEST_F(InputChecksTest, TheCompleteLiveInExampleThroughTheFields) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  Okay(w);
  ASSERT_EQ(w.gCheck, -1) << w.gWarning;
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(Cents(w.gTavrel[1]), 2344.10);
  EXPECT_EQ(Cents(w.gTavrel[30]), 18127.83);
  EXPECT_EQ(Cents(w.gWealth[30]), 1102988.76);
  EXPECT_EQ(Cents(w.gPV[1]), 1359028.19);
  EXPECT_EQ(Cents(w.gPV[5]), 252435.54);
  EXPECT_EQ(Round(w.gIRR * 100000) / 100000, 0.12262);
  EXPECT_EQ(w.gNumIRRcalcs, 8);
}

TEST_F(InputChecksTest, TwoOkaysWithTheSameFieldsGiveTheSameResults) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  Okay(w);
  const YearTable wealth = w.gWealth;
  const ValuationTable pv = w.gPV;
  const double irr = w.gIRR;
  const std::int64_t passes = w.gNumIRRcalcs;
  Okay(w);
  EXPECT_EQ(w.gWealth, wealth);
  EXPECT_EQ(w.gPV, pv);
  EXPECT_EQ(w.gIRR, irr);
  EXPECT_EQ(w.gNumIRRcalcs, passes);
}

TEST_F(InputChecksTest, EachFieldFeedsItsOwnInput) {
  MainWindow& w = OpenForm();
  Entries entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = std::to_string(101 + i);
  }
  Fill(w, entries);
  Okay(w);
  ASSERT_EQ(w.gCheck, -1) << w.gWarning;
  const std::array<double, 22> stored = StoredInputs(w);
  for (std::size_t i = 0; i < 22; ++i) {
    EXPECT_EQ(stored[i], 101.0 + static_cast<double>(i)) << "field " << i;
  }
  EXPECT_EQ(w.gAnnualRent[1], 12.0 * 108);
}

TEST_F(InputChecksTest, OnAnUnknownPageOkayDoesNothing) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  w.gWindow = 2;
  const std::int64_t refreshes = w.RefreshCount();
  Okay(w);
  EXPECT_EQ(w.gWindow, 2);
  EXPECT_EQ(w.gHomePrice, 0);
  EXPECT_FALSE(w.gCalculations);
  EXPECT_EQ(w.RefreshCount(), refreshes);
}

}  // namespace
}  // namespace tavrel::formtest
