// The pages as the real widgets and fonts render them: the About texts fit, the title is
// in its colour, the results stand below the form.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
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
  // Dark pixels in the band of the table's title, just above its baseline (each pixel is
  // a grab of the page, so the band is kept narrow).
  const auto darkInBand = [&] {
    int count = 0;
    for (int y = static_cast<int>(top) + 6; y <= static_cast<int>(top) + 12; ++y) {
      for (int x = 20; x < 300; x += 2) {
        count += Dark(driver::PixelAt(w, x, y)) ? 1 : 0;
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

}  // namespace
}  // namespace tavrel::pagestest
