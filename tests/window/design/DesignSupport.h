#pragma once

#include <memory>

#include "platform/Graphics.h"
#include "support/UiTest.h"
#include "window/MainWindow.h"

namespace tavrel::design_test {

// A window that opens with its design alone: the form's set-up at open and the
// painting are left out, so what these tests see is Layout and CreateControls.
class BareMainWindow : public MainWindow {
 public:
  void Event_Open() override {}
  void Event_Paint(platform::Graphics& g) override { (void)g; }
};

class DesignTest : public tavrel::testing::UiTest {
 protected:
  // A window built from its design, not opened: Layout, then CreateControls.
  static std::unique_ptr<MainWindow> Designed() {
    auto window = std::make_unique<MainWindow>();
    window->Layout();
    window->CreateControls();
    return window;
  }

  // A window from its design, opened (and so shown), without the form's set-up.
  static std::unique_ptr<BareMainWindow> OpenedBare() {
    auto window = std::make_unique<BareMainWindow>();
    window->Open();
    return window;
  }
};

}  // namespace tavrel::design_test
