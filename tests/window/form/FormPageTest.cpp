// The Okay button on the About page: the form page's size, place, paragraph and controls.
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/Text.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

class FormPageTest : public FormTest {
 protected:
  // The laid-out lines of the form page, joined.
  static std::string Paragraph(const MainWindow& w) {
    std::string text;
    for (std::int64_t i = w.gFirst[1]; i <= w.gLast[1]; ++i) {
      text += w.gMsg[static_cast<std::size_t>(i)];
    }
    return text;
  }
};

// Each word of the six source lines followed by one blank, as the layout lines them up.
std::string ExpectedParagraph() {
  const char* const sources[] = {
      "If you are a landlord who rents a home to someone else, the income is "
      "obvious\u2014the rent you are paid by your tenants.",
      "If you own a home and live in it, your income is the rent you don\u2019t have to pay "
      "someone else. The rent you save is income that you can spend on other things.",
      "There are other financial benefits (including the tax deductibility of your interest "
      "payments and property taxes),",
      "and there are also expenses (including the monthly mortgage payments, property taxes, "
      "and maintenance).",
      "The investment value of a home depends on the net income\u2014the rent savings and "
      "other benefits net of the mortgage payment and other expenses.",
      "Because this income is as real as the dividends from a stock portfolio, I call it your "
      "tavrel.",
  };
  std::string text;
  for (const char* source : sources) {
    std::istringstream words(source);
    std::string word;
    while (words >> word) {
      text += word + " ";
    }
  }
  return text;
}

TEST_F(FormPageTest, OnA1440By900ScreenTheFormIs1280By800AtTop50Left80) {
  MainWindow& w = OpenWindow();
  const std::int64_t refreshes = w.RefreshCount();
  Okay(w);
  EXPECT_EQ(w.gWindow, 1);
  EXPECT_EQ(w.Width(), 1280);
  EXPECT_EQ(w.Height(), 800);
  EXPECT_EQ(w.Top(), 50);
  EXPECT_EQ(w.Left(), 80);
  EXPECT_EQ(w.OkayButton()->Left(), 1180);
  EXPECT_EQ(w.OkayButton()->Top(), 760);
  EXPECT_EQ(w.Title(), "Tavrel");
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
  for (std::int64_t i = 0; i < 22; ++i) {
    EXPECT_TRUE(w.TextField1(i)->Visible()) << "field " << i;
    EXPECT_TRUE(w.Label1(i)->Visible()) << "caption " << i;
  }
  EXPECT_TRUE(w.RadioButton1(0)->Visible());
  EXPECT_TRUE(w.RadioButton1(1)->Visible());
  EXPECT_EQ(FocusedField(w), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormPageTest, LaysTheSixSourcesOutAcrossTheTop) {
  MainWindow& w = OpenForm();
  EXPECT_EQ(w.gFirst[1], 1);
  EXPECT_EQ(Paragraph(w), ExpectedParagraph());
  int indented = 0;
  for (std::int64_t i = w.gFirst[1]; i <= w.gLast[1]; ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(w.gRight[static_cast<std::size_t>(i)], 1220);
    EXPECT_EQ(w.gJustify[static_cast<std::size_t>(i)], 0);
    EXPECT_EQ(w.gY[static_cast<std::size_t>(i)], 30 + 20 * (i - 1));
    indented += w.gLeft[static_cast<std::size_t>(i)] == 40 ? 1 : 0;
  }
  // Only the second paragraph's first line is indented.
  EXPECT_EQ(indented, 1);
}

TEST_F(FormPageTest, OnA1024WideScreenTheFormIs984WideAtLeft20) {
  SetScreen(1024, 768);
  MainWindow& w = OpenForm();
  EXPECT_EQ(w.Width(), 984);
  EXPECT_EQ(w.Left(), 20);
  EXPECT_EQ(w.Top(), -16);
  for (std::int64_t i = w.gFirst[1]; i <= w.gLast[1]; ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    const std::int64_t left = w.gLeft[static_cast<std::size_t>(i)];
    EXPECT_TRUE(left == 30 || left == 40) << left;
    EXPECT_EQ(w.gRight[static_cast<std::size_t>(i)], 924);
  }
  EXPECT_EQ(Paragraph(w), ExpectedParagraph());
}

struct TopCase {
  std::int64_t screenHeight;
  std::int64_t expectedTop;
};

class NegativeTopTest : public FormPageTest, public ::testing::WithParamInterface<TopCase> {};

TEST_P(NegativeTopTest, AFormTallerThanTheScreenKeepsItsNegativeTop) {
  SetScreen(1440, GetParam().screenHeight);
  MainWindow& w = OpenForm();
  EXPECT_EQ(w.Height(), 800);
  EXPECT_EQ(w.Top(), GetParam().expectedTop);
  EXPECT_EQ(w.Left(), 80);
}

// Halving goes down to the next whole number: -41 / 2 gives -21, not -20.
INSTANTIATE_TEST_SUITE_P(Screens, NegativeTopTest,
                         ::testing::Values(TopCase{768, -16}, TopCase{759, -21}, TopCase{801, 0},
                                           TopCase{841, 20}),
                         [](const auto& info) {
                           return "ScreenHeight" + std::to_string(info.param.screenHeight);
                         });

TEST_F(FormPageTest, OkayOnTheAboutPageNeverReadsTheFields) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  w.TextField1(0)->SetText("-5");
  w.TextField1(1)->SetText("-7");
  // Back to the About page as the About command does it.
  w.gWindow = 0;
  w.SetUpAbout();
  Okay(w);
  EXPECT_EQ(w.gWindow, 1);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_EQ(w.gHomePrice, 0.0);
  EXPECT_EQ(w.gDownPayment, 0.0);
  EXPECT_EQ(w.gAnnualRent[1], 0.0);
  EXPECT_FALSE(w.gCalculations);
  EXPECT_EQ(w.TextField1(0)->Text(), "-5");
  EXPECT_EQ(w.TextField1(1)->Text(), "-7");
  EXPECT_EQ(w.TextField1(7)->Text(), "1500");
}

TEST_F(FormPageTest, ReturningAfterAFailedCheckKeepsTheWarningAndFocusesField0) {
  MainWindow& w = OpenForm();
  Fill(w, kPassingEntries);
  w.TextField1(9)->SetText("-1");
  Okay(w);
  ASSERT_EQ(w.gCheck, 9);
  ASSERT_EQ(FocusedField(w), 9);
  const std::string warning = w.gWarning;
  w.gWindow = 0;
  w.SetUpAbout();
  Okay(w);
  EXPECT_EQ(w.gWindow, 1);
  EXPECT_EQ(w.gCheck, 9);
  EXPECT_EQ(w.gWarning, warning);
  EXPECT_EQ(FocusedField(w), 0);
}

TEST_F(FormPageTest, OpeningTheFormAgainGivesTheSameLines) {
  MainWindow& w = OpenForm();
  const auto first = w.gMsg;
  const auto firstLeft = w.gLeft;
  const auto firstY = w.gY;
  const std::int64_t firstLast = w.gLast[1];
  w.gWindow = 0;
  w.SetUpAbout();
  Okay(w);
  EXPECT_EQ(w.gLast[1], firstLast);
  EXPECT_EQ(w.gMsg, first);
  EXPECT_EQ(w.gLeft, firstLeft);
  EXPECT_EQ(w.gY, firstY);
  EXPECT_EQ(w.Width(), 1280);
  EXPECT_EQ(w.Top(), 50);
}

}  // namespace
}  // namespace tavrel::formtest
