#include "window/FormTexts.h"
#include "window/MainWindow.h"

namespace tavrel {

void MainWindow::RadioButton1_Action(platform::RadioButton& sender) {
  const formtext::ModeTexts* texts = nullptr;
  switch (sender.Index()) {
    case 0:
      gLiveInRent = true;
      texts = &formtext::kLiveIn;
      break;
    case 1:
      gLiveInRent = false;
      texts = &formtext::kRent;
      break;
    default:
      return;
  }
  // Only the words change here; the figures follow at the next Okay.
  Label1(7)->SetText(texts->rentCaption);
  Label1(7)->SetHelpTag(texts->rentHelp);
  Label1(12)->SetHelpTag(texts->rentGrowthHelp);
}

}  // namespace tavrel
