// The results panel on a 1280 by 800 form page, 10 pixels a character.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/PagesTest.h"
#include "platform/Graphics.h"
#include "platform/Text.h"

namespace tavrel::pagestest {
namespace {

constexpr std::array<std::int64_t, 6> kYears = {1, 10, 20, 30, 40, 50};
constexpr std::array<std::int64_t, 6> kRowY = {572, 586, 600, 614, 628, 642};
// Where the values of columns 1 to 10 end, w = 106.
constexpr std::array<std::int64_t, 10> kValueEnds = {205, 311, 417, 523,  629,
                                                     735, 841, 947, 1053, 1159};

Drawn Ending(const std::string& text, std::int64_t end, std::int64_t y) {
  return {text, end - 10 * platform::Len(text), y};
}

class ResultsPanelTest : public PagesTest {
 protected:
  // The form page after a calculation, at 1280 wide with caption 21 at 490.
  MainWindow& Calculated() {
    MainWindow& w = Win();
    w.SetWidth(1280);
    w.Label1(21)->SetTop(490);
    w.gTextHeight = 12;
    w.gWindow = 1;
    w.gFirst[1] = 1;
    w.gLast[1] = 0;  // no paragraph: only the panel is drawn
    w.gCalculations = true;
    w.gLiveInRent = true;
    for (std::int64_t yr = 1; yr <= 50; ++yr) {
      const auto y = static_cast<std::size_t>(yr);
      w.gAnnualRent[y] = 1000.0 * static_cast<double>(yr);  // shows which year a row reads
      w.gTaxSavings[y] = 3456.4;
      w.gTaxOnRent[y] = 777.0;
      w.gMortExpense[y] = 10000.5;
      w.gMortExpense2[y] = 2000.25;
      w.gPropTaxes[y] = 1500;
      w.gInsurance[y] = 800;
      w.gUtilities[y] = 0;
      w.gMaintenance[y] = 999.5;
      w.gC[y] = 15456.4;
      w.gE[y] = 14301.75;
      w.gTavrel[y] = -1234567.4;
    }
    w.gNumPVs = 5;
    const std::array<double, 6> returns = {0, 4, 6, 8, 10, 12};
    const std::array<double, 6> values = {0, 250000.4, 180000, 1234567890.6, -5000, 0};
    for (std::size_t i = 1; i <= 5; ++i) {
      w.gRR[i] = returns[i];
      w.gPV[i] = values[i];
    }
    w.gIRR = 0.0712;
    w.gNumIRRcalcs = 8;
    w.gMaxNumIRRcalcs = 100;
    return w;
  }

