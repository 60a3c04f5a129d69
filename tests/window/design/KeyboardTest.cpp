// Keys, typing and clicks on the designed controls.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DesignSupport.h"
#include "platform/Controls.h"
#include "platform/TestDriver.h"
#include "window/MainWindow.h"

namespace tavrel::design_test {
namespace {

namespace driver = platform::testdriver;
using Key = platform::testdriver::Key;

using KeyboardTest = DesignTest;

std::string Describe(const MainWindow& w, const platform::RectControl* c) {
  if (c == nullptr) {
    return "nothing";
  }
  if (c == w.OkayButton()) {
    return "OkayButton";
  }
  return c->Name() + "(" + std::to_string(c->Index()) + ")";
}

// Field 4 was made after field 16, so Tab reaches it from there and not from field 3.
TEST_F(KeyboardTest, TabOnTheFormPageFollowsTheCreationOrderAndSkipsTheCaptions) {
  MainWindow& w = TheMainWindow();
  w.OkayButton()->Push();
  ASSERT_EQ(w.gWindow, 1);
  driver::Activate(w);
  std::vector<const platform::RectControl*> expected = {w.OkayButton()};
  for (std::int64_t i :
       {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 4, 17, 18, 19, 20, 21}) {
    expected.push_back(w.TextField1(i));
  }
  expected.push_back(w.RadioButton1(0));  // the selected button of the choice

  w.OkayButton()->SetFocus();
  ASSERT_EQ(driver::FocusedControl(w), w.OkayButton());
  for (std::size_t step = 1; step < expected.size(); ++step) {
    driver::PressKey(w, Key::Tab);
    const platform::RectControl* got = driver::FocusedControl(w);
    ASSERT_EQ(got, expected[step]) << "step " << step << ": expected "
                                   << Describe(w, expected[step]) << ", got " << Describe(w, got);
  }
}

TEST_F(KeyboardTest, TypingInAFieldAndClickingACaptionRunNoHandler) {
  auto w = OpenedBare();
  driver::Activate(*w);
  const std::int64_t refreshes = w->RefreshCount();
  const std::string caption7 = w->Label1(7)->Text();

  driver::TypeText(*w->TextField1(0), "250000");
  driver::TypeText(*w->TextField1(7), "1500");
  driver::Click(*w->Label1(7));
  driver::Click(*w->Label1(0));

  EXPECT_EQ(w->TextField1(0)->Text(), "250000");
  EXPECT_EQ(w->TextField1(7)->Text(), "1500");
  EXPECT_EQ(w->gWindow, 0) << "the Okay action ran";
  EXPECT_FALSE(w->gLiveInRent) << "the choice's action ran";
  EXPECT_EQ(w->Label1(7)->Text(), caption7) << "the choice's action ran";
  EXPECT_EQ(w->gHomePrice, 0) << "a field was read";
  EXPECT_EQ(w->RefreshCount(), refreshes) << "something asked for a repaint";
}

// The real window: the Okay button's action is bound to the window's handler.
TEST_F(KeyboardTest, ReturnOnTheAboutPageOpensTheFormAndEscapeDoesNothing) {
  MainWindow& w = TheMainWindow();
  ASSERT_EQ(w.gWindow, 0);
  driver::Activate(w);
  driver::PressKey(w, Key::Escape);
  EXPECT_EQ(w.gWindow, 0);
  driver::PressKey(w, Key::Return);
  EXPECT_EQ(w.gWindow, 1);
  EXPECT_EQ(driver::FocusedControl(w), w.TextField1(0)) << "the form page focuses field 0";
}

}  // namespace
}  // namespace tavrel::design_test
