// The pages as the real widgets and fonts render them: the About texts fit, the title is
// in its colour, the results stand below the form.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pages/AboutText.h"
#include "pages/PagesTest.h"
#include "platform/Graphics.h"
#include "platform/TestDriver.h"

namespace tavrel::pagestest {
namespace {

namespace driver = platform::testdriver;

const platform::Color kBlue = platform::RGB(23, 33, 204);

bool Dark(platform::Color c) {
  return int(c.r) + int(c.g) + int(c.b) < 200;
}

// The page, a field's face or a button's face: every channel high (the default button is
// tinted).
bool Light(platform::Color c) {
  return c.r >= 220 && c.g >= 220 && c.b >= 220;
}

std::string Rgb(platform::Color c) {
  return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
         ")";
}

// The darkest pixel of the page in the box from (x0, y0) to (x1, y1), both excluded.
platform::Color Darkest(const driver::PageImage& page, std::int64_t x0, std::int64_t y0,
                        std::int64_t x1, std::int64_t y1) {
  platform::Color darkest{255, 255, 255};
  for (auto y = static_cast<int>(y0); y < y1; ++y) {
    for (auto x = static_cast<int>(x0); x < x1; ++x) {
      const platform::Color c = page.At(x, y);
      if (int(c.r) + int(c.g) + int(c.b) < int(darkest.r) + int(darkest.g) + int(darkest.b)) {
        darkest = c;
      }
    }
  }
  return darkest;
}

// Saves a screenshot into the test's folder and, when TAVREL_SCREENSHOT_DIR names a folder,
// there too, for a person to look at.
void Shoot(MainWindow& w, const std::filesystem::path& folder, const std::string& name) {
  EXPECT_TRUE(driver::SaveScreenshot(w, (folder / name).string()));
  if (const char* keep = std::getenv("TAVREL_SCREENSHOT_DIR")) {
    EXPECT_TRUE(driver::SaveScreenshot(w, (std::filesystem::path(keep) / name).string()));
  }
}

class RealWidgetsTest : public PagesTest {
 protected:
  RealWidgetsTest() { UseRealMetrics(); }
};

TEST_F(RealWidgetsTest, TheAboutTextsFitTheAboutPageInEveryFontChoice) {
  struct Choice {
    std::vector<std::string> installed;
    const char* font;
  };
  for (const Choice& c : {Choice{{"Geneva"}, "geneva"}, Choice{{"Arial"}, "arial"},
                          Choice{{"Palatino"}, "palatino"}, Choice{{}, "roman"}}) {
    SCOPED_TRACE(c.font);
    CloseMainWindow();
    SetFonts(c.installed);
    MainWindow& w = Win();
    ASSERT_EQ(w.gFont, c.font);
    ASSERT_GE(w.gAboutLast, 2);
    EXPECT_LE(w.gAboutLast, 14);
    EXPECT_EQ(w.gAboutMsg[1], about::VersionLine() + " ");
    EXPECT_EQ(w.gAboutMsg[2], " ");
    bool linkOnItsLine = false;
    for (std::int64_t i = 1; i <= w.gAboutLast; ++i) {
      linkOnItsLine |= w.gAboutMsg[static_cast<std::size_t>(i)] == " " + about::LinkAddress() + " ";
    }
    EXPECT_TRUE(linkOnItsLine);
    // Nothing dropped: the notice's last words end the page.
    const std::string& last = w.gAboutMsg[static_cast<std::size_t>(w.gAboutLast)];
    const std::string notice = about::Notice()[2];
    const std::string tail = notice.substr(notice.rfind(' ') + 1) + " ";
    EXPECT_TRUE(last.ends_with(tail)) << "last About line: '" << last << "'";
  }
}

TEST_F(RealWidgetsTest, TheAboutPageShowsItsTitleInColour) {
  MainWindow& w = Win();
  ASSERT_EQ(w.gWindow, 0);
  w.Refresh(true);
  bool blue = false;
  for (int y = 14; y <= 56 && !blue; ++y) {
    for (int x = 200; x <= 440 && !blue; ++x) {
      blue = driver::PixelAt(w, x, y) == kBlue;
    }
  }
  EXPECT_TRUE(blue) << "no pixel of the title's colour near the title";
  Shoot(w, TempDir(), "about-page.png");
}

TEST_F(RealWidgetsTest, TheResultsStandBelowTheForm) {
  MainWindow& w = Win();
  w.OkayButton()->Push();  // to the form page
  ASSERT_EQ(w.gWindow, 1);

  const std::int64_t top = w.Label1(21)->Top() + 40;
  // Dark pixels in the band of the table's title, just above its baseline.
  const auto darkInBand = [&] {
    const driver::PageImage page = driver::GrabPage(w);
    int count = 0;
    for (int y = static_cast<int>(top) + 6; y <= static_cast<int>(top) + 12; ++y) {
      for (int x = 20; x < 300; x += 2) {
        count += Dark(page.At(x, y)) ? 1 : 0;
      }
    }
    return count;
  };
  EXPECT_EQ(darkInBand(), 0) << "something drawn below the form before any calculation";

  const std::vector<const char*> inputs = {
      "200000", "40000", "160000", "6", "30", "3000", "25", "1500", "3000", "1000", "0",
      "2000",   "2",     "2",      "2", "2",  "2",    "2",  "0",    "0",    "0",    "5"};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    w.TextField1(static_cast<std::int64_t>(i))->SetText(inputs[i]);
  }
  w.OkayButton()->Push();  // calculate
  ASSERT_TRUE(w.gCalculations);
  ASSERT_EQ(w.gCheck, -1) << w.gWarning;

