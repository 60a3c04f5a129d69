#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"

namespace tavrel::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct PaymentRow {
  const char* name;
  double M;
  double R;
  std::int64_t N;
  double expected;  // bit for bit
};

TEST(PaymentRule, WorkedPayments) {
  const PaymentRow rows[] = {
      // The cent count is multiplied by 0.01, so the stored payment is off in the last bit.
      {"6% 200,000 30y", 200000, 6, 30, 1199.1000000000001},
      {"4.5% 150,000 15y rounds up", 150000, 4.5, 15, 0.01 * 114749},
      {"rate 0", 100000, 0, 30, 0.01 * 27778},
      {"amount 0", 0, 6, 30, 0},
      {"amount -0 counts as 0", -0.0, 6, 30, 0},
      {"rounds to 0 cents", 0.40, 1, 30, 0},
      {"length 0", 100000, 6, 0, kInf},
      {"length 0 rate 0", 100000, 0, 0, kInf},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PaymentRule(row.M, row.R, row.N), row.expected);
  }
}

struct YearRow {
  const char* name;
  Inputs in;
  std::int64_t year;
  double interest;
  double payments;
  double balance;
};

Inputs Loan(double M, double R, std::int64_t N) {
  return {.homePrice = 1, .mort = M, .r = R, .n = N};
}

// The first mortgage's year figures, to the cent.
TEST(Amortisation, WorkedYears) {
  const YearRow rows[] = {
      {"6% year 1", Loan(200000, 6, 30), 1, 11933.19, 14389.20, 197543.99},
      {"6% year 30 leaves the rounding", Loan(200000, 6, 30), 30, kAny, 14389.20, 1.06},
      {"6% year 31 repays it", Loan(200000, 6, 30), 31, 0.01, 1.06, 0},
      {"6% year 32", Loan(200000, 6, 30), 32, 0, 0, 0},
      {"rate 0 year 1", Loan(100000, 0, 30), 1, 0, 3333.36, 96666.64},
      {"rate 0 year 29", Loan(100000, 0, 30), 29, 0, 3333.36, 3332.56},
      {"rate 0 year 30", Loan(100000, 0, 30), 30, 0, 3332.56, 0},
      {"rate 0 year 31", Loan(100000, 0, 30), 31, 0, 0, 0},
      {"4.5% year 14", Loan(150000, 4.5, 15), 14, kAny, 12 * 1147.49, kAny},
      {"4.5% year 15 pays less than 12 X", Loan(150000, 4.5, 15), 15, kAny, 13769.86, 0},
      {"length 0 repaid in month 1", Loan(100000, 6, 0), 1, 500, 100500, 0},
      {"length 0 rate 0", Loan(100000, 0, 0), 1, 0, 100000, 0},
      {"amount 0", Loan(0, 6, 30), 1, 0, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto s = RunModel(row.in);
    ExpectCents("interest", s->gMortInterest[row.year], row.interest);
    ExpectCents("payments", s->gMortExpense[row.year], row.payments);
    ExpectCents("balance", s->gMortBalance[row.year], row.balance);
  }
}

// The repaying month pays exactly the debt with its interest, so repaid loans end at exactly 0.
TEST(Amortisation, RepaidLoansStayExactlyZero) {
  for (const auto& in :
       {Loan(200000, 6, 30), Loan(100000, 0, 30), Loan(150000, 4.5, 15), Loan(100000, 6, 0)}) {
    const auto s = RunModel(in);
    for (std::int64_t i = 32; i <= kLastYear; ++i) {
      ASSERT_EQ(s->gMortBalance[i], 0) << "year " << i;
      ASSERT_EQ(s->gMortExpense[i], 0) << "year " << i;
      ASSERT_EQ(s->gMortInterest[i], 0) << "year " << i;
    }
  }
}

TEST(Amortisation, PaymentRoundedToZeroNeverRepays) {
  const auto s = RunModel(Loan(0.40, 1, 30));
  EXPECT_EQ(s->gX, 0);
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    ASSERT_EQ(s->gMortExpense[i], 0) << "year " << i;
    ASSERT_GT(s->gMortInterest[i], 0) << "year " << i;
    ASSERT_GT(s->gMortBalance[i], s->gMortBalance[i - 1]) << "year " << i;
  }
  EXPECT_NEAR(s->gMortBalance[kLastYear] / (0.40 * std::pow(1 + 1.0 / 1200, 12000)), 1, 1e-9);
}

// Both mortgages follow the same rules; an absent second one stays 0 throughout.
TEST(Amortisation, SecondMortgage) {
  Inputs in = Loan(0, 0, 0);
  in.mort2 = 200000;
  in.r2 = 6;
  in.n2 = 30;
  auto s = RunModel(in);
  EXPECT_EQ(s->gX2, 1199.1000000000001);
  EXPECT_NEAR(s->gMortInterest2[1], 11933.19, kCent);
  EXPECT_NEAR(s->gMortExpense2[31], 1.06, kCent);
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    ASSERT_EQ(s->gMortBalance[i] + s->gMortExpense[i] + s->gMortInterest[i], 0) << i;
  }
}

// Every run rewrites every year, so nothing of a longer earlier loan survives.
TEST(Amortisation, RerunLeavesNothingOfTheEarlierRun) {
  auto s = RunModel(Loan(200000, 6, 30));
  Seed(*s, Loan(0, 6, 30));
  Calculations(*s);
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    ASSERT_EQ(s->gMortExpense[i] + s->gMortInterest[i] + s->gMortBalance[i], 0) << i;
  }
}

// A balance that is not positive is carried forward unamortised.
TEST(Amortisation, NonPositiveOpeningBalanceIsCarried) {
  auto s = std::make_unique<ModelState>();
  s->gR = 6;
  s->gX = 100;
  s->gMortBalance[0] = -50;
  s->gMortBalance2[0] = std::nan("");
  AmortiseYear(*s, 1);
  EXPECT_EQ(s->gMortBalance[1], -50);
  EXPECT_TRUE(std::isnan(s->gMortBalance2[1]));
  EXPECT_EQ(s->gMortExpense[1] + s->gMortInterest[1] + s->gMortExpense2[1] + s->gMortInterest2[1],
            0);
}

}  // namespace
}  // namespace tavrel::test
