// The recording graphics: fixed metrics and a faithful record of what was drawn.
#include <gtest/gtest.h>

#include <string>

#include "platform/Graphics.h"

namespace {

using platform::Color;
using platform::RecordingGraphics;
using platform::RGB;

TEST(RecordingGraphicsTest, MeasuresTenPixelsACharacterByDefault) {
  RecordingGraphics g;
  g.SetTextFont("Times");
  g.SetTextSize(36);
  struct Row {
    const char* name;
    std::string text;
    double expected;
  };
  const Row rows[] = {
      {"empty", "", 0.0},
      {"word", "Tavrel", 60.0},
      {"blanks count", "  a  ", 50.0},
      {"U+2019 is one character", "it\u2019s", 40.0},
      {"em dash is one character", "a\u2014b", 30.0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(g.StringWidth(row.text), row.expected) << row.name;
  }
  RecordingGraphics narrow(7.5);
  EXPECT_EQ(narrow.StringWidth("abcd"), 30.0);
}

TEST(RecordingGraphicsTest, MetricReplacesTheFixedWidth) {
  RecordingGraphics g;
  g.SetTextFont("geneva");
  g.SetTextSize(12);
  std::string seenFont;
  double seenSize = 0;
  g.SetMetric([&](const std::string& text, const std::string& font, double size) {
    seenFont = font;
    seenSize = size;
    return text == "x" ? 10.75 : 1.0;
  });
  EXPECT_EQ(g.StringWidth("x"), 10.75);
  EXPECT_EQ(seenFont, "geneva");
  EXPECT_EQ(seenSize, 12.0);
}

TEST(RecordingGraphicsTest, RecordsEveryOperationWithItsSettings) {
  RecordingGraphics g;
  g.SetForeColor(RGB(23, 33, 204));
  g.SetTextFont("Times");
  g.SetTextSize(36);
  g.DrawString("Tavrel", 290, 50);
  g.DrawLine(30, 203, 200, 203);
  g.SetForeColor(RGB(0, 0, 0));
  g.SetTextFont("geneva");
  g.SetTextSize(12);
  g.DrawString("line", 30, 80);

  ASSERT_EQ(g.Ops().size(), 3u);
  const auto& title = g.Ops()[0];
  EXPECT_EQ(title.kind, RecordingGraphics::Op::Kind::String);
  EXPECT_EQ(title.text, "Tavrel");
  EXPECT_EQ(title.x, 290);
  EXPECT_EQ(title.y, 50);
  EXPECT_EQ(title.color, (Color{23, 33, 204}));
  EXPECT_EQ(title.font, "Times");
  EXPECT_EQ(title.size, 36.0);

  const auto& line = g.Ops()[1];
  EXPECT_EQ(line.kind, RecordingGraphics::Op::Kind::Line);
  EXPECT_EQ(line.x, 30);
  EXPECT_EQ(line.y, 203);
  EXPECT_EQ(line.x2, 200);
  EXPECT_EQ(line.y2, 203);
  EXPECT_EQ(line.color, (Color{23, 33, 204}));

  const auto strings = g.Strings();
  ASSERT_EQ(strings.size(), 2u);
  EXPECT_EQ(strings[1].text, "line");
  EXPECT_EQ(strings[1].font, "geneva");
  EXPECT_EQ(strings[1].size, 12.0);
  EXPECT_EQ(strings[1].color, (Color{0, 0, 0}));

  EXPECT_EQ(g.ForeColor(), (Color{0, 0, 0}));
  EXPECT_EQ(g.TextFont(), "geneva");
  EXPECT_EQ(g.TextSize(), 12.0);
  g.Clear();
  EXPECT_TRUE(g.Ops().empty());
}

TEST(RecordingGraphicsTest, RgbKeepsChannelsInRange) {
  EXPECT_EQ(RGB(255, 254, 254), (Color{255, 254, 254}));
  EXPECT_EQ(RGB(-1, 300, 128), (Color{0, 255, 128}));
}

}  // namespace
