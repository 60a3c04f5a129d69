// The four menu commands: each reaches the one window through the accessor, which
// makes a fresh one when none is open.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/App.h"
#include "support/TestFiles.h"
#include "support/UiTest.h"
#include "window/MainWindow.h"

namespace tavrel {
namespace {

using testing::ReadLines;

// The complete live-in run: price 250,000, 50,000 down, 200,000 at 6 % for 30 years,
// closing 5,000, tax rate 25, rent 1,500, taxes 3,000, insurance 1,000, no utilities,
// maintenance 1,000, every growth rate 3 %, no second mortgage, return 5 %.
const std::array<const char*, 22> kLiveInExample = {
    "250000", "50000", "200000", "6", "30", "5000", "25", "1500", "3000", "1000", "0",
    "1000",   "3",     "3",      "3", "3",  "3",    "3",  "0",    "0",    "0",    "5"};

void ExpectCents(double actual, double expected, const char* what) {
  EXPECT_EQ(std::round(actual * 100.0), std::round(expected * 100.0))
      << what << ": expected " << expected << ", got " << actual;
}

class CommandsTest : public tavrel::testing::UiTest {
 protected:
  // Fills the form as a person would and presses Okay on the form page.
  static void CalculateLiveInExample(MainWindow& w) {
    if (w.gWindow == 0) {
      w.OkayButton()->Push();
    }
    ASSERT_EQ(w.gWindow, 1);
    for (std::int64_t i = 0; i <= 21; ++i) {
      w.TextField1(i)->SetText(kLiveInExample[static_cast<std::size_t>(i)]);
    }
    w.RadioButton1(0)->SetValue(true);
    w.OkayButton()->Push();
    ASSERT_EQ(w.gCheck, -1) << w.gWarning;
    ASSERT_TRUE(w.gCalculations);
  }
};

TEST_F(CommandsTest, AboutAfterTheWindowWasClosedMakesAFreshWindowOnTheAboutPage) {
  {
    MainWindow& first = TheMainWindow();
    CalculateLiveInExample(first);
    first.gInputFilename = "mine.txt";
    first.Close();
  }
  ASSERT_EQ(OpenMainWindow(), nullptr);

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  MainWindow* w = OpenMainWindow();
  ASSERT_NE(w, nullptr) << "the command made no window";
  EXPECT_EQ(w->gWindow, 0);
  EXPECT_EQ(w->Title(), "About Tavrel");
  EXPECT_EQ(w->Width(), 640);
  EXPECT_EQ(w->Height(), 400);
  EXPECT_EQ(w->Left(), 400);
  EXPECT_EQ(w->Top(), 250);
  EXPECT_GE(w->RefreshCount(), 1) << "the About page was not repainted";
  EXPECT_EQ(w->gInputFilename, "Tavrelinput");
  EXPECT_EQ(w->gOutputFilename, "Tavreloutput");
  EXPECT_FALSE(w->gCalculations);
  EXPECT_EQ(w->gHomePrice, 0);
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->TextField1(i)->Text(), "") << "field " << i;
    EXPECT_FALSE(w->TextField1(i)->Visible()) << "field " << i;
  }
}

TEST_F(CommandsTest, AboutOnTheAboutPageSetsTheAboutPageAgain) {
  MainWindow& w = TheMainWindow();
  w.SetWidth(700);
  w.SetLeft(3);
  w.SetTop(4);
  w.SetTitle("moved");
  const std::int64_t refreshes = w.RefreshCount();

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  EXPECT_EQ(&TheMainWindow(), &w) << "the open window is the one used";
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.Width(), 640);
  EXPECT_EQ(w.Height(), 400);
  EXPECT_EQ(w.Left(), 400);
  EXPECT_EQ(w.Top(), 250);
  EXPECT_EQ(w.Title(), "About Tavrel");
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
}

TEST_F(CommandsTest, AboutOnTheFormPageAfterACalculationKeepsInputsAndResults) {
  MainWindow& w = TheMainWindow();
  CalculateLiveInExample(w);
  ExpectCents(w.gTavrel[1], 2344.10, "tavrel of year 1");
  ExpectCents(w.gPV[1], 1359028.19, "intrinsic value at 4 %");
  EXPECT_EQ(w.gNumIRRcalcs, 8);
  const double irr = w.gIRR;
  const double wealth30 = w.gWealth[30];

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.Title(), "About Tavrel");
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_EQ(w.gIRR, irr);
  EXPECT_EQ(w.gWealth[30], wealth30);
  EXPECT_EQ(w.gHomePrice, 250000);
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w.TextField1(i)->Text(), kLiveInExample[static_cast<std::size_t>(i)])
        << "field " << i;
    EXPECT_FALSE(w.TextField1(i)->Visible()) << "field " << i;
  }

  // Okay on the About page brings the form back with everything in it.
  w.OkayButton()->Push();
  EXPECT_EQ(w.gWindow, 1);
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(w.gIRR, irr);
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_TRUE(w.TextField1(i)->Visible()) << "field " << i;
    EXPECT_EQ(w.TextField1(i)->Text(), kLiveInExample[static_cast<std::size_t>(i)])
        << "field " << i;
  }
}

