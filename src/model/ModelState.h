#pragma once

#include <array>
#include <cstdint>

namespace tavrel {

// Last index of the yearly tables: element i is year i, element 0 holds opening values.
inline constexpr std::int64_t kLastYear = 1000;
// Last index of the required returns and intrinsic values.
inline constexpr std::int64_t kLastValuation = 10;

using YearTable = std::array<double, kLastYear + 1>;
using ValuationTable = std::array<double, kLastValuation + 1>;

// The financial model's part of the window state: inputs, limits, yearly tables and
// valuation results. The window derives from it, so it owns these fields; the model
// reads and writes them without knowing about windows.
struct ModelState {
  // Model inputs: money in dollars, rates in per cent as typed (6 means 6 %).
  double gHomePrice = 0;
  double gDownPayment = 0;
  double gMort = 0;
  double gR = 0;
  std::int64_t gN = 0;
  double gClosing = 0;
  double gTaxRate = 0;
  double gRent = 0;
  double gRentGrowth = 0;
  double gPropTaxGrowth = 0;
  double gInsuranceGrowth = 0;
  double gUtilitiesGrowth = 0;
  double gMaintenanceGrowth = 0;
  double gPriceGrowth = 0;
  double gMort2 = 0;
  double gR2 = 0;
  std::int64_t gN2 = 0;
  double gSavingsR = 0;
  bool gLiveInRent = false;

  // Model limits, fixed when the window opens.
  std::int64_t gHorizon = 0;
  std::int64_t gNumPVs = 0;
  std::int64_t gMaxNumIRRcalcs = 0;

  // Yearly tables.
  YearTable gAnnualRent{};
  YearTable gPropTaxes{};
  YearTable gInsurance{};
  YearTable gUtilities{};
  YearTable gMaintenance{};
  YearTable gMortInterest{};
  YearTable gMortInterest2{};
  YearTable gMortExpense{};
  YearTable gMortExpense2{};
  YearTable gMortBalance{};
  YearTable gMortBalance2{};
  YearTable gTaxSavings{};
  YearTable gTaxOnRent{};
  YearTable gC{};
  YearTable gE{};
  YearTable gTavrel{};
  YearTable gCumTavrel{};
  YearTable gPrice{};
  YearTable gHomeEquity{};
  YearTable gWealth{};

  // Payments and valuation results.
  double gX = 0;
  double gX2 = 0;
  ValuationTable gRR{};
  ValuationTable gPV{};
  double gIRR = 0;
  std::int64_t gNumIRRcalcs = 0;
  bool gCalculations = false;
};

}  // namespace tavrel
