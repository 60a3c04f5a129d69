// Word-wrap layout of the window's two text pages.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "pages/PageMath.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

// The About page's source line that holds the link address.
constexpr std::int64_t kLinkSource = 8;

struct WorkLine {
  std::string text;
  std::int64_t left = 0;
  std::int64_t right = 0;
  std::int64_t justify = 0;
  std::int64_t y = 0;
};

}  // namespace

void MainWindow::TextFixer(std::int64_t firstBaseline, std::int64_t lineAdvance,
                           std::int64_t paragraphLeft) {
  using pages::SatAdd;
  using pages::SatSub;

  const std::int64_t p = gWindow;
  if (p < 0 || p > kLastPage) {
    return;  // no such page: nothing to lay out
  }
  // Measured in the window's own context, set to the font and size the lines are drawn in.
  platform::Graphics& g = Graphics();
  const std::string cr = platform::Chr(13);

  // Working lines, used from 1. A text that needs more lines than they hold keeps the
  // lines that fit; the rest is dropped.
  std::array<WorkLine, kLastPageLine + 1> lines{};
  std::int64_t n = 0;
  std::string open;

  // Opens line n + 1; false when the working lines are full.
  auto openLine = [&](std::int64_t left, std::int64_t right, std::int64_t justify) {
    if (n >= kLastPageLine) {
      return false;
    }
    const std::int64_t y = n == 0 ? firstBaseline : SatAdd(lines[n].y, lineAdvance);
    ++n;
    lines[n] = WorkLine{"", left, right, justify, y};
    open.clear();
    return true;
  };
  auto store = [&] { lines[n].text = open; };
  auto width = [&](const std::string& text) { return Int(g.StringWidth(text)); };

  bool full = false;
  const std::int64_t pageFirst = gFirst[p];
  const std::int64_t first = pages::ClampFirst(pageFirst, kLastPageLine);
  for (std::int64_t k = first; !full && k <= pages::ClampLast(gLast[p], kLastPageLine); ++k) {
    const std::string s = gMsg[k];
    if (n == 0) {
      openLine(gLeft[k], gRight[k], gJustify[k]);
    }

    std::int64_t start = 1;
    if (platform::Left(s, 1) == cr) {
      store();
      if (!openLine(paragraphLeft, gRight[k], gJustify[k])) {
        break;
      }
      start = 2;
    }

    std::int64_t pos = 0;
    do {
      pos = platform::InStr(start, s, " ");
      std::string word;
      if (pos == 0) {
        word = platform::Mid(s, start);
      } else {
        word = platform::Mid(s, start, pos - start);
        start = pos + 1;
      }
      if (width(open + word) < SatSub(lines[n].right, lines[n].left)) {
        open += word + " ";
      } else {
        store();
        if (!openLine(gLeft[k], gRight[k], gJustify[k])) {
          full = true;
          break;
        }
        open = word + " ";
      }
    } while (pos != 0);
    if (full) {
      break;
    }

    if (k == pages::ClampLast(gLast[p], kLastPageLine)) {
      store();
    }

    // The link box is kept only for a line the About page can hold.
    if (p == 0 && k == kLinkSource && n <= kLastAboutLine) {
      const std::int64_t wl = width(gMsg[kLinkSource]);
      const std::int64_t margins = SatAdd(lines[n].left, lines[n].right);
      gURLleft = Int(Round(static_cast<double>(SatSub(margins, wl)) / 2.0));
      gURLright = SatAdd(gURLleft, wl);
      gURLBottom = lines[n].y;
    }
  }

  if (p == 0) {
    gAboutFirst = 1;
    const std::int64_t count = std::min(n, kLastAboutLine);
    for (std::int64_t i = 1; i <= count; ++i) {
      gAboutMsg[i] = lines[i].text;
      gAboutLeft[i] = lines[i].left;
      gAboutRight[i] = lines[i].right;
      gAboutJustify[i] = lines[i].justify;
      gAboutY[i] = lines[i].y;
    }
    gAboutLast = gAboutFirst + count - 1;
  } else {
    // Page lines end at the last index of their arrays at the latest.
    const std::int64_t count = std::min(n, kLastPageLine - first + 1);
    for (std::int64_t i = 1; i <= count; ++i) {
      const std::int64_t at = first - 1 + i;
      gMsg[at] = lines[i].text;
      gLeft[at] = lines[i].left;
      gRight[at] = lines[i].right;
      gJustify[at] = lines[i].justify;
      gY[at] = lines[i].y;
    }
    // No lines leave the range empty just before its first index, wherever that lies.
    gLast[p] = count == 0 ? SatSub(pageFirst, 1) : first + count - 1;
  }
}

}  // namespace tavrel
