#include "model/Calculations.h"

#include <algorithm>
#include <limits>

#include "model/MathFunctions.h"
#include "model/VectorState.h"

namespace tavrel {

namespace {

// The limits are fixed when the window opens and equal the tables' last indices; clamping
// them here keeps any other value from reaching past the arrays.
std::int64_t LastYear(const ModelState& s) {
  return std::min(s.gHorizon, kLastYear);
}
std::int64_t LastValuation(const ModelState& s) {
  return std::min(s.gNumPVs, kLastValuation);
}

// A year number enters a formula as a double.
double ToDouble(std::int64_t year) {
  return static_cast<double>(year);
}

// One mortgage's year i. The month that repays the loan pays exactly the debt with its
// interest, so the balance ends at exactly 0 and the strict test skips it from then on.
void AmortiseMortgage(double R, double X, std::int64_t i, YearTable& interest, YearTable& payments,
                      YearTable& balance) {
  if (balance[i - 1] > 0) {
    double B = balance[i - 1];
    for (int m = 1; m <= 12; ++m) {
      const double P = Min((1 + R / 1200) * B, X);
      interest[i] = interest[i] + (B * R) / 1200;
      B = B * (1 + R / 1200) - P;
      payments[i] = payments[i] + P;
    }
    balance[i] = B;
  } else {
    balance[i] = balance[i - 1];
  }
}

// Every year is grown from year 1 with its own exponent rather than from the year before,
// so year 1 keeps its seeded value (exponent 0).
void Grow(YearTable& v, double growth, std::int64_t i) {
  v[i] = v[1] * Pow(1 + 0.01 * growth, ToDouble(i - 1));
}

void RequiredReturns(ModelState& s) {
  s.gRR[1] = 4;
  s.gRR[2] = 6;
  s.gRR[3] = 8;
  s.gRR[4] = 10;
  s.gRR[5] = 12;
}

// No sale value is added after the last year: the horizon stands for holding forever.
void IntrinsicValues(ModelState& s) {
  for (std::int64_t k = 1; k <= LastValuation(s); ++k) {
    s.gPV[k] = 0;
    for (std::int64_t i = 1; i <= LastYear(s); ++i) {
      s.gPV[k] = s.gTavrel[i] / Pow(1 + 0.01 * s.gRR[k], ToDouble(i)) + s.gPV[k];
    }
    s.gPV[k] = ((s.gPV[k] + s.gHomePrice) - s.gDownPayment) - s.gClosing;
  }
}

// A discount factor of the rate iteration. A rate at or below -100 % means nothing, yet Pow
// of a negative base with a whole exponent is finite, and Newton could settle on such a root
// and have it shown; NaN instead fails the stop test on every pass, so the rate is not shown.
double DiscountPow(double base, double exponent) {
  return base > 0 ? Pow(base, exponent) : std::numeric_limits<double>::quiet_NaN();
}

// Newton's method on the present value of the tavrels against the initial outlay, starting
// from the first year's tavrel as a fraction of the outlay. No bracketing or damping: a run
// that does not converge simply uses up its passes.
void RateOfReturn(ModelState& s) {
  s.gIRR = s.gTavrel[1] / (s.gDownPayment + s.gClosing);
  s.gNumIRRcalcs = 0;
  for (;;) {
    s.gNumIRRcalcs = s.gNumIRRcalcs + 1;
    double F = 0;
    double D = 0;
    for (std::int64_t i = 1; i <= LastYear(s); ++i) {
      F = s.gTavrel[i] / DiscountPow(1 + s.gIRR, ToDouble(i)) + F;
      D = D - (s.gTavrel[i] * ToDouble(i)) / DiscountPow(1 + s.gIRR, ToDouble(i + 1));
    }
    // Strict: equality, a NaN and a tolerance of 0 or below all fail it.
    if (0.0001 * (s.gDownPayment + s.gClosing) > Abs((F - s.gDownPayment) - s.gClosing)) {
      return;
    }
    // The count starts at 1, so this is the cap's equality test for every positive cap; a
    // cap of 0 or below stops after one pass instead of never.
    if (s.gNumIRRcalcs >= s.gMaxNumIRRcalcs) {
      return;
    }
    s.gIRR = s.gIRR + ((s.gDownPayment + s.gClosing) - F) / D;
  }
}

}  // namespace

double PaymentRule(double M, double R, std::int64_t N) {
  if (M == 0) {
    return 0;
  }
  // Saturates instead of overflowing for lengths beyond any real loan.
  const double K = static_cast<double>(SaturatingMultiply(12, N));
  if (R == 0) {
    return 0.01 * Round((100 * M) / K);
  }
  const double a = ((0.01 * M) * R) / 12;
  const double r = (0.01 * R) / 12;
  const double p = Pow(1 + r, K);
  double X = a / (1 - 1 / p);
  // Multiplying the cent count by 0.01 (not dividing by 100) is part of the result:
  // 119910 cents give 1199.1000000000001.
  X = 0.01 * Round(100 * X);
  return X;
}

void AmortiseYear(ModelState& s, std::int64_t i) {
  if (i < 1 || i > kLastYear) {
    return;
  }
  s.gMortExpense[i] = 0;
  s.gMortExpense2[i] = 0;
  s.gMortInterest[i] = 0;
  s.gMortInterest2[i] = 0;
  AmortiseMortgage(s.gR, s.gX, i, s.gMortInterest, s.gMortExpense, s.gMortBalance);
  AmortiseMortgage(s.gR2, s.gX2, i, s.gMortInterest2, s.gMortExpense2, s.gMortBalance2);
}

void ProjectYears(ModelState& s) {
  s.gX = PaymentRule(s.gMort, s.gR, s.gN);
  s.gX2 = PaymentRule(s.gMort2, s.gR2, s.gN2);
  for (std::int64_t i = 1; i <= LastYear(s); ++i) {
    AmortiseYear(s, i);

    Grow(s.gAnnualRent, s.gRentGrowth, i);
    Grow(s.gPropTaxes, s.gPropTaxGrowth, i);
    Grow(s.gInsurance, s.gInsuranceGrowth, i);
    Grow(s.gUtilities, s.gUtilitiesGrowth, i);
    Grow(s.gMaintenance, s.gMaintenanceGrowth, i);

    // Each mode writes only its own tax table; the other keeps the last run made in its mode.
    if (s.gLiveInRent) {
      const double t = 0.01 * s.gTaxRate;
      s.gTaxSavings[i] = ((s.gMortInterest[i] + s.gMortInterest2[i]) + s.gPropTaxes[i]) * t;
      s.gC[i] = s.gAnnualRent[i] + s.gTaxSavings[i];
      s.gE[i] = ((((s.gMortExpense[i] + s.gMortExpense2[i]) + s.gPropTaxes[i]) + s.gInsurance[i]) +
                 s.gUtilities[i]) +
                s.gMaintenance[i];
    } else {
      const double T = s.gAnnualRent[i] - s.gMortInterest[i] - s.gMortInterest2[i] -
                       s.gPropTaxes[i] - s.gInsurance[i] - s.gUtilities[i] - s.gMaintenance[i];
      // A loss gives no tax and no credit.
      s.gTaxOnRent[i] = (0.01 * s.gTaxRate) * Max(T, 0);
      s.gC[i] = s.gAnnualRent[i];
      s.gE[i] = (((((s.gMortExpense[i] + s.gTaxOnRent[i]) + s.gMortExpense2[i]) + s.gPropTaxes[i]) +
                  s.gInsurance[i]) +
                 s.gUtilities[i]) +
                s.gMaintenance[i];
    }

    s.gTavrel[i] = s.gC[i] - s.gE[i];
    // Last year's sum earns a year's return; this year's tavrel is added without return.
    s.gCumTavrel[i] = s.gTavrel[i] + s.gCumTavrel[i - 1] * (1 + 0.01 * s.gSavingsR);

    // The end of year 1 already carries one year's growth.
    s.gPrice[i] = Pow(1 + 0.01 * s.gPriceGrowth, ToDouble(i)) * s.gHomePrice;
    s.gHomeEquity[i] = (s.gPrice[i] - s.gMortBalance[i]) - s.gMortBalance2[i];
    s.gWealth[i] = s.gCumTavrel[i] + s.gHomeEquity[i];
  }
}

void Valuate(ModelState& s) {
  RequiredReturns(s);
  IntrinsicValues(s);
  RateOfReturn(s);
}

// Runs to its end without letting other events in: a second Okay must not re-enter it.
void Calculations(ModelState& s) {
  // The run follows toolkit code that may leave the vector state dirty.
  ClearUpperVectorState();
  ProjectYears(s);
  Valuate(s);
  s.gCalculations = true;
}

}  // namespace tavrel
