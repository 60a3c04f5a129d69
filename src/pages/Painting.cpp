// The two pages of the window: painting, the About page's shape and its link.

#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "pages/AboutText.h"
#include "pages/PageMath.h"
#include "platform/Graphics.h"
#include "platform/System.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

const platform::Color kBlue = platform::RGB(23, 33, 204);
const platform::Color kBlack = platform::RGB(0, 0, 0);

}  // namespace

void MainWindow::Event_Paint(platform::Graphics& g) {
  g.SetTextSize(static_cast<double>(gTextHeight));
  g.SetTextFont(gFont);
  g.SetForeColor(kBlack);

  if (gWindow == 0) {
    PaintAbout(g);  // the warning belongs to the form page only
    return;
  }
  if (gWindow != 1) {
    return;
  }

  if (!gCalculations) {
    for (std::int64_t i = pages::ClampFirst(gFirst[1], kLastPageLine);
         i <= pages::ClampLast(gLast[1], kLastPageLine); ++i) {
      TextPrinter(g, gMsg[i], gLeft[i], gRight[i], gY[i], gJustify[i]);
    }
  } else {
    showResults(g);  // draws the page's lines itself, then the results
  }

  // The warning of a failed check stands in the right column's second row, which no
  // control fills in any layout of the form; the first row would cover it.
  if (gCheck >= 0) {
    if (const platform::Label* firstCaption = Label1(0)) {
      g.SetForeColor(kBlue);
      g.SetTextSize(18);
      g.SetTextFont("Times");
      g.DrawString(gWarning, gRightBoxLeftMargin, firstCaption->Top() + 50);
      g.SetTextSize(static_cast<double>(gTextHeight));
      g.SetTextFont(gFont);
      g.SetForeColor(kBlack);
    }
  }
}

void MainWindow::PaintAbout(platform::Graphics& g) {
  g.SetForeColor(kBlue);
  g.SetTextSize(36);
  g.SetTextFont("Times");
  TextPrinter(g, "Tavrel", 10, Width() - 10, 50, 1);

  const std::int64_t underline = pages::SatAdd(gURLBottom, 3);
  g.DrawLine(gURLleft, underline, gURLright, underline);

  g.SetTextSize(static_cast<double>(gTextHeight));
  g.SetTextFont(gFont);
  g.SetForeColor(kBlack);
  for (std::int64_t i = pages::ClampFirst(gAboutFirst, kLastAboutLine);
       i <= pages::ClampLast(gAboutLast, kLastAboutLine); ++i) {
    TextPrinter(g, gAboutMsg[i], gAboutLeft[i], gAboutRight[i], gAboutY[i], gAboutJustify[i]);
  }
}

void MainWindow::SetUpAbout() {
  for (std::int64_t i = 0; i <= 1; ++i) {
    if (platform::RadioButton* button = RadioButton1(i)) {
      button->SetVisible(false);
    }
  }
  for (std::int64_t i = 0; i < gNumTextFields; ++i) {
    platform::TextField* field = TextField1(i);
    platform::Label* caption = Label1(i);
    if (field == nullptr && caption == nullptr) {
      break;  // past the last member of both arrays
    }
    if (field != nullptr) {
      field->SetVisible(false);
    }
    if (caption != nullptr) {
      caption->SetVisible(false);
    }
  }

  SetWidth(gAboutWindowWidth);
  SetHeight(gAboutWindowHeight);
  const platform::ScreenInfo screen = platform::Screen(0);
  SetTop(Int(Floor(static_cast<double>(pages::SatSub(screen.Height, Height())) / 2.0)));
  SetLeft(Int(Floor(static_cast<double>(pages::SatSub(screen.Width, Width())) / 2.0)));

  if (platform::PushButton* okay = OkayButton()) {
    okay->SetTop(Height() - okay->Height() - 20);
    okay->SetLeft(Width() - okay->Width() - 20);
  }
  SetTitle("About Tavrel");
}

bool MainWindow::Event_MouseDown(std::int64_t x, std::int64_t y) {
  using pages::SatAdd;
  using pages::SatSub;
  if (x < Width() && y < Height() && gWindow == 0 && gURLleft < x && x < SatSub(gURLright, 5) &&
      SatSub(gURLBottom, 12) < y && y < SatAdd(gURLBottom, 3)) {
    // The address Event_Open wrote as the link's source line; the form page's layout may
    // since have written over the page lines, so it is taken from where it is kept.
    platform::ShowURL(about::LinkAddress());
  }
  return false;
}

}  // namespace tavrel
