#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "model/Calculations.h"
#include "model/ModelState.h"

namespace tavrel::test {

// What the form holds, before the Okay action turns it into model inputs and opening values.
struct Inputs {
  double homePrice = 0;
  double downPayment = 0;
  double mort = 0;
  double r = 0;
  std::int64_t n = 0;
  double closing = 0;
  double taxRate = 0;
  double rent = 0;  // monthly
  double propTaxes = 0;
  double insurance = 0;
  double utilities = 0;
  double maintenance = 0;
  double rentGrowth = 0;
  double propTaxGrowth = 0;
  double insuranceGrowth = 0;
  double utilitiesGrowth = 0;
  double maintenanceGrowth = 0;
  double priceGrowth = 0;
  double mort2 = 0;
  double r2 = 0;
  std::int64_t n2 = 0;
  double savingsR = 0;
  bool liveIn = true;
};

// Stores the inputs and opening values the way the Okay action does, with the limits that
// the window fixes when it opens.
inline void Seed(ModelState& s, const Inputs& in) {
  s.gHorizon = 1000;
  s.gNumPVs = 5;
  s.gMaxNumIRRcalcs = 100;
  s.gHomePrice = in.homePrice;
  s.gDownPayment = in.downPayment;
  s.gMort = in.mort;
  s.gR = in.r;
  s.gN = in.n;
  s.gClosing = in.closing;
  s.gTaxRate = in.taxRate;
  s.gRent = in.rent;
  s.gRentGrowth = in.rentGrowth;
  s.gPropTaxGrowth = in.propTaxGrowth;
  s.gInsuranceGrowth = in.insuranceGrowth;
  s.gUtilitiesGrowth = in.utilitiesGrowth;
  s.gMaintenanceGrowth = in.maintenanceGrowth;
  s.gPriceGrowth = in.priceGrowth;
  s.gMort2 = in.mort2;
  s.gR2 = in.r2;
  s.gN2 = in.n2;
  s.gSavingsR = in.savingsR;
  s.gLiveInRent = in.liveIn;
  s.gPropTaxes[1] = in.propTaxes;
  s.gInsurance[1] = in.insurance;
  s.gUtilities[1] = in.utilities;
  s.gMaintenance[1] = in.maintenance;
  s.gAnnualRent[1] = 12.0 * s.gRent;
  s.gMortBalance[0] = s.gMort;
  s.gMortBalance2[0] = s.gMort2;
  s.gCumTavrel[0] = 0;
}

// The tables are large; a state lives on the heap.
inline std::unique_ptr<ModelState> RunModel(const Inputs& in) {
  auto s = std::make_unique<ModelState>();
  Seed(*s, in);
  Calculations(*s);
  return s;
}

// The complete run: 250,000 home, 200,000 at 6 % for 30 years, everything growing at 3 %.
inline Inputs CompleteRun(bool liveIn) {
  return {.homePrice = 250000,
          .downPayment = 50000,
          .mort = 200000,
          .r = 6,
          .n = 30,
          .closing = 5000,
          .taxRate = 25,
          .rent = 1500,
          .propTaxes = 3000,
          .insurance = 1000,
          .utilities = 0,
          .maintenance = 1000,
          .rentGrowth = 3,
          .propTaxGrowth = 3,
          .insuranceGrowth = 3,
          .utilitiesGrowth = 3,
          .maintenanceGrowth = 3,
          .priceGrowth = 3,
          .savingsR = 5,
          .liveIn = liveIn};
}

// Amounts shown to the cent are asserted as "rounds to this figure".
inline constexpr double kCent = 0.005;

// A figure a table row does not assert.
inline constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

inline void ExpectCents(const char* what, double actual, double expected) {
  if (!std::isnan(expected)) {
    EXPECT_NEAR(actual, expected, kCent) << what;
  }
}

}  // namespace tavrel::test
