// A seeded random loop over the layout and the painting: whatever the page lines hold,
// nothing is read or written past the arrays (the sanitizer build checks every index).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "PagesTest.h"
#include "platform/Graphics.h"

namespace tavrel::pagestest {
namespace {

std::string RandomSource(std::mt19937& rng) {
  static const char* const kPieces[] = {
      "aa", "bbbbbbbbbbbbbbbbbbbb", " ", "  ", "\r", "\u2019", "\u2014", "\xC3", "\xE2\x80", "x",
      ""};
  std::string s;
  const int pieces = std::uniform_int_distribution<int>(0, 12)(rng);
  for (int i = 0; i < pieces; ++i) {
    s += kPieces[std::uniform_int_distribution<std::size_t>(0, std::size(kPieces) - 1)(rng)];
  }
  return s;
}

TEST_F(PagesTest, RandomPagesStayWithinTheirArrays) {
  MainWindow& w = Win();
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<std::int64_t> index(-3, kLastPageLine + 3);
  std::uniform_int_distribution<std::int64_t> coordinate(-200, 800);
  for (int run = 0; run < 300; ++run) {
    SCOPED_TRACE(run);
    const std::int64_t page = std::uniform_int_distribution<std::int64_t>(0, 1)(rng);
    w.gWindow = page;
    for (std::int64_t i = 1; i <= kLastPageLine; ++i) {
      const auto at = static_cast<std::size_t>(i);
      w.gMsg[at] = RandomSource(rng);
      w.gLeft[at] = coordinate(rng);
      w.gRight[at] = coordinate(rng);
      w.gJustify[at] = std::uniform_int_distribution<std::int64_t>(-1, 3)(rng);
    }
    const std::int64_t first = index(rng);
    w.gFirst[static_cast<std::size_t>(page)] = first;
    w.gLast[static_cast<std::size_t>(page)] = index(rng);

    w.TextFixer(coordinate(rng), std::uniform_int_distribution<std::int64_t>(-20, 40)(rng),
                coordinate(rng));

    if (page == 1) {
      // Laid-out lines end at index 50 at the latest; an empty range ends at gFirst - 1.
      EXPECT_LE(w.gLast[1], std::max(kLastPageLine, first - 1));
    }
    EXPECT_LE(w.gAboutLast, kLastAboutLine);
    platform::RecordingGraphics g;
    w.gCalculations = std::uniform_int_distribution<int>(0, 1)(rng) == 1;
    w.PaintTo(g);
  }
}

}  // namespace
}  // namespace tavrel::pagestest
