// The recording graphics that the window tests measure with: characters, not bytes, at a
// fixed width; and RGB keeps its channels in range.
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

TEST(RecordingGraphicsTest, RgbKeepsChannelsInRange) {
  EXPECT_EQ(RGB(255, 254, 254), (Color{255, 254, 254}));
  EXPECT_EQ(RGB(-1, 300, 128), (Color{0, 255, 128}));
}

}  // namespace
