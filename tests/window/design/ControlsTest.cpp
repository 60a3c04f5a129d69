// The 47 controls as the window's design makes them.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "DesignSupport.h"
#include "platform/Controls.h"
#include "platform/TestDriver.h"
#include "window/MainWindow.h"

namespace tavrel::design_test {
namespace {

const std::array<std::string, 22> kExpectedCaptions = {
    "Price of home ($):",
    "Downpayment ($):",
    "Mortgage ($):",
    "Mortgage rate (%):",
    "Length of mortgage (years):",
    "Closing costs ($):",
    "Marginal tax rate (%):",
    "Monthly rent savings ($):",
    "Annual property taxes ($)",
    "Annual homeowner\xE2\x80\x99s insurance ($):",
    "Annual utilities ($):",
    "Annual maintenance ($):",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Second mortgage ($):",
    "Second mortgage rate (%):",
    "Length of 2nd mortgage (years):",
    "Return on your investments (%)",
};

TEST_F(DesignTest, AccessorsGiveNothingForAnIndexWithoutAMember) {
  auto w = Designed();
  struct Row {
    const char* call;
    std::function<const platform::Control*()> find;
    bool found;
  };
  const Row rows[] = {
      {"TextField1(22)", [&] { return w->TextField1(22); }, false},
      {"Label1(22)", [&] { return w->Label1(22); }, false},
      {"TextField1(-1)", [&] { return w->TextField1(-1); }, false},
      {"Label1(-1)", [&] { return w->Label1(-1); }, false},
      {"RadioButton1(2)", [&] { return w->RadioButton1(2); }, false},
      {"RadioButton1(-1)", [&] { return w->RadioButton1(-1); }, false},
      {"TextField1(21)", [&] { return w->TextField1(21); }, true},
      {"Label1(0)", [&] { return w->Label1(0); }, true},
      {"RadioButton1(1)", [&] { return w->RadioButton1(1); }, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.find() != nullptr, row.found) << row.call;
  }
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->TextField1(i)->Index(), i);
    EXPECT_EQ(w->Label1(i)->Index(), i);
  }
  EXPECT_EQ(w->RadioButton1(1)->Index(), 1);
}

TEST_F(DesignTest, OkayButtonIsFoundByItsNameAloneAndHasNoIndex) {
  auto w = Designed();
  platform::PushButton* okay = w->OkayButton();
  ASSERT_NE(okay, nullptr);
  EXPECT_EQ(okay->Name(), "OkayButton");
  EXPECT_EQ(okay->Index(), -1);
  EXPECT_EQ(okay->Caption(), "Okay");
}

TEST_F(DesignTest, CaptionsReadExactly) {
  auto w = Designed();
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->Label1(i)->Text(), kExpectedCaptions[static_cast<std::size_t>(i)])
        << "caption " << i;
  }
}

TEST_F(DesignTest, ChoiceStartsOnLiveInWithoutRunningItsHandler) {
  auto w = Designed();
  EXPECT_TRUE(w->RadioButton1(0)->Value());
  EXPECT_EQ(w->RadioButton1(0)->Caption(), "Live In");
  EXPECT_FALSE(w->RadioButton1(1)->Value());
  EXPECT_EQ(w->RadioButton1(1)->Caption(), "Rent");
  // The handler would have set the live-in mode; creation leaves the creation value.
  EXPECT_FALSE(w->gLiveInRent);
}

TEST_F(DesignTest, BackgroundIsNearWhite) {
  auto w = OpenedBare();
  platform::testdriver::Activate(*w);
  // Far from every control, which all stand at their default place until the form's
  // set-up places them.
  const platform::Color c = platform::testdriver::PixelAt(*w, 600, 300);
  const int channels[] = {c.r, c.g, c.b};
  int at255 = 0;
  int at254 = 0;
  for (int v : channels) {
    at255 += v == 255 ? 1 : 0;
    at254 += v == 254 ? 1 : 0;
  }
  EXPECT_EQ(at255, 1) << "rgb(" << channels[0] << ", " << channels[1] << ", " << channels[2] << ")";
  EXPECT_EQ(at254, 2) << "rgb(" << channels[0] << ", " << channels[1] << ", " << channels[2] << ")";
}

}  // namespace
}  // namespace tavrel::design_test
