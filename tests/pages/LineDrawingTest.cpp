// Placing one text: left, centred, right; widths truncated to whole pixels first.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "pages/PagesTest.h"
#include "platform/Graphics.h"
#include "platform/Text.h"

namespace tavrel::pagestest {
namespace {

// 10 pixels a character, except the texts given their own widths.
platform::RecordingGraphics Measuring() {
  platform::RecordingGraphics g;
  g.SetMetric([](const std::string& text, const std::string&, double) {
    if (text == "wide") {
      return 100.9;
    }
    if (text == "odd") {
      return 101.0;
    }
    return 10.0 * static_cast<double>(platform::Len(text));
  });
  return g;
}

struct PrintCase {
  const char* name;
  std::string text;
  std::int64_t x1, x2, justify;
  std::vector<std::int64_t> expectedX;  // empty: nothing drawn
};

TEST_F(PagesTest, TextPrinterPlacesByAlignment) {
  const std::vector<PrintCase> cases = {
      {"100.9 wide, left", "wide", 30, 610, 0, {30}},
      {"100.9 wide, centred", "wide", 30, 610, 1, {270}},
      {"100.9 wide, right", "wide", 30, 610, 2, {510}},
      {"justify 3 draws nothing", "wide", 30, 610, 3, {}},
      {"justify -1 draws nothing", "wide", 30, 610, -1, {}},
      {"empty, left", "", 30, 610, 0, {30}},
      {"empty, centred", "", 30, 610, 1, {320}},
      {"empty, right", "", 30, 610, 2, {610}},
      {"a half rounds away from zero", "odd", 30, 610, 1, {270}},
      {"a negative half rounds away from zero", "odd", 0, 40, 1, {-31}},
      {"wider than the space, centred", std::string(70, 'x'), 30, 610, 1, {-30}},
      {"wider than the space, right", std::string(70, 'x'), 30, 610, 2, {-90}},
      {"the title on the About page", "Tavrel", 10, 630, 1, {290}},
  };
  const MainWindow& w = Win();
  for (const PrintCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform::RecordingGraphics g = Measuring();
    w.TextPrinter(g, c.text, c.x1, c.x2, 77, c.justify);
    std::vector<std::int64_t> xs;
    for (const auto& op : g.Strings()) {
      EXPECT_EQ(op.text, c.text);
      EXPECT_EQ(op.y, 77);
      xs.push_back(op.x);
    }
    EXPECT_EQ(xs, c.expectedX);
  }
}

TEST_F(PagesTest, CenterAndRightJustifyGiveTheSameXAsTheLineDrawing) {
  const MainWindow& w = Win();
  platform::RecordingGraphics g = Measuring();
  EXPECT_EQ(w.CenterJustify("wide", 30, 610, g), 270);
  EXPECT_EQ(w.RightJustify("wide", 610, g), 510);
  EXPECT_EQ(w.CenterJustify("", 30, 610, g), 320);
  EXPECT_EQ(w.RightJustify("", 610, g), 610);
  EXPECT_EQ(w.CenterJustify("odd", 0, 40, g), -31);
  EXPECT_TRUE(g.Ops().empty());  // they only measure
}

TEST_F(PagesTest, LineDrawingSaturatesAtTheIntegerLimits) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const MainWindow& w = Win();
  platform::RecordingGraphics g = Measuring();
  EXPECT_EQ(w.RightJustify("wide", kMin, g), kMin);
  EXPECT_EQ(w.CenterJustify("", kMax, kMax, g), std::int64_t{1} << 62);
  EXPECT_EQ(w.CenterJustify("wide", kMin, kMin, g), -(std::int64_t{1} << 62));
  w.TextPrinter(g, "wide", kMax, kMax, 0, 1);
  w.TextPrinter(g, "wide", 0, kMin, 0, 2);
  ASSERT_EQ(g.Strings().size(), 2u);
  EXPECT_EQ(g.Strings()[1].x, kMin);
}

}  // namespace
}  // namespace tavrel::pagestest
