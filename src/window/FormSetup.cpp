#include <array>
#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "pages/AboutText.h"
#include "platform/Graphics.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "window/FormTexts.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

// Hover texts of the 22 captions, by input index; captions 7 and 12 start in the
// live-in mode.
const std::array<std::string, 22> kHelpTexts = {
    "The price of the home you are considering buying (not including closing costs).",
    "The downpayment you will make (not including closing costs).",
    "The amount you will borrow (usually the price of the home minus your downpayment)",
    "The annual interest rate on your mortgage.",
    "The number of years used to calculate the monthly payments.",
    "Appraisal, title insurance, and other expenses.",
    "Your marginal tax rate. (Enter 0 if you don't itemize deductions to claim credits for "
    "mortgage interest and property taxes).",
    formtext::kLiveIn.rentHelp,
    "Your annual property taxes on this home.",
    "The annual insurance expense is the difference between what you would pay for "
    "homeowner's insurnmace and renter's insurance.",
    "How much more you would pay for telephone, electricity, gas, and other utilities if you "
    "own this home rather than renting it. Oftentimes, the renter is responsible for all "
    "utilities, so there is no difference.",
    "We often estimate that annual maintenance expenses will be around 1 percent of the value "
    "of the home; you may believe it will be somewhat higher or lower.",
    formtext::kLiveIn.rentGrowthHelp,
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

// The order in which the help texts are set: caption 7, whose words change with the
// mode, comes just before caption 12, the other one that does.
constexpr std::array<std::int64_t, 22> kHelpOrder = {0, 1,  2,  3,  4,  5,  6,  8,  9,  10, 11,
                                                     7, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};

}  // namespace

void MainWindow::Event_Open() {
  // Settings and limits.
  gLiveInRent = true;
  gWindow = 0;
  gAboutWindowHeight = 400;
  gAboutWindowWidth = 640;
  gMainWindowHeight = 800;
  gMainWindowWidth = Int(Min(1280, static_cast<double>(platform::Screen(0).Width - 40)));
  gTextHeight = 12;
  gCalculations = false;
  gMaxNumIRRcalcs = 100;
  gHorizon = 1000;
  gNumPVs = 5;
  gNumTextFields = 22;
  gRightBoxLeftMargin = 580;
  gCheck = -1;

  // The first of the preferred fonts that is installed; "roman" is used even when not.
  gFont = "geneva";
  if (!fontAvailable(gFont)) {
    gFont = "arial";
    if (!fontAvailable(gFont)) {
      gFont = "palatino";
      if (!fontAvailable(gFont)) {
        gFont = "roman";
      }
    }
  }

  // Both pages' layouts measure with this context, so it must carry the drawing font.
  platform::Graphics& g = Graphics();
  g.SetTextSize(static_cast<float>(gTextHeight));
  g.SetTextFont(gFont);
  g.SetForeColor(platform::RGB(0, 0, 0));

  for (const std::int64_t i : kHelpOrder) {
    Label1(i)->SetHelpTag(kHelpTexts[static_cast<std::size_t>(i)]);
  }

  for (std::int64_t i = 0; i <= gNumTextFields - 1; ++i) {
    TextField1(i)->SetFormat("########0");
    TextField1(i)->SetVisible(false);
    Label1(i)->SetVisible(false);
  }

  // Left column: rows of 30 pixels from y 130.
  for (std::int64_t i = 0; i <= 11; ++i) {
    Label1(i)->SetLeft(80);
    TextField1(i)->SetLeft(350);
    Label1(i)->SetTop(160 + 30 * (i - 1));
    TextField1(i)->SetTop(Label1(i)->Top());
  }
  // Right column: the growth rates beside captions 7 to 11.
  for (std::int64_t i = 12; i <= 16; ++i) {
    Label1(i)->SetLeft(gRightBoxLeftMargin);
    TextField1(i)->SetLeft(gRightBoxLeftMargin + 220);
    Label1(i)->SetTop(Label1(i - 5)->Top());
    TextField1(i)->SetTop(Label1(i - 5)->Top());
  }
  for (std::int64_t i = 17; i <= 20; ++i) {
    Label1(i)->SetLeft(gRightBoxLeftMargin);
    TextField1(i)->SetLeft(gRightBoxLeftMargin + 220);
  }
  Label1(17)->SetTop(Label1(0)->Top());
  TextField1(17)->SetTop(Label1(0)->Top());
  // The second mortgage beside the first one's amount, rate and length.
  for (std::int64_t i = 18; i <= 20; ++i) {
    Label1(i)->SetTop(Label1(i - 16)->Top());
    TextField1(i)->SetTop(Label1(i - 16)->Top());
  }
  Label1(21)->SetLeft(80);
  TextField1(21)->SetLeft(350);
  Label1(21)->SetTop(Label1(11)->Top() + 30);
  TextField1(21)->SetTop(Label1(21)->Top());

  // The live-in/rent choice, right of the top row's field.
  platform::RadioButton& liveIn = *RadioButton1(0);
  liveIn.SetCaption("Live in");
  liveIn.SetTop(TextField1(0)->Top());
  liveIn.SetLeft(TextField1(17)->Left() + TextField1(17)->Width() + 75);
  liveIn.SetWidth(60);
  liveIn.SetVisible(true);
  platform::RadioButton& rent = *RadioButton1(1);
  rent.SetCaption("Rent");
  rent.SetTop(liveIn.Top());
  rent.SetLeft(liveIn.Left() + liveIn.Width() + 60);
  rent.SetWidth(liveIn.Width());
  rent.SetVisible(true);

  // The About page's sources. A leading carriage return starts a new line in the layout.
  const std::string cr = platform::Chr(13);
  const std::array<std::string, 3> notice = about::Notice();
  gMsg[1] = about::VersionLine();
  gMsg[2] = cr;
  gMsg[3] = cr +
            "This no-frills program doesn't have annoying advertisements or distracting graphics, "
            "but it can be used to";
  gMsg[4] =
      "estimate the tavrel and intrinsic value of a home for various assumptions that seem "
      "reasonable to you.";
  gMsg[5] = cr;
  gMsg[6] = cr + about::ContactSentence();
  gMsg[7] = cr;
  gMsg[8] = about::LinkAddress();
  gMsg[9] = cr;
  gMsg[10] = cr + notice[0];
  gMsg[11] = notice[1];
  gMsg[12] = notice[2];
  gFirst[gWindow] = 1;
  gLast[gWindow] = 12;
  for (std::int64_t i = gFirst[gWindow]; i <= gLast[gWindow]; ++i) {
    gLeft[i] = 30;
    gRight[i] = gAboutWindowWidth - 30;
  }
  // The version line and the link's line are centred.
  gJustify[1] = 1;
  for (std::int64_t i = 2; i <= 6; ++i) {
    gJustify[i] = 0;
  }
  gJustify[7] = 1;
  for (std::int64_t i = 8; i <= 12; ++i) {
    gJustify[i] = 0;
  }

  TextFixer(80, 20, 30);
  SetUpAbout();
}

bool MainWindow::fontAvailable(const std::string& name) const {
  // The count is asked again before every comparison: the list is the system's.
  for (std::int64_t i = 0; i <= platform::FontCount() - 1; ++i) {
    if (platform::TextEquals(platform::Font(i), name)) {
      return true;
    }
  }
  return false;
}

}  // namespace tavrel
