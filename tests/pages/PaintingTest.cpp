// Painting of both pages, the About page's shape, and its link.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "pages/AboutText.h"
#include "pages/PagesTest.h"
#include "platform/Graphics.h"

namespace tavrel::pagestest {
namespace {

using Op = platform::RecordingGraphics::Op;

const platform::Color kBlue = platform::RGB(23, 33, 204);
const platform::Color kBlack = platform::RGB(0, 0, 0);

// What a recorded operation shows, for comparisons that print readably.
struct Seen {
  Op::Kind kind;
  std::string text;
  std::int64_t x, y, x2, y2;
  platform::Color color;
  std::string font;
  double size;
  friend bool operator==(const Seen&, const Seen&) = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s) {
  os << (s.kind == Op::Kind::String ? "string '" + s.text + "'" : std::string("line")) << " at ("
     << s.x << ", " << s.y << ")";
  if (s.kind == Op::Kind::Line) {
    os << " to (" << s.x2 << ", " << s.y2 << ")";
  }
  return os << " rgb(" << int(s.color.r) << "," << int(s.color.g) << "," << int(s.color.b) << ") "
            << s.font << " " << s.size;
}

std::vector<Seen> SeenOps(const platform::RecordingGraphics& g) {
  std::vector<Seen> seen;
  for (const Op& op : g.Ops()) {
    const bool line = op.kind == Op::Kind::Line;
    seen.push_back({op.kind, op.text, op.x, op.y, line ? op.x2 : 0, line ? op.y2 : 0, op.color,
                    line ? "" : op.font, line ? 0 : op.size});
  }
  return seen;
}

Seen Text(std::string text, std::int64_t x, std::int64_t y, platform::Color color, std::string font,
          double size) {
  return {Op::Kind::String, std::move(text), x, y, 0, 0, color, std::move(font), size};
}

Seen Underline(std::int64_t x1, std::int64_t x2, std::int64_t y) {
  return {Op::Kind::Line, "", x1, y, x2, y, kBlue, "", 0};
}

class PaintingTest : public PagesTest {
 protected:
  // The open window with a known About page and form page, 10 pixels a character.
  MainWindow& Prepared() {
    MainWindow& w = Win();
    w.gFont = "Geneva";
    w.gTextHeight = 12;
    w.gRightBoxLeftMargin = 580;
    w.gAboutFirst = 1;
    w.gAboutLast = 2;
    w.gAboutMsg[1] = "Centred ";
    w.gAboutLeft[1] = 30;
    w.gAboutRight[1] = 610;
    w.gAboutJustify[1] = 1;
    w.gAboutY[1] = 80;
    w.gAboutMsg[2] = " www.x.org ";
    w.gAboutLeft[2] = 30;
    w.gAboutRight[2] = 610;
    w.gAboutJustify[2] = 0;
    w.gAboutY[2] = 100;
    w.gURLleft = 220;
    w.gURLright = 420;
    w.gURLBottom = 260;
    SetSources(w, 1, {{"para ", 30, 1220, 0}, {"right ", 30, 1220, 2}});
    w.gY[1] = 30;
    w.gY[2] = 50;
    w.Label1(0)->SetTop(130);
    w.Label1(21)->SetTop(490);
    w.gCheck = -1;
    w.gWarning = "";
    w.gCalculations = false;
    return w;
  }
};

TEST_F(PaintingTest, TheAboutPageDrawsTitleUnderlineAndLinesButNoWarning) {
  MainWindow& w = Prepared();
  w.gWindow = 0;
  w.SetWidth(640);
  w.gCheck = 3;  // a failed check shows on the form page only
  w.gWarning = "Bad!";
  platform::RecordingGraphics g;
  w.PaintTo(g);
  EXPECT_EQ(SeenOps(g), (std::vector<Seen>{Text("Tavrel", 290, 50, kBlue, "Times", 36),
                                           Underline(220, 420, 263),
                                           Text("Centred ", 280, 80, kBlack, "Geneva", 12),
                                           Text(" www.x.org ", 30, 100, kBlack, "Geneva", 12)}));
  EXPECT_EQ(g.ForeColor(), kBlack);
  EXPECT_EQ(g.TextFont(), "Geneva");
  EXPECT_EQ(g.TextSize(), 12);
}

TEST_F(PaintingTest, TheTitleIsCentredOnTheWidthAtPaintTime) {
  MainWindow& w = Prepared();
  w.gWindow = 0;
  w.SetWidth(800);
  platform::RecordingGraphics g;
  w.PaintAbout(g);
  ASSERT_FALSE(g.Strings().empty());
  EXPECT_EQ(g.Strings().front().x, 370);
}

TEST_F(PaintingTest, TheFormPageDrawsItsLinesAndTheWarningOfAFailedCheck) {
  MainWindow& w = Prepared();
  w.gWindow = 1;
  w.SetWidth(1280);
  w.gCheck = 0;
  w.gWarning = "Enter a price!";
  platform::RecordingGraphics g;
  w.PaintTo(g);
  EXPECT_EQ(SeenOps(g), (std::vector<Seen>{Text("para ", 30, 30, kBlack, "Geneva", 12),
                                           Text("right ", 1160, 50, kBlack, "Geneva", 12),
                                           Text("Enter a price!", 580, 180, kBlue, "Times", 18)}));
  EXPECT_EQ(g.ForeColor(), kBlack);
  EXPECT_EQ(g.TextFont(), "Geneva");
  EXPECT_EQ(g.TextSize(), 12);

  w.gCheck = -1;
  g.Clear();
  w.PaintTo(g);
  EXPECT_EQ(g.Strings().size(), 2u);
}

TEST_F(PaintingTest, ResultsArePaintedOnlyOnceACalculationHasRun) {
  MainWindow& w = Prepared();
  w.gWindow = 1;
  w.SetWidth(1280);
  w.gNumPVs = 5;
  w.gMaxNumIRRcalcs = 100;
  const auto has = [](const platform::RecordingGraphics& g, const std::string& text) {
    for (const auto& op : g.Strings()) {
      if (op.text == text) {
        return true;
      }
    }
    return false;
  };

  platform::RecordingGraphics before;
  w.PaintTo(before);
  EXPECT_TRUE(has(before, "para "));
  EXPECT_FALSE(has(before, "annual benefits and expenses:"));

  w.gCalculations = true;
  w.gCheck = 2;
  w.gWarning = "Too low!";
  platform::RecordingGraphics after;
  w.PaintTo(after);
  const auto strings = after.Strings();
  ASSERT_GE(strings.size(), 4u);
  // The paragraph once, then the results, then the warning last.
  EXPECT_EQ(strings[0].text, "para ");
  EXPECT_EQ(strings[1].text, "right ");
  EXPECT_EQ(strings[2].text, "annual benefits and expenses:");
  EXPECT_EQ(strings.back().text, "Too low!");
  EXPECT_EQ(strings.back().color, kBlue);
}

TEST_F(PaintingTest, APageSelectorOfNeitherPageDrawsNothing) {
  MainWindow& w = Prepared();
  for (std::int64_t page : {-1, 2, 5}) {
    w.gWindow = page;
    w.gCheck = 1;
    platform::RecordingGraphics g;
    w.PaintTo(g);
    EXPECT_TRUE(g.Ops().empty()) << "page " << page;
  }
}

TEST_F(PaintingTest, PaintingLoopsStayWithinTheArrays) {
  MainWindow& w = Prepared();
  for (std::size_t i = 0; i < w.gJustify.size(); ++i) {
    w.gJustify[i] = 0;
  }
  w.gWindow = 1;
  w.gFirst[1] = -5;
  w.gLast[1] = 1000;
  platform::RecordingGraphics form;
  w.PaintTo(form);
  EXPECT_EQ(form.Strings().size(), 51u);  // page lines 0 to 50

  w.gCalculations = true;
  w.gNumPVs = 1000;  // the valuation tables hold 10 returns
  w.gNumIRRcalcs = 100;
  w.gMaxNumIRRcalcs = 100;
  platform::RecordingGraphics results;
  w.PaintTo(results);
  // 51 lines, 2 titles, 11 headers, 6 rows of 11, 2 headers, 10 rows of 2.
  EXPECT_EQ(results.Strings().size(), 51u + 2 + 11 + 66 + 2 + 20);

  w.gWindow = 0;
  w.gAboutFirst = -5;
  w.gAboutLast = 99;
  platform::RecordingGraphics about;
  w.PaintTo(about);
  EXPECT_EQ(about.Strings().size(), 1u + 15);  // the title and About lines 0 to 14
}

TEST_F(PaintingTest, TheLinkOpensOnlyInsideItsClickBox) {
  struct Click {
    const char* name;
    std::int64_t x, y;
    bool opens;
  };
  // Box of the link 220..420 at baseline 260: columns 221 to 414, rows 249 to 262.
  const std::vector<Click> clicks = {
      {"inside", 300, 255, true},
      {"on the left edge", 220, 255, false},
      {"just inside the left edge", 221, 255, true},
      {"just inside the right end", 414, 255, true},
      {"in the last five columns", 415, 255, false},
      {"on the right end", 420, 255, false},
      {"on the top edge", 300, 248, false},
      {"just inside the top edge", 300, 249, true},
      {"just above the underline", 300, 262, true},
      {"on the underline", 300, 263, false},
      {"far away", 10, 10, false},
  };
  MainWindow& w = Prepared();
  w.gWindow = 0;
  w.SetWidth(640);
  w.SetHeight(400);
  w.gMsg[8] = "the form page wrote here";
  std::size_t opened = 0;
  for (const Click& c : clicks) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(w.Event_MouseDown(c.x, c.y));
    opened += c.opens ? 1 : 0;
    ASSERT_EQ(OpenedUrls().size(), opened);
  }
  for (const std::string& url : OpenedUrls()) {
    EXPECT_EQ(url, about::LinkAddress());
  }

