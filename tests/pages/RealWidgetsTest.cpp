// The pages as the real widgets and fonts render them: the About texts fit, the title is
// in its colour, the results stand below the form.

#include <gtest/gtest.h>

#include <algorithm>
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

namespace platform {
// Colours print as rgb(r, g, b) in failure messages.
inline void PrintTo(Color c, std::ostream* os) {
  *os << "rgb(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
}  // namespace platform

namespace tavrel::pagestest {
namespace {

namespace driver = platform::testdriver;

const platform::Color kBlue = platform::RGB(23, 33, 204);

bool Dark(platform::Color c) {
  return int(c.r) + int(c.g) + int(c.b) < 200;
}

// The darkest pixel of the page in the box from (x0, y0) to (x1, y1), both excluded.
platform::Color Darkest(const driver::PageImage& page, std::int64_t x0, std::int64_t y0,
                        std::int64_t x1, std::int64_t y1) {
  platform::Color darkest{255, 255, 255};
  for (auto y = int(y0); y < y1; ++y) {
    for (auto x = int(x0); x < x1; ++x) {
      const platform::Color c = page.At(x, y);
      darkest = c.r + c.g + c.b < darkest.r + darkest.g + darkest.b ? c : darkest;
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

// Entries that pass every check.
void Fill(MainWindow& w) {
  const std::vector<const char*> inputs = {
      "200000", "40000", "160000", "6", "30", "3000", "25", "1500", "3000", "1000", "0",
      "2000",   "2",     "2",      "2", "2",  "2",    "2",  "0",    "0",    "0",    "5"};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    w.TextField1(static_cast<std::int64_t>(i))->SetText(inputs[i]);
  }
}

// A box of the page, right and bottom edges excluded.
struct Box {
  double left, top, right, bottom;
  bool Crosses(const Box& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "(" << b.left << ", " << b.top << ") to (" << b.right << ", " << b.bottom << ")";
}

// Where a control stands on the page; a caption that draws its text on beyond its width
// covers that room too.
Box Place(platform::RectControl& c) {
  auto* caption = dynamic_cast<platform::Label*>(&c);
  const auto width =
      std::max<std::int64_t>(c.Width(), caption ? driver::ShownTextOf(*caption).room : 0);
  return {double(c.Left()), double(c.Top()), double(c.Left() + width),
          double(c.Top() + c.Height())};
}

std::vector<platform::RectControl*> Controls(MainWindow& w) {
  std::vector<platform::RectControl*> all = {w.OkayButton(), w.RadioButton1(0), w.RadioButton1(1)};
  for (std::int64_t i = 0; i <= 21; ++i) {
    all.push_back(w.TextField1(i));
    all.push_back(w.Label1(i));
  }
  return all;
}

// The box of a text drawn at (x, baseline y) in the recorded font and size.
Box TextBox(const platform::RecordingGraphics::Op& op) {
  const driver::TextExtent e = driver::MeasureText(op.font, op.size, op.text);
  return {double(op.x), double(op.y) - e.ascent, double(op.x) + e.width, double(op.y) + e.descent};
}

class RealWidgetsTest : public PagesTest {
 protected:
  RealWidgetsTest() { UseRealMetrics(); }

  // Opens the form page and fails the check of field i with entries otherwise valid;
  // returns how the warning is drawn.
  static platform::RecordingGraphics::Op FailCheck(MainWindow& w, std::int64_t i) {
    if (w.gWindow == 0) {
      w.OkayButton()->Push();
    }
    Fill(w);
    w.TextField1(i)->SetText(i == 0 ? "0" : "-1");
    w.OkayButton()->Push();
    EXPECT_EQ(w.gCheck, i);
    platform::RecordingGraphics g;
    w.PaintTo(g);
    return g.Strings().back();
  }
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

  Fill(w);
  w.OkayButton()->Push();  // calculate
  ASSERT_TRUE(w.gCalculations);
  ASSERT_EQ(w.gCheck, -1) << w.gWarning;

  EXPECT_GT(darkInBand(), 20) << "no results below the form";
  Shoot(w, TempDir(), "form-page-results.png");
}

// Under the desktop's palette and under a dark one, the form keeps its own colours: dark
// text on the light page, in white fields, on the choice and the Okay button.
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
    for (std::int64_t i = 0; i <= 21; ++i) {
      const platform::Label& c = *w.Label1(i);
      EXPECT_PRED1(Dark, Darkest(page, c.Left(), c.Top(), c.Left() + 40, c.Top() + 20)) << i;
      const platform::TextField& f = *w.TextField1(i);
      EXPECT_EQ(page.At(int(f.Left()) + 4, int(f.Top()) + 10), platform::RGB(255, 255, 255)) << i;
    }
    // The price's digits, and the words of Rent and of Okay right of the radio's indicator.
    for (const platform::RectControl* c : Controls(w)) {
      if (c == w.TextField1(0) || c == w.RadioButton1(1) || c == w.OkayButton()) {
        EXPECT_PRED1(Dark,
                     Darkest(page, c->Left() + 18, c->Top() + 3, c->Left() + 75, c->Top() + 17))
            << c->Name();
      }
    }
    Shoot(w, TempDir(), darkDesktop ? "form-page-dark-desktop.png" : "form-page.png");
  }
}

// The warning of every check stands whole on the page, clear of every control and of the
// paragraph, at each form width and in the page font of the tests and of a stock Debian
// (which has none of the preferred fonts).
TEST_F(RealWidgetsTest, EveryWarningStandsClearOfTheControlsAndThePageLines) {
  const std::int64_t kChecked[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 18, 19, 20};
  for (const std::int64_t screen : {1024, 1280, 1920}) {
    for (const auto& fonts : {std::vector<std::string>{"Geneva"}, std::vector<std::string>{}}) {
      CloseMainWindow();
      SetScreen(screen, 900);
      SetFonts(fonts);
      MainWindow& w = Win();
      SCOPED_TRACE("screen " + std::to_string(screen) + ", page font " + w.gFont);
      for (const std::int64_t field : kChecked) {
        const auto warning = FailCheck(w, field);
        ASSERT_EQ(warning.text, w.gWarning);
        const Box box = TextBox(warning);
        SCOPED_TRACE("'" + w.gWarning + "'");
        EXPECT_TRUE(box.left >= 0 && box.right <= double(w.Width())) << box << " not whole";
        for (platform::RectControl* c : Controls(w)) {
          EXPECT_FALSE(c->Visible() && box.Crosses(Place(*c)))
              << box << " crosses " << c->Name() << "(" << c->Index() << ") at " << Place(*c);
        }
        const driver::TextExtent line = driver::MeasureText(w.gFont, 12, "");
        for (std::int64_t i = w.gFirst[1]; i <= w.gLast[1]; ++i) {
          const auto at = static_cast<std::size_t>(i);
          const Box lineBox{double(w.gLeft[at]), double(w.gY[at]) - line.ascent,
                            double(w.gRight[at]), double(w.gY[at]) + line.descent};
          EXPECT_FALSE(box.Crosses(lineBox)) << box << " crosses page line " << i << lineBox;
        }
      }
    }
  }
}

// On the screen, the warning's blue text runs from its start to its end unbroken: no
// control stands over any part of it.
TEST_F(RealWidgetsTest, TheWarningShowsWhole) {
  MainWindow& w = Win();
  const Box box = TextBox(FailCheck(w, 0));
  const driver::PageImage page = driver::GrabPage(w);
  const auto bluish = [](platform::Color c) { return c.b > c.r + 60 && c.b > c.g + 60; };
  // Every stretch of 12 columns holds a stroke of the text: no glyph nor space is wider.
  for (auto x = int(box.left); x + 12 <= int(box.right) - 2; x += 12) {
    int blue = 0;
    for (int y = int(box.top); y < int(box.bottom); ++y) {
      for (int dx = 0; dx < 12; ++dx) {
        blue += bluish(page.At(x + dx, y)) ? 1 : 0;
      }
    }
    EXPECT_GT(blue, 0) << "no part of '" << w.gWarning << "' shows at x " << x << " to " << x + 12;
  }
  Shoot(w, TempDir(), "form-page-warning.png");
}

// Every caption's text fits the room it is drawn in, in the standard control font (the
// same offscreen as on a Debian desktop that sets no font of its own), and reaches no other
// control; its Width reads back as designed.
TEST_F(RealWidgetsTest, EveryCaptionShowsItsWholeText) {
  MainWindow& w = Win();
  w.OkayButton()->Push();  // to the form page
  for (std::int64_t i = 0; i <= 21; ++i) {
    platform::Label& caption = *w.Label1(i);
    const driver::ShownText shown = driver::ShownTextOf(caption);
    SCOPED_TRACE("caption " + std::to_string(i) + " in " + shown.family + " " +
                 std::to_string(shown.pixelSize) + " px");
    EXPECT_LE(shown.textWidth, shown.room);
    const Box text{double(caption.Left()), double(caption.Top()),
                   double(caption.Left()) + shown.textWidth, double(caption.Top() + 20)};
    for (platform::RectControl* c : Controls(w)) {
      EXPECT_FALSE(c != &caption && text.Crosses(Place(*c)))
          << c->Name() << "(" << c->Index() << ")";
    }
    EXPECT_EQ(caption.Width(), i == 21 ? 320 : 200);
  }
}

// A caption's text is measured once for each text and font it takes, not at every change
// of the form: once while the window opens, never for a move, once more for a new caption
// or size. Its room follows each change at once all the same.
TEST_F(RealWidgetsTest, CaptionsAreMeasuredOnlyForANewTextOrFont) {
  MainWindow& w = Win();
  const auto measured = [&] {
    std::vector<std::int64_t> counts;
    for (std::int64_t i = 0; i <= 21; ++i) {
      counts.push_back(driver::ShownTextOf(*w.Label1(i)).measurements);
    }
    return counts;
  };
  std::vector<std::int64_t> expected(22, 1);
  EXPECT_EQ(measured(), expected) << "while the window opens";

  // To the form page, where the window and Okay move; caption 9's text is wider than it.
  w.OkayButton()->Push();
  platform::Label& caption = *w.Label1(9);
  w.TextField1(9)->SetLeft(caption.Left() + 210);
  EXPECT_EQ(driver::ShownTextOf(caption).room, 210) << "its field moved into its text";
  EXPECT_EQ(measured(), expected) << "after the moves";
  w.TextField1(9)->SetLeft(350);

  w.RadioButton1(1)->SetValue(true);  // Rent: caption 7 takes its rent text
  caption.SetTextSize(24);
  expected[7] = expected[9] = 2;
  EXPECT_EQ(measured(), expected) << "after a new caption and a new size";
  EXPECT_EQ(driver::ShownTextOf(caption).room, 350 - caption.Left()) << "up to its field";
}

}  // namespace
}  // namespace tavrel::pagestest
