#pragma once

#include <cstdint>

#include "model/ModelState.h"

// The financial model: from the accepted inputs and the opening values seeded by the Okay
// action it fills every yearly table, the intrinsic values and the effective rate of return.
// Every formula is evaluated in the grouping written here, in IEEE doubles: the results are
// compared to the cent, and the rate-of-return pass counts expose any drift in the last bit.
namespace tavrel {

// Level monthly payment of a mortgage of amount M at R per cent a year over N whole years,
// rounded to cents. A zero length gives +inf (the loan is repaid in its first month).
double PaymentRule(double M, double R, std::int64_t N);

// Year i of both mortgages: twelve monthly steps from the balances of year i - 1, writing
// that year's interest, payments and end balances. Years outside 1 to 1000 are ignored.
void AmortiseYear(ModelState& s, std::int64_t i);

// Both monthly payments, then every yearly table for the years 1 to gHorizon.
void ProjectYears(ModelState& s);

// The required returns, the intrinsic values at each of them and the effective rate of
// return by Newton iteration, from the tavrels of the projection.
void Valuate(ModelState& s);

// The whole model: projection, valuation, then gCalculations = true.
void Calculations(ModelState& s);

}  // namespace tavrel