  // Every further click opens it again, also through the platform's mouse event.
  EXPECT_FALSE(w.MouseDown(300, 255));
  EXPECT_FALSE(w.MouseDown(300, 255));
  EXPECT_EQ(OpenedUrls().size(), opened + 2);

  // On the form page, where the link was, nothing opens.
  w.gWindow = 1;
  w.SetWidth(1280);
  w.SetHeight(800);
  EXPECT_FALSE(w.Event_MouseDown(300, 255));
  EXPECT_FALSE(w.MouseDown(300, 255));
  EXPECT_EQ(OpenedUrls().size(), opened + 2);
}

TEST_F(PaintingTest, TheClickBoxEndsAtTheWindowsEdges) {
  MainWindow& w = Prepared();
  w.gWindow = 0;
  w.SetWidth(640);
  w.SetHeight(400);
  w.gURLleft = 600;
  w.gURLright = 5000;
  w.gURLBottom = 400;
  EXPECT_FALSE(w.Event_MouseDown(639, 399));
  EXPECT_EQ(OpenedUrls().size(), 1u);
  EXPECT_FALSE(w.Event_MouseDown(640, 399));
  EXPECT_FALSE(w.Event_MouseDown(639, 400));
  EXPECT_EQ(OpenedUrls().size(), 1u);
}

TEST_F(PagesTest, SetUpAboutShapesTheWindowAsTheAboutPage) {
  MainWindow& w = Win();
  w.gWindow = 1;
  w.gNumTextFields = 22;
  w.gAboutWindowWidth = 640;
  w.gAboutWindowHeight = 400;
  w.SetWidth(1280);
  w.SetHeight(800);
  w.SetTitle("Tavrel");
  for (std::int64_t i = 0; i < 22; ++i) {
    w.TextField1(i)->SetVisible(true);
    w.Label1(i)->SetVisible(true);
  }
  w.RadioButton1(0)->SetVisible(true);
  w.RadioButton1(1)->SetVisible(true);
  w.OkayButton()->SetTop(760);
  w.OkayButton()->SetLeft(1180);

  w.SetUpAbout();

  EXPECT_EQ(w.Width(), 640);
  EXPECT_EQ(w.Height(), 400);
  EXPECT_EQ(w.Left(), 400);
  EXPECT_EQ(w.Top(), 250);
  EXPECT_EQ(w.OkayButton()->Top(), 360);
  EXPECT_EQ(w.OkayButton()->Left(), 540);
  EXPECT_TRUE(w.OkayButton()->Visible());
  EXPECT_EQ(w.Title(), "About Tavrel");
  EXPECT_EQ(w.gWindow, 1);  // its callers set the page
  for (std::int64_t i = 0; i < 22; ++i) {
    EXPECT_FALSE(w.TextField1(i)->Visible()) << "field " << i;
    EXPECT_FALSE(w.Label1(i)->Visible()) << "caption " << i;
  }
  EXPECT_FALSE(w.RadioButton1(0)->Visible());
  EXPECT_FALSE(w.RadioButton1(1)->Visible());
}

TEST_F(PagesTest, SetUpAboutCentresWithFloorOnTheMainScreen) {
  struct Centring {
    std::int64_t screenWidth, screenHeight, left, top;
  };
  MainWindow& w = Win();
  for (const Centring& c :
       {Centring{1441, 900, 400, 250}, Centring{1440, 900, 400, 250}, Centring{1441, 901, 400, 250},
        Centring{600, 300, -20, -50}, Centring{639, 399, -1, -1}}) {
    SCOPED_TRACE(::testing::Message() << "screen " << c.screenWidth << "x" << c.screenHeight);
    SetScreen(c.screenWidth, c.screenHeight);
    w.SetUpAbout();
    EXPECT_EQ(w.Left(), c.left);
    EXPECT_EQ(w.Top(), c.top);
  }
}

TEST_F(PagesTest, SetUpAboutStopsAtTheLastControl) {
  MainWindow& w = Win();
  w.gNumTextFields = std::numeric_limits<std::int64_t>::max();
  w.SetUpAbout();
  EXPECT_FALSE(w.TextField1(21)->Visible());
  EXPECT_EQ(w.Title(), "About Tavrel");
}

}  // namespace
}  // namespace tavrel::pagestest
