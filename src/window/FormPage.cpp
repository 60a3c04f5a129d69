#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

void MainWindow::OpenFormPage() {
  gWindow = 1;
  SetWidth(gMainWindowWidth);
  SetHeight(gMainWindowHeight);

  // Centred with the size the window reports; a screen smaller than the window puts an
  // edge off the screen rather than shrinking the form.
  const platform::ScreenInfo screen = platform::Screen(0);
  SetTop(Int(Floor(static_cast<double>(screen.Height - Height()) / 2.0)));
  SetLeft(Int(Floor(static_cast<double>(screen.Width - Width()) / 2.0)));

  platform::PushButton& okay = *OkayButton();
  okay.SetTop(Height() - okay.Height() - 20);
  okay.SetLeft(Width() - okay.Width() - 20);
  SetTitle("Tavrel");

  // The explanatory paragraph; the layout replaces these sources with its lines, so they
  // are written afresh on every visit.
  gMsg[1] =
      "If you are a landlord who rents a home to someone else, the income is obvious\u2014the "
      "rent you are paid by your tenants.";
  gMsg[2] =
      "If you own a home and live in it, your income is the rent you don\u2019t have to pay "
      "someone else. The rent you save is income that you can spend on other things.";
  gMsg[3] = platform::Chr(13) +
            "There are other financial benefits (including the tax deductibility of your "
            "interest payments and property taxes),";
  gMsg[4] =
      "and there are also expenses (including the monthly mortgage payments, property taxes, "
      "and maintenance).";
  gMsg[5] =
      "The investment value of a home depends on the net income\u2014the rent savings and "
      "other benefits net of the mortgage payment and other expenses.";
  gMsg[6] =
      "Because this income is as real as the dividends from a stock portfolio, I call it your "
      "tavrel.";
  gFirst[gWindow] = 1;
  gLast[gWindow] = 6;
  for (std::int64_t i = gFirst[1]; i <= gLast[1]; ++i) {
    gLeft[i] = 30;
    gRight[i] = Width() - 60;
    gJustify[i] = 0;
  }
  TextFixer(30, 20, 40);

  for (std::int64_t i = 0; i <= gNumTextFields - 1; ++i) {
    TextField1(i)->SetVisible(true);
    Label1(i)->SetVisible(true);
  }
  RadioButton1(0)->SetVisible(true);
  RadioButton1(1)->SetVisible(true);
  TextField1(0)->SetFocus();
  Refresh(true);
}

}  // namespace tavrel