  EXPECT_GT(darkInBand(), 20) << "no results below the form";
  Shoot(w, TempDir(), "form-page-results.png");
}

// Under the desktop's palette and under a dark one, the form keeps its own colours: dark
// captions on the light page, white fields with dark text, a legible choice and button.
TEST_F(RealWidgetsTest, TheFormKeepsItsColoursUnderAnyDesktopPalette) {
  for (const bool darkDesktop : {false, true}) {
    SCOPED_TRACE(darkDesktop ? "dark desktop palette" : "default palette");
    CloseMainWindow();
    std::optional<driver::DarkDesktopPalette> dark;
    if (darkDesktop) {
      dark.emplace();
    }
    MainWindow& w = Win();
    w.OkayButton()->Push();  // to the form page
    w.TextField1(0)->SetText("200000");
    const driver::PageImage page = driver::GrabPage(w);

    const auto expect = [&](bool (*test)(platform::Color), platform::Color c,
                            const std::string& what) {
      EXPECT_TRUE(test(c)) << what << ": " << Rgb(c);
    };
    for (std::int64_t i = 0; i <= 21; ++i) {
      const platform::Label& c = *w.Label1(i);
      const std::string n = std::to_string(i);
      expect(Dark, Darkest(page, c.Left(), c.Top(), c.Left() + 40, c.Top() + c.Height()),
             "caption " + n + "'s text");
      expect(Light, page.At(int(c.Left()) + 2, int(c.Top()) + 1), "beside caption " + n);
      const platform::TextField& f = *w.TextField1(i);
      expect(Light, page.At(int(f.Left()) + 4, int(f.Top()) + 10), "inside field " + n);
    }
    const platform::TextField& price = *w.TextField1(0);
    expect(Dark,
           Darkest(page, price.Left() + 30, price.Top() + 3, price.Left() + 75, price.Top() + 17),
           "field 0's text");
    const platform::RadioButton& rent = *w.RadioButton1(1);
    const platform::PushButton& okay = *w.OkayButton();
    for (const platform::RectControl* control :
         {static_cast<const platform::RectControl*>(&rent),
          static_cast<const platform::RectControl*>(&okay)}) {
      const auto left = control->Left();
      const auto top = control->Top();
      expect(Dark, Darkest(page, left + 18, top + 3, left + 60, top + 17), control->Name());
    }
    expect(Light, page.At(int(rent.Left()) + 58, int(rent.Top()) + 1), "beside Rent");
    expect(Light, page.At(int(okay.Left()) + 6, int(okay.Top()) + 10), "Okay's face");
    Shoot(w, TempDir(), darkDesktop ? "form-page-dark-desktop.png" : "form-page.png");
  }
}

}  // namespace
}  // namespace tavrel::pagestest
