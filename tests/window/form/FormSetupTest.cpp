// The window as Event_Open leaves it: limits, sizes, font, places, help texts and the
// About page's sources.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/AboutText.h"
#include "platform/Graphics.h"
#include "platform/Text.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

class FormSetupTest : public FormTest {};

// The other limits and sizes show in what they govern: the form's places and sizes, the
// About page's size, the model's figures through the form.
TEST_F(FormSetupTest, StartsOnTheAboutPageWithNoCheckFailedAndNoResults) {
  MainWindow& w = OpenWindow();
  EXPECT_TRUE(w.gLiveInRent);
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_FALSE(w.gCalculations);
  EXPECT_EQ(w.gMaxNumIRRcalcs, 100);
  EXPECT_TRUE(Messages().empty());
}

struct FontCase {
  const char* name;
  std::vector<std::string> installed;
  const char* expected;
};

class FontChoiceTest : public FormTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontChoiceTest, TakesTheFirstInstalledPreferredFont) {
  const FontCase& c = GetParam();
  SetFonts(c.installed);
  MainWindow& w = OpenWindow();
  EXPECT_EQ(w.gFont, c.expected);
  // The measuring context carries the chosen name even when it is not installed.
  EXPECT_EQ(w.Graphics().TextFont(), c.expected);
  EXPECT_EQ(w.Graphics().TextSize(), 12.0);
  EXPECT_EQ(w.Graphics().ForeColor(), platform::RGB(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontChoiceTest,
    ::testing::Values(FontCase{"GenevaPresent", {"Geneva", "Arial", "Times", "Palatino"}, "geneva"},
                      FontCase{"ArialWithoutGeneva", {"Times", "Arial", "Palatino"}, "arial"},
                      FontCase{"OnlyPalatino", {"Times", "Palatino", "Courier"}, "palatino"},
                      FontCase{"NoneOfThem", {"Times", "Courier", "Helvetica"}, "roman"},
                      FontCase{"UpperCaseName", {"GENEVA"}, "geneva"},
                      FontCase{"EmptyList", {}, "roman"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScreenCase {
  std::int64_t screenWidth;
  std::int64_t expectedWidth;
};

class FormWidthTest : public FormTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(FormWidthTest, IsTheSmallerOf1280AndTheScreenLess40) {
  SetScreen(GetParam().screenWidth, 900);
  MainWindow& w = OpenWindow();
  EXPECT_EQ(w.gMainWindowWidth, GetParam().expectedWidth);
  EXPECT_EQ(w.gMainWindowHeight, 800);
}

INSTANTIATE_TEST_SUITE_P(Screens, FormWidthTest,
                         ::testing::Values(ScreenCase{1920, 1280}, ScreenCase{1320, 1280},
                                           ScreenCase{1280, 1240}, ScreenCase{1024, 984}),
                         [](const auto& info) {
                           return "Screen" + std::to_string(info.param.screenWidth);
                         });

struct Place {
  std::int64_t index;
  std::int64_t captionX;
  std::int64_t fieldX;
  std::int64_t y;
};

TEST_F(FormSetupTest, PlacesEveryCaptionAndFieldHiddenWithTheWholeNumberPicture) {
  const Place places[] = {
      {0, 80, 350, 130},   {1, 80, 350, 160},   {2, 80, 350, 190},   {3, 80, 350, 220},
      {4, 80, 350, 250},   {5, 80, 350, 280},   {6, 80, 350, 310},   {7, 80, 350, 340},
      {8, 80, 350, 370},   {9, 80, 350, 400},   {10, 80, 350, 430},  {11, 80, 350, 460},
      {12, 580, 800, 340}, {13, 580, 800, 370}, {14, 580, 800, 400}, {15, 580, 800, 430},
      {16, 580, 800, 460}, {17, 580, 800, 130}, {18, 580, 800, 190}, {19, 580, 800, 220},
      {20, 580, 800, 250}, {21, 80, 350, 490},
  };
  MainWindow& w = OpenWindow();
  for (const Place& p : places) {
    SCOPED_TRACE("input " + std::to_string(p.index));
    const platform::Label& caption = *w.Label1(p.index);
    const platform::TextField& field = *w.TextField1(p.index);
    EXPECT_EQ(caption.Left(), p.captionX);
    EXPECT_EQ(caption.Top(), p.y);
    EXPECT_EQ(field.Left(), p.fieldX);
    EXPECT_EQ(field.Top(), p.y);
    // Sizes stay those of the design.
    EXPECT_EQ(caption.Width(), p.index == 21 ? 320 : 200);
    EXPECT_EQ(field.Width(), 80);
    EXPECT_FALSE(caption.Visible());
    EXPECT_FALSE(field.Visible());
    EXPECT_EQ(field.Format(), "########0");
    EXPECT_FALSE(caption.HelpTag().empty());
  }
}

TEST_F(FormSetupTest, PlacesTheChoiceRightOfTheTopRow) {
  MainWindow& w = OpenWindow();
  const platform::RadioButton& liveIn = *w.RadioButton1(0);
  const platform::RadioButton& rent = *w.RadioButton1(1);
  EXPECT_EQ(liveIn.Caption(), "Live in");
  EXPECT_EQ(rent.Caption(), "Rent");
  EXPECT_EQ(liveIn.Left(), 955);
  EXPECT_EQ(rent.Left(), 1075);
  EXPECT_EQ(liveIn.Top(), 130);
  EXPECT_EQ(rent.Top(), 130);
  EXPECT_EQ(liveIn.Width(), 60);
  EXPECT_EQ(rent.Width(), 60);
  // The About page hides them; the values stay as designed.
  EXPECT_FALSE(liveIn.Visible());
  EXPECT_FALSE(rent.Visible());
  EXPECT_TRUE(liveIn.Value());
  EXPECT_FALSE(rent.Value());
}

TEST_F(FormSetupTest, EveryCaptionCarriesItsHelpTextWordForWord) {
  // Typos included: they are the program's own words.
  const std::array<const char*, 22> expected = {
      "The price of the home you are considering buying (not including closing costs).",
      "The downpayment you will make (not including closing costs).",
      "The amount you will borrow (usually the price of the home minus your downpayment)",
      "The annual interest rate on your mortgage.",
      "The number of years used to calculate the monthly payments.",
      "Appraisal, title insurance, and other expenses.",
      "Your marginal tax rate. (Enter 0 if you don't itemize deductions to claim credits for "
      "mortgage interest and property taxes).",
      kLiveInHelp7,
      "Your annual property taxes on this home.",
      "The annual insurance expense is the difference between what you would pay for homeowner's "
      "insurnmace and renter's insurance.",
      "How much more you would pay for telephone, electricity, gas, and other utilities if you own "
      "this home rather than renting it. Oftentimes, the renter is responsible for all utilities, "
      "so there is no difference.",
      "We often estimate that annual maintenance expenses will be around 1 percent of the value of "
      "the home; you may believe it will be somewhat higher or lower.",
      kLiveInHelp12,
      "The anticipated annual rate of increase of property taxes (maybe the rate of inflation).",
      "The anticipated annual rate of increase of insurance expenses (maybe the rate of "
      "inflation).",
      "The anticipated annual rate of increase of utilities expenses (maybe the rate of "
      "inflation).",
      "The anticipated annual rate of increase of maintenance expenses (maybe the rate of "
      "inflation).",
      "The anticipated annual rate of increase of the home's price (maybe the rate of inflation).",
      "The additional amount you borrow (if you use a second loan to help pay for the house).",
      "The annual interest rate on your second mortgage (if you have one).",
      "The number of years used to calculate the monthly payments on your second mortgage (if you "
      "have one).",
      "The after-tax % return on your investments.",
  };
  MainWindow& w = OpenWindow();
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(w.Label1(i)->HelpTag(), expected[static_cast<std::size_t>(i)]) << "caption " << i;
    // The caption carries the help, not its field.
    EXPECT_EQ(w.TextField1(i)->HelpTag(), "") << "field " << i;
  }
}

// A window made after the first was closed starts from the creation values and opens
// anew, whatever the first one held: About page, default file names, empty fields, no
// results, and the live-in texts although the first window was closed in rent mode.
TEST_F(FormSetupTest, AWindowMadeAfterTheFirstWasClosedStartsAfresh) {
  {
    MainWindow& first = OpenForm();
    Fill(first, kExampleEntries);
    Okay(first);
    ASSERT_TRUE(first.gCalculations);
    first.RadioButton1(1)->SetValue(true);
    ASSERT_FALSE(first.gLiveInRent);
    first.gInputFilename = "mine.txt";
    first.gOutputFilename = "report.txt";
    first.Close();
  }
  EXPECT_EQ(OpenMainWindow(), nullptr) << "a closed window is not the open window";

  MainWindow& second = OpenWindow();
  EXPECT_TRUE(second.IsOpen());
  EXPECT_EQ(second.gWindow, 0);
  const ModeView expected{true, kLiveInCaption, kLiveInHelp7, kLiveInHelp12, true, false};
  EXPECT_EQ(Mode(second), expected);
  EXPECT_EQ(Texts(second), Entries{});
  EXPECT_EQ(second.gInputFilename, "Tavrelinput");
  EXPECT_EQ(second.gOutputFilename, "Tavreloutput");
  EXPECT_EQ(second.gCheck, -1);
  EXPECT_FALSE(second.gCalculations);
  EXPECT_EQ(second.gHomePrice, 0);
  EXPECT_EQ(second.gAnnualRent[1], 0);
  EXPECT_EQ(second.gTavrel[30], 0);
  EXPECT_EQ(second.gRR[1], 0);
  EXPECT_EQ(second.gPV[1], 0);
  EXPECT_EQ(second.gIRR, 0);
  EXPECT_EQ(second.gNumIRRcalcs, 0);
}

TEST_F(FormSetupTest, WritesTheAboutPagesSources) {
  MainWindow& w = OpenWindow();
  const std::string cr = platform::Chr(13);
  EXPECT_EQ(w.gFirst[0], 1);
  EXPECT_EQ(w.gLast[0], 12);
  EXPECT_EQ(w.gMsg[1], about::VersionLine());
  for (const int i : {2, 5, 7, 9}) {
    EXPECT_EQ(w.gMsg[i], cr) << "line " << i;
  }
  EXPECT_EQ(w.gMsg[3],
            cr + "This no-frills program doesn't have annoying advertisements or distracting "
                 "graphics, but it can be used to");
  EXPECT_EQ(w.gMsg[4],
            "estimate the tavrel and intrinsic value of a home for various assumptions that "
            "seem reasonable to you.");
  EXPECT_EQ(w.gMsg[6], cr + about::ContactSentence());
  EXPECT_EQ(w.gMsg[8], about::LinkAddress());
  EXPECT_EQ(w.gMsg[10], cr + about::Notice()[0]);
  EXPECT_EQ(w.gMsg[11], about::Notice()[1]);
  EXPECT_EQ(w.gMsg[12], about::Notice()[2]);
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(w.gLeft[i], 30) << "line " << i;
    EXPECT_EQ(w.gRight[i], 610) << "line " << i;
    EXPECT_EQ(w.gJustify[i], (i == 1 || i == 7) ? 1 : 0) << "line " << i;
  }
  // Page line 0, About line 0 and the ranges of pages 2 to 5 are never used.
  EXPECT_EQ(w.gMsg[0], "");
  EXPECT_EQ(w.gAboutMsg[0], "");
  for (int p = 2; p <= 5; ++p) {
    EXPECT_EQ(w.gFirst[p] + w.gLast[p], 0) << "page " << p;
  }
}

}  // namespace
}  // namespace tavrel::formtest
