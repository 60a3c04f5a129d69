#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "support/UiTest.h"
#include "window/MainWindow.h"

namespace tavrel::pagestest {

// One laid-out (or source) page line: text, left x, right x, alignment, baseline.
struct Line {
  std::string text;
  std::int64_t left = 0;
  std::int64_t right = 0;
  std::int64_t justify = 0;
  std::int64_t y = 0;
  friend bool operator==(const Line&, const Line&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Line& l) {
  return os << "'" << l.text << "' x " << l.left << ".." << l.right << " j " << l.justify << " y "
            << l.y;
}

// A source line for the layout; y has no meaning in a source.
struct Source {
  std::string text;
  std::int64_t left = 30;
  std::int64_t right = 100;
  std::int64_t justify = 0;
};

inline const std::string kCR = "\r";

class PagesTest : public testing::UiTest {
 protected:
  // The open window (made and opened on first use).
  MainWindow& Win() { return TheMainWindow(); }

  // Writes sources into page p's lines from index first and sets the page's range.
  static void SetSources(MainWindow& w, std::int64_t page, const std::vector<Source>& sources,
                         std::int64_t first = 1) {
    w.gWindow = page;
    w.gFirst[page] = first;
    w.gLast[page] = first + static_cast<std::int64_t>(sources.size()) - 1;
    for (std::size_t i = 0; i < sources.size(); ++i) {
      const std::size_t at = static_cast<std::size_t>(first) + i;
      w.gMsg[at] = sources[i].text;
      w.gLeft[at] = sources[i].left;
      w.gRight[at] = sources[i].right;
      w.gJustify[at] = sources[i].justify;
    }
  }

  static std::vector<Line> PageLines(const MainWindow& w, std::int64_t page) {
    std::vector<Line> lines;
    for (std::int64_t i = w.gFirst[page]; i <= w.gLast[page]; ++i) {
      const auto at = static_cast<std::size_t>(i);
      lines.push_back({w.gMsg[at], w.gLeft[at], w.gRight[at], w.gJustify[at], w.gY[at]});
    }
    return lines;
  }

  static std::vector<Line> AboutLines(const MainWindow& w) {
    std::vector<Line> lines;
    for (std::int64_t i = w.gAboutFirst; i <= w.gAboutLast; ++i) {
      const auto at = static_cast<std::size_t>(i);
      lines.push_back({w.gAboutMsg[at], w.gAboutLeft[at], w.gAboutRight[at], w.gAboutJustify[at],
                       w.gAboutY[at]});
    }
    return lines;
  }
};

// The drawn texts of a recording as (text, x, y), for readable comparisons.
struct Drawn {
  std::string text;
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Drawn&, const Drawn&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Drawn& d) {
  return os << "'" << d.text << "' at (" << d.x << ", " << d.y << ")";
}

inline std::vector<Drawn> DrawnTexts(const platform::RecordingGraphics& g) {
  std::vector<Drawn> drawn;
  for (const auto& op : g.Strings()) {
    drawn.push_back({op.text, op.x, op.y});
  }
  return drawn;
}

}  // namespace tavrel::pagestest
