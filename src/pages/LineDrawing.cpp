// Placing one text on one baseline: left-aligned, centred or right-aligned.

#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "pages/PageMath.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

// Widths are whole pixels before any arithmetic, so every caller places a text the same way.
std::int64_t WholeWidth(platform::Graphics& g, const std::string& text) {
  return Int(g.StringWidth(text));
}

std::int64_t Centred(std::int64_t x1, std::int64_t x2, std::int64_t w) {
  return Int(Round(static_cast<double>(pages::SatSub(pages::SatAdd(x2, x1), w)) / 2.0));
}

}  // namespace

void MainWindow::TextPrinter(platform::Graphics& g, const std::string& text, std::int64_t x1,
                             std::int64_t x2, std::int64_t y, std::int64_t justify) const {
  const std::int64_t w = WholeWidth(g, text);
  switch (justify) {
    case 0:
      g.DrawString(text, x1, y);
      break;
    case 1:
      g.DrawString(text, Centred(x1, x2, w), y);
      break;
    case 2:
      g.DrawString(text, pages::SatSub(x2, w), y);
      break;
    default:
      break;  // not an alignment: the line is not drawn
  }
}

std::int64_t MainWindow::CenterJustify(const std::string& text, std::int64_t x1, std::int64_t x2,
                                       platform::Graphics& g) const {
  return Centred(x1, x2, WholeWidth(g, text));
}

std::int64_t MainWindow::RightJustify(const std::string& text, std::int64_t x2,
                                      platform::Graphics& g) const {
  return Int(Round(static_cast<double>(pages::SatSub(x2, WholeWidth(g, text)))));
}

}  // namespace tavrel
