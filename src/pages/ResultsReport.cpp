// The results report: a tab-separated text file of the first 100 years.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

constexpr std::int64_t kReportYears = 100;
constexpr const char* kReportPicture = "-###,##0.00";

}  // namespace

void MainWindow::saveResults() {
  const auto file = platform::GetSaveFolderItem("TEXT", gOutputFilename);
  if (!file) {
    return;  // cancelled: nothing touched
  }
  gOutputFilename = file->Name();
  // When the file cannot be created the platform has said why; there is nothing to write to.
  const auto out = file->CreateTextFile();
  if (!out) {
    return;
  }

  const std::string tab = platform::Chr(9);
  const bool secondMortgage = gMort2 > 0;

  std::vector<std::string> header = {"year", gLiveInRent ? "rent saving" : "rent income",
                                     gLiveInRent ? "tax saving" : "tax on rent",
                                     "mortgage payment"};
  if (secondMortgage) {
    header.emplace_back("2nd Mortgage payment");
  }
  for (const char* label : {"property taxes", "insurance", "utilities", "maintenance",
                            "total benefits", "total expenses", "tavrel", "Home Price",
                            "Home Equity", "Wealth from Tavrel", "Total wealth"}) {
    header.emplace_back(label);
  }
  std::string line = header.front();
  for (std::size_t i = 1; i < header.size(); ++i) {
    line += tab;
    line += header[i];
  }
  out->WriteLine(line);

  for (std::int64_t y = 1; y <= kReportYears; ++y) {
    line = platform::Str(y);
    const auto field = [&](double value) {
      line += tab;
      line += platform::Format(value, kReportPicture);
    };
    field(gAnnualRent[y]);
    field(gLiveInRent ? gTaxSavings[y] : gTaxOnRent[y]);
    field(gMortExpense[y]);
    if (secondMortgage) {
      field(gMortExpense2[y]);
    }
    field(gPropTaxes[y]);
    field(gInsurance[y]);
    field(gUtilities[y]);
    field(gMaintenance[y]);
    field(gC[y]);
    field(gE[y]);
    field(gTavrel[y]);
    field(gPrice[y]);
    field(gHomeEquity[y]);
    field(gCumTavrel[y]);
    field(gWealth[y]);
    out->WriteLine(line);
  }

  // A failed close keeps any old file whole; the platform has told the user why.
  out->Close();
}

}  // namespace tavrel
