// The live-in/rent choice: the mode and the words of the form that follow it.
#include <cstdint>
#include <string>

#include "platform/TestDriver.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

class LiveInRentTest : public FormTest {};

const ModeView kLiveInView{true, kLiveInCaption, kLiveInHelp7, kLiveInHelp12, true, false};
const ModeView kRentView{false, kRentCaption, kRentHelp7, kRentHelp12, false, true};

TEST_F(LiveInRentTest, ClickingRentChangesTheWordsAtOnceAndNothingElse) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  Okay(w);
  ASSERT_TRUE(w.gCalculations);
  const YearTable tavrel = w.gTavrel;
  const std::int64_t refreshes = w.RefreshCount();

  platform::testdriver::Click(*w.RadioButton1(1));
  EXPECT_EQ(Mode(w), kRentView);
  EXPECT_EQ(Texts(w), kExampleEntries);
  EXPECT_EQ(w.gTavrel, tavrel);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_TRUE(w.gCalculations);
  EXPECT_EQ(w.RefreshCount(), refreshes);
}

TEST_F(LiveInRentTest, RentThenLiveInRestoresTheOpeningTexts) {
  MainWindow& w = OpenForm();
  const ModeView opening = Mode(w);
  EXPECT_EQ(opening, kLiveInView);
  w.RadioButton1(1)->SetValue(true);
  EXPECT_EQ(Mode(w), kRentView);
  w.RadioButton1(0)->SetValue(true);
  EXPECT_EQ(Mode(w), opening);
}

TEST_F(LiveInRentTest, TheAlreadySelectedButtonChangesNothing) {
  MainWindow& w = OpenForm();
  platform::testdriver::Click(*w.RadioButton1(0));
  EXPECT_EQ(Mode(w), kLiveInView);
  w.RadioButton1(0)->SetValue(true);
  EXPECT_EQ(Mode(w), kLiveInView);

  w.RadioButton1(1)->SetValue(true);
  platform::testdriver::Click(*w.RadioButton1(1));
  w.RadioButton1(1)->SetValue(true);
  EXPECT_EQ(Mode(w), kRentView);
}

TEST_F(LiveInRentTest, ASenderOutsideThePairChangesNothing) {
  MainWindow& w = OpenForm();
  w.RadioButton1(1)->SetValue(true);
  auto& stranger = w.AddControl<platform::RadioButton>("Stranger", 2);
  w.RadioButton1_Action(stranger);
  EXPECT_FALSE(w.gLiveInRent);
  EXPECT_EQ(w.Label1(7)->Text(), kRentCaption);
  EXPECT_EQ(w.Label1(7)->HelpTag(), kRentHelp7);
  EXPECT_EQ(w.Label1(12)->HelpTag(), kRentHelp12);
}

}  // namespace
}  // namespace tavrel::formtest
