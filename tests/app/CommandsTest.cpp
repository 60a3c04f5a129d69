// The four menu commands: each reaches the one window through the accessor, which
// makes a fresh one when none is open. What each command writes or reads is the window's
// own matter, tested with it.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
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

// With no window open (the first was closed, or none was made), each command makes a
// fresh one through the accessor, works on it and answers as its menu item expects.
TEST_F(CommandsTest, CommandsWithNoWindowOpenWorkOnAFreshWindow) {
  CalculateLiveInExample(TheMainWindow());
  TheMainWindow().Close();
  ASSERT_EQ(OpenMainWindow(), nullptr);

  ExpectSave(TempDir() / "inputs.txt");
  EXPECT_FALSE(TheApp().FileSaveInputs_Action()) << "Save Inputs answers False";
  ASSERT_NE(OpenMainWindow(), nullptr) << "Save Inputs made no window";
  std::vector<std::string> zeros(23, "0");
  zeros[0] = "true";
  EXPECT_EQ(ReadLines(TempDir() / "inputs.txt"), zeros);
  CloseMainWindow();

  ExpectSave(TempDir() / "report.txt");
  EXPECT_TRUE(TheApp().FileSaveResults_Action());
  ASSERT_NE(OpenMainWindow(), nullptr) << "Save Results made no window";
  const std::vector<std::string> report = ReadLines(TempDir() / "report.txt");
  ASSERT_EQ(report.size(), 101u);
  std::string year100 = "100";
  for (int k = 0; k < 14; ++k) {
    year100 += "\t0.00";
  }
  EXPECT_EQ(report[100], year100);
  CloseMainWindow();

  std::string rent = "false\n";
  for (const char* entry : kLiveInExample) {
    rent += std::string(entry) + "\n";
  }
  testing::WriteFile(TempDir() / "rent.txt", rent);
  ExpectOpen(TempDir() / "rent.txt");
  EXPECT_TRUE(TheApp().FileLoadInputs_Action());
  MainWindow* loaded = OpenMainWindow();
  ASSERT_NE(loaded, nullptr) << "Load Inputs made no window";
  EXPECT_EQ(loaded->gWindow, 0) << "loading changes no page";
  EXPECT_FALSE(loaded->gLiveInRent);
  EXPECT_FALSE(loaded->gCalculations) << "loading runs no calculation";
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(loaded->TextField1(i)->Text(), kLiveInExample[static_cast<std::size_t>(i)])
        << "field " << i;
    EXPECT_FALSE(loaded->TextField1(i)->Visible()) << "field " << i;
  }
  CloseMainWindow();

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  MainWindow* about = OpenMainWindow();
  ASSERT_NE(about, nullptr) << "About made no window";
  EXPECT_EQ(about->gWindow, 0);
  EXPECT_EQ(about->Width(), 640);
  EXPECT_EQ(about->Height(), 400);
  EXPECT_EQ(about->Left(), 400);
  EXPECT_EQ(about->Top(), 250);
  EXPECT_GE(about->RefreshCount(), 1) << "the About page was not repainted";
}

TEST_F(CommandsTest, AboutOnTheAboutPageSetsTheAboutPageAgain) {
  MainWindow& w = TheMainWindow();
  w.SetWidth(700);
  w.SetLeft(3);
  w.SetTop(4);
  const std::int64_t refreshes = w.RefreshCount();

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  EXPECT_EQ(&TheMainWindow(), &w) << "the open window is the one used";
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.Width(), 640);
  EXPECT_EQ(w.Height(), 400);
  EXPECT_EQ(w.Left(), 400);
  EXPECT_EQ(w.Top(), 250);
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
}

TEST_F(CommandsTest, AboutOnTheFormPageAfterACalculationKeepsInputsAndResults) {
  MainWindow& w = TheMainWindow();
  CalculateLiveInExample(w);
  const double irr = w.gIRR;
  const YearTable wealth = w.gWealth;

  EXPECT_TRUE(TheApp().TavrelAboutTavrel_Action());
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.Width(), 640);
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_EQ(w.gIRR, irr);
  EXPECT_EQ(w.gWealth, wealth);
  EXPECT_EQ(w.gHomePrice, 250000);
  for (std::int64_t i = 0; i <= 21; ++i) {
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
  EXPECT_EQ(w.Width(), 640);
}

}  // namespace
}  // namespace tavrel
