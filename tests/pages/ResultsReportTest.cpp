// The results report file.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pages/PagesTest.h"
#include "platform/Text.h"
#include "support/TestFiles.h"

namespace tavrel::pagestest {
namespace {

using testing::ReadAll;
using testing::ReadLines;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) {
    fields.push_back(field);
  }
  if (!line.empty() && line.back() == '\t') {
    fields.emplace_back();
  }
  return fields;
}

const std::vector<std::string> kLiveInHeader = {
    "year",      "rent saving", "tax saving",  "mortgage payment",   "property taxes",
    "insurance", "utilities",   "maintenance", "total benefits",     "total expenses",
    "tavrel",    "Home Price",  "Home Equity", "Wealth from Tavrel", "Total wealth"};

using ResultsReportTest = PagesTest;

TEST_F(ResultsReportTest, BeforeAnyCalculationEveryCellIsZero) {
  MainWindow& w = Win();
  const auto path = TempDir() / "report.txt";
  ExpectSave(path);
  w.saveResults();

  const std::vector<std::string> lines = ReadLines(path);
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(Fields(lines[0]), kLiveInHeader);
  for (std::int64_t y = 1; y <= 100; ++y) {
    std::vector<std::string> expected(15, "0.00");
    expected[0] = platform::Str(y);
    EXPECT_EQ(Fields(lines[static_cast<std::size_t>(y)]), expected) << "year " << y;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ResultsReportTest, ColumnsFollowTheChoiceAndTheSecondMortgage) {
  struct Mode {
    const char* name;
    bool liveIn;
    double mort2;
    std::vector<std::string> header;
    std::vector<std::string> year1;
  };
  const std::vector<std::string> rentHeader = {
      "year",      "rent income", "tax on rent", "mortgage payment",   "property taxes",
      "insurance", "utilities",   "maintenance", "total benefits",     "total expenses",
      "tavrel",    "Home Price",  "Home Equity", "Wealth from Tavrel", "Total wealth"};
  std::vector<std::string> withSecond = kLiveInHeader;
  withSecond.insert(withSecond.begin() + 4, "2nd Mortgage payment");
  const std::vector<std::string> liveInYear1 = {
      "1",    "1,234.50",  "11.00",         "100.00",        "4.00",  "5.00",  "6.00", "7.00",
      "8.00", "-9,876.54", "-1,000,000.00", "12,345,678.90", "13.00", "14.00", "15.00"};
  std::vector<std::string> rentYear1 = liveInYear1;
  rentYear1[2] = "22.00";
  std::vector<std::string> secondYear1 = liveInYear1;
  secondYear1.insert(secondYear1.begin() + 4, "200.00");

  const std::vector<Mode> modes = {
      {"live in, no second mortgage", true, 0, kLiveInHeader, liveInYear1},
      {"rent", false, 0, rentHeader, rentYear1},
      {"a negative second mortgage counts as none", true, -5, kLiveInHeader, liveInYear1},
      {"a second mortgage adds its column", true, 0.01, withSecond, secondYear1},
  };

  MainWindow& w = Win();
  w.gAnnualRent[1] = 1234.5;
  w.gTaxSavings[1] = 11;
  w.gTaxOnRent[1] = 22;
  w.gMortExpense[1] = 100;
  w.gMortExpense2[1] = 200;
  w.gPropTaxes[1] = 4;
  w.gInsurance[1] = 5;
  w.gUtilities[1] = 6;
  w.gMaintenance[1] = 7;
  w.gC[1] = 8;
  w.gE[1] = -9876.543;
  w.gTavrel[1] = -1e6;
  w.gPrice[1] = 12345678.9;
  w.gHomeEquity[1] = 13;
  w.gCumTavrel[1] = 14;
  w.gWealth[1] = 15;
  w.gWealth[100] = 100;

  int n = 0;
  for (const Mode& m : modes) {
    SCOPED_TRACE(m.name);
    w.gLiveInRent = m.liveIn;
    w.gMort2 = m.mort2;
    const auto path = TempDir() / ("report" + std::to_string(++n) + ".txt");
    ExpectSave(path);
    w.saveResults();
    const std::vector<std::string> lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(Fields(lines[0]), m.header);
    EXPECT_EQ(Fields(lines[1]), m.year1);
    for (std::size_t y = 1; y <= 100; ++y) {
      EXPECT_EQ(Fields(lines[y]).size(), m.header.size()) << "year " << y;
    }
    const std::vector<std::string> last = Fields(lines[100]);
    EXPECT_EQ(last.front(), "100");
    EXPECT_EQ(last.back(), "100.00");
  }
}

TEST_F(ResultsReportTest, TheNameChosenIsOfferedAgain) {
  MainWindow& w = Win();
  ExpectSave(TempDir() / "first.txt");
  ExpectSave(TempDir() / "second");
  w.saveResults();
  w.saveResults();
  EXPECT_EQ(SaveDialogNames(), (std::vector<std::string>{"Tavreloutput", "first.txt"}));
  EXPECT_EQ(w.gOutputFilename, "second");
  EXPECT_EQ(ReadLines(TempDir() / "second").size(), 101u);
}

TEST_F(ResultsReportTest, CancelWritesNothing) {
  MainWindow& w = Win();
  ExpectSave(std::nullopt);
  w.saveResults();
  EXPECT_EQ(w.gOutputFilename, "Tavreloutput");
  EXPECT_TRUE(std::filesystem::is_empty(TempDir()));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ResultsReportTest, AFailedSaveKeepsWhatWasThereAndSaysWhyOnce) {
  MainWindow& w = Win();
  const auto plain = TempDir() / "plain";
  std::ofstream(plain) << "not a folder\n";
  ExpectSave(plain / "report.txt");
  w.saveResults();
  EXPECT_EQ(ReadAll(plain), "not a folder\n");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(w.gOutputFilename, "report.txt");
}

}  // namespace
}  // namespace tavrel::pagestest