TEST_F(CommandsTest, SaveInputsOfAFreshWindowWritesTrueAndTwentyTwoZeros) {
  const auto path = TempDir() / "inputs.txt";
  ExpectSave(path);
  EXPECT_FALSE(TheApp().FileSaveInputs_Action()) << "Save Inputs answers False";
  ASSERT_NE(OpenMainWindow(), nullptr) << "the command made no window";
  ASSERT_EQ(SaveDialogNames().size(), 1u);
  EXPECT_EQ(SaveDialogNames()[0], "Tavrelinput");

  const std::vector<std::string> lines = ReadLines(path);
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "true");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], "0") << "line " << i + 1;
  }
  EXPECT_EQ(OpenMainWindow()->gInputFilename, "inputs.txt");
  EXPECT_EQ(OpenMainWindow()->gWindow, 0) << "saving changes no page";
}

TEST_F(CommandsTest, SaveResultsOfANeverCalculatedWindowWritesZeros) {
  const auto path = TempDir() / "report.txt";
  ExpectSave(path);
  EXPECT_TRUE(TheApp().FileSaveResults_Action());
  ASSERT_EQ(SaveDialogNames().size(), 1u);
  EXPECT_EQ(SaveDialogNames()[0], "Tavreloutput");

  const std::vector<std::string> lines = ReadLines(path);
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[0],
            "year\trent saving\ttax saving\tmortgage payment\tproperty taxes\tinsurance\t"
            "utilities\tmaintenance\ttotal benefits\ttotal expenses\ttavrel\tHome Price\t"
            "Home Equity\tWealth from Tavrel\tTotal wealth");
  // Fifteen fields: the year and fourteen values.
  std::string zeros;
  for (int k = 0; k < 14; ++k) {
    zeros += "\t0.00";
  }
  for (int year = 1; year <= 100; ++year) {
    EXPECT_EQ(lines[static_cast<std::size_t>(year)], std::to_string(year) + zeros)
        << "year " << year;
  }
  EXPECT_EQ(OpenMainWindow()->gOutputFilename, "report.txt");
}

TEST_F(CommandsTest, LoadInputsAfterTheWindowWasClosedFillsTheNewWindowsHiddenForm) {
  TheMainWindow().Close();
  const auto path = TempDir() / "rent.txt";
  {
    std::ofstream out(path);
    out << "false\n";
    for (const char* entry : kLiveInExample) {
      out << entry << "\n";
    }
  }
  ExpectOpen(path);
  EXPECT_TRUE(TheApp().FileLoadInputs_Action());
  MainWindow* w = OpenMainWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(OpenDialogCount(), 1);
  EXPECT_EQ(w->gWindow, 0) << "loading changes no page";
  EXPECT_TRUE(w->RadioButton1(1)->Value());
  EXPECT_FALSE(w->gLiveInRent);
  EXPECT_EQ(w->Label1(7)->Text(), "Monthly rent ($):");
  EXPECT_FALSE(w->gCalculations) << "loading runs no calculation";
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->TextField1(i)->Text(), kLiveInExample[static_cast<std::size_t>(i)])
        << "field " << i;
    EXPECT_FALSE(w->TextField1(i)->Visible()) << "field " << i;
  }
  EXPECT_EQ(w->gInputFilename, "rent.txt");
}

TEST_F(CommandsTest, CancelledDialogsWriteNothing) {
  MainWindow& w = TheMainWindow();
  const std::int64_t refreshes = w.RefreshCount();
  ExpectSave(std::nullopt);
  EXPECT_FALSE(TheApp().FileSaveInputs_Action());
  ExpectSave(std::nullopt);
  EXPECT_TRUE(TheApp().FileSaveResults_Action());
  EXPECT_EQ(w.RefreshCount(), refreshes) << "saving repaints nothing";
  ExpectOpen(std::nullopt);
  EXPECT_TRUE(TheApp().FileLoadInputs_Action());
  EXPECT_EQ(w.RefreshCount(), refreshes + 1) << "a cancelled load still repaints";
  EXPECT_EQ(w.gInputFilename, "Tavrelinput");
  EXPECT_EQ(w.gOutputFilename, "Tavreloutput");
  EXPECT_TRUE(std::filesystem::is_empty(TempDir()));
}

TEST_F(CommandsTest, MenuItemsReachTheirOwnHandlers) {
  App& app = TheApp();
  // Each save dialog tells by its offered name which command asked.
  ExpectSave(std::nullopt);
  EXPECT_TRUE(app.ChooseMenuItem("FileSaveInputs"));
  ExpectSave(std::nullopt);
  EXPECT_TRUE(app.ChooseMenuItem("FileSaveResults"));
  ASSERT_EQ(SaveDialogNames().size(), 2u);
  EXPECT_EQ(SaveDialogNames()[0], "Tavrelinput");
  EXPECT_EQ(SaveDialogNames()[1], "Tavreloutput");

  ExpectOpen(std::nullopt);
  EXPECT_TRUE(app.ChooseMenuItem("FileLoadInputs"));
  EXPECT_EQ(OpenDialogCount(), 1);

  MainWindow& w = TheMainWindow();
  w.OkayButton()->Push();
  ASSERT_EQ(w.gWindow, 1);
  EXPECT_TRUE(app.ChooseMenuItem("TavrelAboutTavrel"));
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.Title(), "About Tavrel");
}

}  // namespace
}  // namespace tavrel
