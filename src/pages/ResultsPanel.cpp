// The results below the form: benefits and expenses, intrinsic values, rate of return.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "pages/PageMath.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

constexpr const char* kTablePicture = "-###,##0";
constexpr const char* kValuePicture = "-###,###,###,###,##0";
constexpr const char* kRatePicture = "-###,##0.00";

// Columns 1 to 10 of the benefit and expense table.
constexpr int kValueColumns = 10;

}  // namespace

void MainWindow::showResults(platform::Graphics& g) {
  const platform::Label* lastCaption = Label1(21);
  const std::int64_t x0 = 20;
  const std::int64_t t = (lastCaption != nullptr ? lastCaption->Top() : 0) + 40;
  const std::int64_t w = Int(static_cast<double>(Width()) / 12.0);
  const std::int64_t s = gTextHeight + 2;
  std::int64_t y = t + s;
  const auto anchor = [w](double columns) { return Int(20.0 + columns * static_cast<double>(w)); };

  // The current page's own lines keep their own baselines.
  if (gWindow >= 0 && gWindow <= kLastPage) {
    for (std::int64_t i = pages::ClampFirst(gFirst[gWindow], kLastPageLine);
         i <= pages::ClampLast(gLast[gWindow], kLastPageLine); ++i) {
      TextPrinter(g, gMsg[i], gLeft[i], gRight[i], gY[i], gJustify[i]);
    }
  }

  g.DrawString("annual benefits and expenses:", x0, y);

  const std::array<std::string, kValueColumns + 1> headers = {
      "year",
      gLiveInRent ? "rent saving" : "rent income",
      gLiveInRent ? "tax saving" : "tax on rent",
      "mortgage",
      "property taxes",
      "insurance",
      "utilities",
      "maintenance",
      "total benefit",
      "total expenses",
      "tavrel",
  };
  y += s;
  for (std::int64_t k = 0; k <= kValueColumns; ++k) {
    const std::string& text = headers[k];
    g.DrawString(text, CenterJustify(text, 20 + k * w, 20 + (k + 1) * w, g), y);
  }

  std::array<std::int64_t, 11> years{};
  years[1] = 1;
  for (std::int64_t yr = 10, r = 2; yr <= 50; yr += 10, ++r) {
    years[r] = yr;
  }
  for (std::int64_t r = 1; r <= 6; ++r) {
    const std::int64_t yr = years[r];
    y += s;
    const std::string year = platform::Str(yr);
    g.DrawString(year, CenterJustify(year, 20, anchor(0.75), g), y);

    const std::array<double, kValueColumns + 1> values = {
        0.0,
        gAnnualRent[yr],
        gLiveInRent ? gTaxSavings[yr] : gTaxOnRent[yr],
        gMortExpense2[yr] + gMortExpense[yr],
        gPropTaxes[yr],
        gInsurance[yr],
        gUtilities[yr],
        gMaintenance[yr],
        gC[yr],
        gE[yr],
        gTavrel[yr],
    };
    for (std::int64_t k = 1; k <= kValueColumns; ++k) {
      const std::string text = platform::Format(values[k], kTablePicture);
      g.DrawString(text, RightJustify(text, anchor(static_cast<double>(k) + 0.75), g), y);
    }
  }

  y += 2 * s;
  g.DrawString("Intrinsic value of home for different after-tax required returns:", x0, y);
  y += s;
  const std::string returnHeader = "Return (%)";
  const std::string valueHeader = "Intrinsic Value ($)";
  g.DrawString(returnHeader, CenterJustify(returnHeader, 20, 20 + 2 * w, g), y);
  g.DrawString(valueHeader, CenterJustify(valueHeader, 20 + 2 * w, 20 + 4 * w, g), y);
  // The valuation tables hold at most kLastValuation returns.
  for (std::int64_t i = 1; i <= std::min(gNumPVs, kLastValuation); ++i) {
    y += s;
    const std::string rate = platform::Format(gRR[i], kTablePicture);
    g.DrawString(rate, RightJustify(rate, 20 + w, g), y);
    const std::string value = platform::Format(gPV[i], kValuePicture);
    g.DrawString(value, RightJustify(value, anchor(3.25), g), y);
  }

  if (gNumIRRcalcs < gMaxNumIRRcalcs) {
    y += 2 * s;
    g.DrawString("Effective annual after-tax rate of return if hold forever: " +
                     platform::Format(100.0 * gIRR, kRatePicture) + "%",
                 x0, y);
  }
}

}  // namespace tavrel