  static std::vector<Drawn> Panel(MainWindow& w) {
    platform::RecordingGraphics g;
    w.showResults(g);
    return DrawnTexts(g);
  }
};

TEST_F(ResultsPanelTest, DrawsTheWorkedLayout) {
  MainWindow& w = Calculated();
  std::vector<Drawn> expected = {{"annual benefits and expenses:", 20, 544},
                                 {"year", 53, 558},
                                 {"rent saving", 124, 558},
                                 {"tax saving", 235, 558},
                                 {"mortgage", 351, 558},
                                 {"property taxes", 427, 558},
                                 {"insurance", 558, 558},
                                 {"utilities", 664, 558},
                                 {"maintenance", 760, 558},
                                 {"total benefit", 856, 558},
                                 {"total expenses", 957, 558},
                                 {"tavrel", 1103, 558}};
  for (std::size_t r = 0; r < kYears.size(); ++r) {
    const std::int64_t y = kRowY[r];
    // The year is centred between 20 and 99.
    expected.push_back({platform::Str(kYears[r]), kYears[r] == 1 ? 55 : 50, y});
    const std::array<std::string, 10> cells = {
        platform::Format(1000.0 * static_cast<double>(kYears[r]), "-###,##0"),
        "3,456",
        "12,001",  // both mortgages' payments
        "1,500",
        "800",
        "0",
        "1,000",
        "15,456",
        "14,302",
        "-1,234,567"};
    for (std::size_t k = 0; k < cells.size(); ++k) {
      expected.push_back(Ending(cells[k], kValueEnds[k], y));
    }
  }
  expected.push_back(
      {"Intrinsic value of home for different after-tax required returns:", 20, 670});
  expected.push_back({"Return (%)", 76, 684});
  expected.push_back({"Intrinsic Value ($)", 243, 684});
  const std::array<std::string, 5> returns = {"4", "6", "8", "10", "12"};
  const std::array<std::string, 5> values = {"250,000", "180,000", "1,234,567,891", "-5,000", "0"};
  for (std::size_t i = 0; i < 5; ++i) {
    const std::int64_t y = 698 + 14 * static_cast<std::int64_t>(i);
    expected.push_back(Ending(returns[i], 126, y));
    expected.push_back(Ending(values[i], 364, y));
  }
  expected.push_back({"Effective annual after-tax rate of return if hold forever: 7.12%", 20, 782});

  const std::vector<Drawn> drawn = Panel(w);
  ASSERT_EQ(drawn.size(), expected.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    EXPECT_EQ(drawn[i], expected[i]) << "text " << i;
  }
}

TEST_F(ResultsPanelTest, TheRentModeShowsItsHeadersAndTheTaxOnRent) {
  MainWindow& w = Calculated();
  w.gLiveInRent = false;
  const std::vector<Drawn> drawn = Panel(w);
  ASSERT_GT(drawn.size(), 14u);
  EXPECT_EQ(drawn[2], (Drawn{"rent income", 124, 558}));
  EXPECT_EQ(drawn[3], (Drawn{"tax on rent", 230, 558}));
  EXPECT_EQ(drawn[14], Ending("777", 311, 572));  // row of year 1, column 2
}

TEST_F(ResultsPanelTest, TheRateLineNeedsFewerPassesThanTheCap) {
  struct Passes {
    std::int64_t made;
    bool shown;
  };
  MainWindow& w = Calculated();
  for (const Passes& p : {Passes{8, true}, Passes{99, true}, Passes{100, false}}) {
    w.gNumIRRcalcs = p.made;
    const std::vector<Drawn> drawn = Panel(w);
    ASSERT_FALSE(drawn.empty());
    const bool shown = drawn.back().y == 782;
    EXPECT_EQ(shown, p.shown) << p.made << " passes";
    // The tables are the same either way.
    EXPECT_EQ(drawn.size(), shown ? 92u : 91u) << p.made << " passes";
  }
}

TEST_F(ResultsPanelTest, ANarrowerPageMovesOnlyTheColumns) {
  MainWindow& w = Calculated();
  w.SetWidth(984);  // w = 82
  const std::vector<Drawn> drawn = Panel(w);
  ASSERT_EQ(drawn.size(), 92u);
  EXPECT_EQ(drawn[12], (Drawn{"1", 46, 572}));      // centred between 20 and 81
  EXPECT_EQ(drawn[13], Ending("1,000", 163, 572));  // Int(20 + 1.75 * 82)
  EXPECT_EQ(drawn[22], Ending("-1,234,567", 901, 572));
  EXPECT_EQ(drawn.back().y, 782);
}

// The page text drawn above the tables is the current page's range.
TEST_F(ResultsPanelTest, DrawsTheLinesOfTheCurrentPage) {
  MainWindow& w = Calculated();
  SetSources(w, 1, {{"form ", 30, 1220, 0}});
  w.gY[1] = 30;
  SetSources(w, 0, {{"about ", 30, 610, 0}, {"page ", 30, 610, 0}}, 3);
  w.gY[3] = 80;
  w.gY[4] = 100;
  struct Page {
    std::int64_t page;
    std::vector<Drawn> lines;
  };
  for (const Page& p : {Page{1, {{"form ", 30, 30}}},
                        Page{0, {{"about ", 30, 80}, {"page ", 30, 100}}}, Page{6, {}}}) {
    SCOPED_TRACE(::testing::Message() << "page " << p.page);
    w.gWindow = p.page;
    const std::vector<Drawn> drawn = Panel(w);
    ASSERT_EQ(drawn.size(), 92u + p.lines.size());
    EXPECT_EQ(std::vector<Drawn>(drawn.begin(), drawn.begin() + std::ssize(p.lines)), p.lines);
    EXPECT_EQ(drawn[p.lines.size()].text, "annual benefits and expenses:");
  }
}

TEST_F(ResultsPanelTest, TheNumberOfReturnsShownStaysWithinTheTables) {
  MainWindow& w = Calculated();
  w.gNumPVs = 11;
  EXPECT_EQ(Panel(w).size(), 92u - 10 + 20);
  w.gNumPVs = 0;
  EXPECT_EQ(Panel(w).size(), 92u - 10);
}

}  // namespace
}  // namespace tavrel::pagestest
