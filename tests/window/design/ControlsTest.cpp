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
#include "window/MenuBar1.h"

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
}

TEST_F(DesignTest, EveryMemberIsFoundByItsNameAndIndex) {
  auto w = Designed();
  for (std::int64_t i = 0; i <= 21; ++i) {
    ASSERT_NE(w->TextField1(i), nullptr) << "field " << i;
    EXPECT_EQ(w->TextField1(i)->Index(), i);
    EXPECT_EQ(w->TextField1(i)->Name(), "TextField1");
    ASSERT_NE(w->Label1(i), nullptr) << "caption " << i;
    EXPECT_EQ(w->Label1(i)->Index(), i);
    EXPECT_EQ(w->Label1(i)->Name(), "Label1");
  }
  for (std::int64_t i = 0; i <= 1; ++i) {
    ASSERT_NE(w->RadioButton1(i), nullptr) << "choice " << i;
    EXPECT_EQ(w->RadioButton1(i)->Index(), i);
    EXPECT_EQ(w->RadioButton1(i)->Name(), "RadioButton1");
  }
}

TEST_F(DesignTest, OkayButtonIsFoundByItsNameAloneAndHasNoIndex) {
  auto w = Designed();
  platform::PushButton* okay = w->OkayButton();
  ASSERT_NE(okay, nullptr);
  EXPECT_EQ(okay->Name(), "OkayButton");
  EXPECT_EQ(okay->Index(), -1);
  EXPECT_EQ(okay->Caption(), "Okay");
  EXPECT_TRUE(okay->Default()) << "Return must press it";
  EXPECT_FALSE(okay->Cancel()) << "Escape must not press it";
  EXPECT_EQ(okay->Width(), 80);
  EXPECT_EQ(okay->Height(), 20);
  EXPECT_TRUE(okay->Visible());
  EXPECT_EQ(okay->HelpTag(), "");
}

TEST_F(DesignTest, CaptionsReadExactly) {
  auto w = Designed();
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->Label1(i)->Text(), kExpectedCaptions[static_cast<std::size_t>(i)])
        << "caption " << i;
  }
}

TEST_F(DesignTest, CaptionDetailsThatAreEasyToGetWrong) {
  auto w = Designed();
  EXPECT_EQ(w->Label1(8)->Text(), "Annual property taxes ($)") << "no colon";
  const std::string insurance = w->Label1(9)->Text();
  EXPECT_NE(insurance.find("\xE2\x80\x99"), std::string::npos) << "U+2019 in: " << insurance;
  EXPECT_EQ(insurance.find('\''), std::string::npos) << "ASCII apostrophe in: " << insurance;
  for (std::int64_t i : {8, 12, 13, 14, 15, 16, 17, 21}) {
    const std::string text = w->Label1(i)->Text();
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), ':') << "caption " << i << " ends without a colon: " << text;
  }
  for (std::int64_t i = 13; i <= 17; ++i) {
    EXPECT_EQ(w->Label1(i)->Text(), w->Label1(12)->Text()) << "caption " << i;
  }
}

TEST_F(DesignTest, ControlSizes) {
  auto w = Designed();
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->Label1(i)->Width(), i == 21 ? 320 : 200) << "caption " << i;
    EXPECT_EQ(w->Label1(i)->Height(), 20) << "caption " << i;
    EXPECT_EQ(w->TextField1(i)->Width(), 80) << "field " << i;
    EXPECT_EQ(w->TextField1(i)->Height(), 20) << "field " << i;
  }
  for (std::int64_t i = 0; i <= 1; ++i) {
    EXPECT_EQ(w->RadioButton1(i)->Width(), 100) << "choice " << i;
    EXPECT_EQ(w->RadioButton1(i)->Height(), 20) << "choice " << i;
  }
}

TEST_F(DesignTest, FieldsAndCaptionsStartEmptyVisibleAndWithoutHelp) {
  auto w = Designed();
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w->TextField1(i)->Text(), "") << "field " << i;
    EXPECT_EQ(w->TextField1(i)->Format(), "") << "field " << i;
    EXPECT_EQ(w->TextField1(i)->HelpTag(), "") << "field " << i;
    EXPECT_TRUE(w->TextField1(i)->Visible()) << "field " << i;
    EXPECT_TRUE(w->TextField1(i)->Enabled()) << "field " << i;
    EXPECT_EQ(w->Label1(i)->HelpTag(), "") << "caption " << i;
    EXPECT_TRUE(w->Label1(i)->Visible()) << "caption " << i;
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
  EXPECT_EQ(w->Label1(7)->Text(), "Monthly rent savings ($):");
}

TEST_F(DesignTest, ChoiceSetInCodeRunsItsBoundHandler) {
  auto w = Designed();
  w->RadioButton1(1)->SetValue(true);
  EXPECT_FALSE(w->RadioButton1(0)->Value());
  EXPECT_FALSE(w->gLiveInRent);
  EXPECT_EQ(w->Label1(7)->Text(), "Monthly rent ($):") << "button 1's handler did not run";
  w->RadioButton1(0)->SetValue(true);
  EXPECT_FALSE(w->RadioButton1(1)->Value());
  EXPECT_TRUE(w->gLiveInRent) << "button 0's handler did not run";
  EXPECT_EQ(w->Label1(7)->Text(), "Monthly rent savings ($):");
}

TEST_F(DesignTest, ChoiceSetInCodeRaisesItsActionOnce) {
  auto w = Designed();
  int raised = 0;
  std::int64_t sender = -99;
  for (std::int64_t i = 0; i <= 1; ++i) {
    w->RadioButton1(i)->SetAction([&](platform::RadioButton& b) {
      ++raised;
      sender = b.Index();
    });
  }
  w->RadioButton1(1)->SetValue(true);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(sender, 1);
  w->RadioButton1(0)->SetValue(true);
  EXPECT_EQ(raised, 2);
  EXPECT_EQ(sender, 0);
}

TEST_F(DesignTest, LayoutGivesTheDesignedWindow) {
  auto w = Designed();
  EXPECT_EQ(w->GetMenuBar(), &SharedMenuBar1());
  EXPECT_EQ(w->Title(), "Tavrel");
  EXPECT_EQ(w->Width(), 1280);
  EXPECT_EQ(w->Height(), 800);
  EXPECT_TRUE(w->Visible());
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

TEST_F(DesignTest, OpenedWindowShowsTheCaptionsOpenGives) {
  // The form's set-up at open renames the choice; the selection stays the design's.
  MainWindow& w = TheMainWindow();
  EXPECT_EQ(w.RadioButton1(0)->Caption(), "Live in");
  EXPECT_EQ(w.RadioButton1(1)->Caption(), "Rent");
  EXPECT_TRUE(w.RadioButton1(0)->Value());
  EXPECT_EQ(w.GetMenuBar(), &SharedMenuBar1());
}

}  // namespace
}  // namespace tavrel::design_test
