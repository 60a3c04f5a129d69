#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"

// Inputs the form can pass but no real home has. Nothing may crash, overflow an integer or
// reach past an array (the sanitizer build checks); the doubles follow IEEE arithmetic.
namespace tavrel::test {
namespace {

constexpr std::int64_t kMaxLength = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kFirstOverflowingLength = 768614336404564651;  // 12 × N > 2^63 - 1
constexpr double kHuge = 1e308;
const double kNaN = std::nan("");

// Near and beyond the largest 64-bit month count (which saturates) the payment is the monthly
// interest alone; a negative count gives a payment of -0.
TEST(ExtremeInputs, HugeLengths) {
  for (std::int64_t n : {kMaxLength, kFirstOverflowingLength, kFirstOverflowingLength - 1}) {
    SCOPED_TRACE(n);
    EXPECT_NEAR(PaymentRule(200000, 6, n), 1000, kCent);
    EXPECT_EQ(PaymentRule(200000, 0, n), 0);
    EXPECT_EQ(PaymentRule(200000, 6, -n), 0);
    Inputs in = CompleteRun(true);
    in.n = n;
    in.n2 = n;
    in.mort2 = 1;
    in.r2 = 0;
    const auto s = RunModel(in);
    EXPECT_NEAR(s->gMortBalance[1], 200000, kCent);
    EXPECT_EQ(s->gMortExpense[1], 12000);
    EXPECT_EQ(s->gMortBalance2[kLastYear], 1);
    EXPECT_TRUE(std::isfinite(s->gWealth[kLastYear]));
  }
}

TEST(ExtremeInputs, HugeAmountsAndRates) {
  Inputs in = CompleteRun(true);
  in.homePrice = kHuge;
  in.mort = kHuge;
  in.r = kHuge;
  in.mort2 = 1e306;
  in.r2 = 1;
  in.n2 = 1;
  in.rent = kHuge;
  in.maintenance = kHuge;
  in.rentGrowth = kHuge;
  in.priceGrowth = kHuge;
  in.savingsR = kHuge;
  const auto s = RunModel(in);
  EXPECT_EQ(s->gX, std::numeric_limits<double>::infinity());
  // inf - inf in the first month: the balance is NaN and is carried from then on.
  EXPECT_TRUE(std::isnan(s->gMortBalance[1]));
  EXPECT_TRUE(std::isnan(s->gMortBalance[kLastYear]));
  EXPECT_TRUE(std::isfinite(s->gX2));
  EXPECT_EQ(s->gPrice[kLastYear], std::numeric_limits<double>::infinity());
  EXPECT_EQ(s->gNumIRRcalcs, 100);
  EXPECT_TRUE(s->gCalculations);
}

TEST(ExtremeInputs, NaNFlowsThrough) {
  Inputs in = CompleteRun(false);
  in.homePrice = kNaN;
  in.mort = kNaN;
  in.rent = kNaN;
  in.downPayment = kNaN;
  in.priceGrowth = kNaN;
  const auto s = RunModel(in);
  EXPECT_TRUE(std::isnan(s->gX));
  EXPECT_TRUE(std::isnan(s->gMortBalance[kLastYear]));
  EXPECT_TRUE(std::isnan(s->gPV[1]));
  EXPECT_EQ(s->gNumIRRcalcs, 100);
}

// Limits beyond the arrays are clamped to them; below 1 nothing is projected or valued.
TEST(ExtremeInputs, LimitsBeyondTheArrays) {
  const auto normal = RunModel(CompleteRun(true));
  auto s = std::make_unique<ModelState>();
  Seed(*s, CompleteRun(true));
  s->gHorizon = kMaxLength;
  s->gNumPVs = kMaxLength;
  Calculations(*s);
  EXPECT_EQ(s->gWealth, normal->gWealth);
  EXPECT_EQ(s->gIRR, normal->gIRR);
  for (std::size_t k = 1; k <= 5; ++k) {
    EXPECT_EQ(s->gPV[k], normal->gPV[k]) << k;
  }
  // Required returns beyond the fifth are 0, so their values are the undiscounted sums.
  double sum = 0;
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    sum = s->gTavrel[i] + sum;
  }
  EXPECT_EQ(s->gPV[kLastValuation], ((sum + 250000) - 50000) - 5000);

  for (std::int64_t limit :
       {std::int64_t{0}, std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
    auto t = std::make_unique<ModelState>();
    Seed(*t, CompleteRun(true));
    t->gHorizon = limit;
    t->gNumPVs = limit;
    Calculations(*t);
    EXPECT_EQ(t->gTavrel[1], 0) << limit;
    EXPECT_EQ(t->gPV[1], 0) << limit;
    EXPECT_EQ(t->gNumIRRcalcs, 100) << limit;
  }
}

TEST(ExtremeInputs, AmortiseYearOutsideTheTables) {
  auto s = std::make_unique<ModelState>();
  Seed(*s, CompleteRun(true));
  s->gX = 1199.10;
  const auto before = std::make_unique<ModelState>(*s);
  for (std::int64_t i : {std::int64_t{0}, kLastYear + 1, std::int64_t{-1}, kMaxLength}) {
    AmortiseYear(*s, i);
  }
  EXPECT_EQ(s->gMortBalance, before->gMortBalance);
  EXPECT_EQ(s->gMortExpense, before->gMortExpense);
  AmortiseYear(*s, kLastYear);
  EXPECT_EQ(s->gMortBalance[kLastYear], 0);  // the balance of year 999 is 0
}

}  // namespace
}  // namespace tavrel::test
