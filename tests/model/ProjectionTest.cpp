#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "ModelTestSupport.h"

namespace tavrel::test {
namespace {

struct YearFigures {
  const char* name;
  Inputs in;
  std::int64_t year;
  double tax;  // tax saving when living in, tax on rent when rented out
  double c;
  double e;
  double tavrel;
  double cumTavrel;
  double price;
  double wealth;
};

// Year 1 keeps the seeded rent and costs (exponent 0), so its figures pin them; the price
// carries one year's growth, and the reinvested sum starts from 0.
TEST(Projection, WorkedYears) {
  const YearFigures rows[] = {
      {"live in, year 1", CompleteRun(true), 1, 3733.30, 21733.30, 19389.20, 2344.10, 2344.10,
       257500, kAny},
      {"rented out, year 1", CompleteRun(false), 1, 266.70, 18000, 19655.90, -1655.90, -1655.90,
       257500, kAny},
      {"live in, year 30", CompleteRun(true), 30, kAny, kAny, kAny, 18127.83, 496174.20, 606815.62,
       1102988.76},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto s = RunModel(row.in);
    const std::int64_t i = row.year;
    ExpectCents("tax", row.in.liveIn ? s->gTaxSavings[i] : s->gTaxOnRent[i], row.tax);
    ExpectCents("gC", s->gC[i], row.c);
    ExpectCents("gE", s->gE[i], row.e);
    ExpectCents("gTavrel", s->gTavrel[i], row.tavrel);
    ExpectCents("gCumTavrel", s->gCumTavrel[i], row.cumTavrel);
    ExpectCents("gPrice", s->gPrice[i], row.price);
    ExpectCents("gWealth", s->gWealth[i], row.wealth);
  }
  // The taxable rent income of the rented-out year 1 is not stored; the tax is a quarter of it.
  ExpectCents("T", RunModel(CompleteRun(false))->gTaxOnRent[1] / 0.25, 1066.81);
}

TEST(Projection, GrowthRates) {
  struct Row {
    const char* name;
    double growth;
    double year2;
    double year1000;
    double price1000;
  };
  const Row rows[] = {
      {"0 % keeps every year", 0, 1000, 1000, 250000},
      {"-100 % keeps year 1 only", -100, 0, 0, 0},
      {"-150 % alternates sign", -150, -500, std::ldexp(-1000, -999), std::ldexp(250000, -1000)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Inputs in = CompleteRun(true);
    in.maintenance = 1000;
    in.maintenanceGrowth = row.growth;
    in.priceGrowth = row.growth;
    const auto s = RunModel(in);
    EXPECT_EQ(s->gMaintenance[1], 1000);
    EXPECT_EQ(s->gMaintenance[2], row.year2);
    EXPECT_EQ(s->gMaintenance[1000], row.year1000);
    EXPECT_EQ(s->gPrice[1000], row.price1000);
  }
}

// A loss gives no tax and no credit.
TEST(Projection, RentedOutAtALoss) {
  Inputs in = CompleteRun(false);
  in.rent = 500;
  const auto s = RunModel(in);
  EXPECT_EQ(s->gTaxOnRent[1], 0);
  EXPECT_EQ(s->gE[1], s->gMortExpense[1] + 3000 + 1000 + 0 + 1000);
}

TEST(Projection, TaxRateZero) {
  for (bool liveIn : {true, false}) {
    Inputs in = CompleteRun(liveIn);
    in.taxRate = 0;
    const auto s = RunModel(in);
    for (std::int64_t i = 1; i <= kLastYear; ++i) {
      ASSERT_EQ(liveIn ? s->gTaxSavings[i] : s->gTaxOnRent[i], 0) << "year " << i;
    }
  }
}

TEST(Projection, SavingsRateZeroIsARunningSum) {
  Inputs in = CompleteRun(true);
  in.savingsR = 0;
  const auto s = RunModel(in);
  double sum = 0;
  for (std::int64_t i = 1; i <= kLastYear; ++i) {
    sum = s->gTavrel[i] + sum;
    ASSERT_EQ(s->gCumTavrel[i], sum) << "year " << i;
  }
}

TEST(Projection, EquityIsPriceOnceLoansAreRepaid) {
  Inputs in = CompleteRun(true);
  in.mort2 = 20000;
  in.r2 = 5;
  in.n2 = 10;
  const auto s = RunModel(in);
  EXPECT_LT(s->gHomeEquity[30], s->gPrice[30]);
  for (std::int64_t i = 32; i <= kLastYear; ++i) {
    ASSERT_EQ(s->gHomeEquity[i], s->gPrice[i]) << "year " << i;
  }
}

// Each mode writes only its own tax table; the other keeps the last run made in its mode.
TEST(Projection, OtherModesTaxTableIsKept) {
  for (bool first : {false, true}) {
    auto s = RunModel(CompleteRun(first));
    const YearTable kept = first ? s->gTaxSavings : s->gTaxOnRent;
    Seed(*s, CompleteRun(!first));
    Calculations(*s);
    EXPECT_EQ(first ? s->gTaxSavings : s->gTaxOnRent, kept);
    const YearTable& other = first ? s->gTaxOnRent : s->gTaxSavings;
    EXPECT_NE(other[1], 0);
  }
}

// The model writes years 1 to 1000 and never element 0, whose opening values are the Okay
// action's.
TEST(Projection, WritesYearsOneToLastOnly) {
  YearTable ModelState::*const tables[] = {&ModelState::gAnnualRent,
                                           &ModelState::gPropTaxes,
                                           &ModelState::gInsurance,
                                           &ModelState::gUtilities,
                                           &ModelState::gMaintenance,
                                           &ModelState::gMortInterest,
                                           &ModelState::gMortInterest2,
                                           &ModelState::gMortExpense,
                                           &ModelState::gMortExpense2,
                                           &ModelState::gMortBalance,
                                           &ModelState::gMortBalance2,
                                           &ModelState::gTaxSavings,
                                           &ModelState::gTaxOnRent,
                                           &ModelState::gC,
                                           &ModelState::gE,
                                           &ModelState::gTavrel,
                                           &ModelState::gCumTavrel,
                                           &ModelState::gPrice,
                                           &ModelState::gHomeEquity,
                                           &ModelState::gWealth};
  auto s = std::make_unique<ModelState>();
  for (std::size_t t = 0; t < std::size(tables); ++t) {
    ((*s).*tables[t])[0] = 1e6 + static_cast<double>(t);
  }
  Seed(*s, CompleteRun(true));
  const auto before = std::make_unique<ModelState>(*s);
  Calculations(*s);
  for (std::size_t t = 0; t < std::size(tables); ++t) {
    EXPECT_EQ(((*s).*tables[t])[0], ((*before).*tables[t])[0]) << "table " << t;
  }
  EXPECT_EQ(s->gPrice[kLastYear], std::pow(1.03, 1000.0) * 250000);
  EXPECT_EQ(s->gWealth[kLastYear], s->gCumTavrel[kLastYear] + s->gPrice[kLastYear]);
  EXPECT_GT(s->gTavrel[kLastYear], 0);
}

}  // namespace
}  // namespace tavrel::test
