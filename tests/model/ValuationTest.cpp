#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ModelTestSupport.h"

namespace tavrel::test {
namespace {

struct ValuationRow {
  const char* name;
  Inputs in;
  std::array<double, 5> pv;
  double irr;  // to five places; kAny when not asserted
  std::int64_t passes;
};

Inputs WithOutlay(double downPayment, double closing) {
  Inputs in = CompleteRun(true);
  in.downPayment = downPayment;
  in.closing = closing;
  return in;
}

// A home paid in full whose tavrel is 10,000 every year.
Inputs ConstantTavrel() {
  return {.homePrice = 100000, .downPayment = 100000, .rent = 1000, .propTaxes = 2000};
}

// No mortgage, no rent and no costs: every tavrel is 0.
Inputs NoTavrels() {
  return {.homePrice = 100000, .downPayment = 20000, .closing = 3000};
}

// Repaid in the first month, the second mortgage makes the first tavrel a loss larger than
// the outlay; Newton, unguarded, would settle on a rate of -774.96 %. In the form's order.
const Inputs kRateBelowMinusAHundred = {85000, 4250, 80750, 11,   15, 0,   24,  659,
                                        1020,  1450, 0,     850,  4,  0,   3,   2,
                                        2.5,   3.5,  25000, 7.25, 0,  6.5, true};

TEST(Valuation, IntrinsicValuesAndRateOfReturn) {
  const ValuationRow rows[] = {
      {"complete run, live in",
       CompleteRun(true),
       {1359028.19, 487002.26, 335052.44, 279202.04, 252435.54},
       0.12262,
       8},
      {"complete run, rented out (negative start value)",
       CompleteRun(false),
       {959053.66, 353668.92, 255052.44, 222059.18, 207991.09},
       0.08207,
       67},
      {"constant tavrel: the start value meets the test",
       ConstantTavrel(),
       {250000, 166666.67, 125000, 100000, 83333.33},
       0.1,
       1},
      {"all tavrels 0", NoTavrels(), {77000, 77000, 77000, 77000, 77000}, kAny, 100},
      {"initial outlay 0",
       WithOutlay(0, 0),
       {1414028.19, 542002.26, 390052.44, 334202.04, 307435.54},
       kAny,
       100},
      {"negative initial outlay",
       WithOutlay(0, -1000),
       {1415028.19, 543002.26, 391052.44, 335202.04, 308435.54},
       kAny,
       100},
      {"a second mortgage repaid at once: -774.96 % is not shown",
       kRateBelowMinusAHundred,
       {kAny, kAny, kAny, kAny, kAny},
       kAny,
       100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto s = RunModel(row.in);
    for (std::size_t k = 1; k <= 5; ++k) {
      ExpectCents(("gPV(" + std::to_string(k) + ")").c_str(), s->gPV[k], row.pv[k - 1]);
    }
    if (!std::isnan(row.irr)) {
      EXPECT_NEAR(s->gIRR, row.irr, 0.000005);
    }
    EXPECT_EQ(s->gNumIRRcalcs, row.passes);
    EXPECT_TRUE(s->gCalculations);
  }
}

TEST(Valuation, ConstantTavrelStartsAtTheRate) {
  const auto s = RunModel(ConstantTavrel());
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    ASSERT_EQ(s->gTavrel[i], 10000) << "year " << i;
  }
  EXPECT_EQ(s->gIRR, 0.1);
}

// Only elements 1 to 5 of the valuation tables are written.
TEST(Valuation, RequiredReturns) {
  auto s = std::make_unique<ModelState>();
  s->gRR.fill(-1);
  s->gPV.fill(-1);
  Seed(*s, CompleteRun(true));
  Calculations(*s);
  const ValuationTable rr = {-1, 4, 6, 8, 10, 12, -1, -1, -1, -1, -1};
  EXPECT_EQ(s->gRR, rr);
  EXPECT_EQ(s->gPV[0], -1);
  for (std::size_t k = 6; k <= kLastValuation; ++k) {
    EXPECT_EQ(s->gPV[k], -1) << k;
  }
}

// A run that meets the test on its last allowed pass counts as many passes as one that never
// meets it. A cap that is not positive stops after one pass instead of never.
TEST(Valuation, PassCap) {
  struct Row {
    std::int64_t cap;
    std::int64_t passes;
  };
  for (const Row row : {Row{8, 8}, Row{7, 7}, Row{1, 1}, Row{0, 1}, Row{-3, 1}}) {
    auto s = std::make_unique<ModelState>();
    Seed(*s, CompleteRun(true));
    s->gMaxNumIRRcalcs = row.cap;
    Calculations(*s);
    EXPECT_EQ(s->gNumIRRcalcs, row.passes) << "cap " << row.cap;
    if (row.cap == 8) {
      EXPECT_NEAR(s->gIRR, 0.12262, 0.000005);
    }
  }
}

}  // namespace
}  // namespace tavrel::test
