#include "window/MainWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/Calculations.h"
#include "platform/Application.h"
#include "window/MenuBar1.h"

namespace tavrel {

namespace {

// The captions of the 22 inputs, by input index. Caption 9's apostrophe is U+2019;
// captions 8, 12 to 17 and 21 have no colon.
const std::array<const char*, 22> kCaptions = {
    "Price of home ($):",
    "Downpayment ($):",
    "Mortgage ($):",
    "Mortgage rate (%):",
    "Length of mortgage (years):",
    "Closing costs ($):",
    "Marginal tax rate (%):",
    "Monthly rent savings ($):",
    "Annual property taxes ($)",
    "Annual homeowner\u2019s insurance ($):",
    "Annual utilities ($):",
    "Annual maintenance ($):",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Annual rate of increase (%)",
    "Second mortgage ($):",
    "Second mortgage rate (%):",
    "Length of 2nd mortgage (years):",
    "Return on your investments (%)",
};

enum class Kind { Okay, Field, Caption, Choice };

struct Made {
  Kind kind;
  std::int64_t index;
};

// The order in which the controls are made, which is also the keyboard focus order:
// field 4 comes after field 16, although the form shows it between fields 3 and 5.
constexpr std::array<Made, 47> kCreationOrder = {{
    {Kind::Okay, -1},    {Kind::Field, 0},    {Kind::Field, 1},    {Kind::Field, 2},
    {Kind::Field, 3},    {Kind::Field, 5},    {Kind::Field, 6},    {Kind::Field, 7},
    {Kind::Field, 8},    {Kind::Field, 9},    {Kind::Field, 10},   {Kind::Field, 11},
    {Kind::Caption, 0},  {Kind::Caption, 1},  {Kind::Caption, 2},  {Kind::Caption, 3},
    {Kind::Caption, 5},  {Kind::Caption, 8},  {Kind::Caption, 7},  {Kind::Caption, 6},
    {Kind::Caption, 9},  {Kind::Caption, 10}, {Kind::Caption, 11}, {Kind::Field, 12},
    {Kind::Field, 13},   {Kind::Field, 14},   {Kind::Field, 15},   {Kind::Field, 16},
    {Kind::Caption, 12}, {Kind::Caption, 13}, {Kind::Caption, 14}, {Kind::Caption, 15},
    {Kind::Caption, 16}, {Kind::Caption, 4},  {Kind::Field, 4},    {Kind::Field, 17},
    {Kind::Caption, 17}, {Kind::Caption, 18}, {Kind::Field, 18},   {Kind::Caption, 19},
    {Kind::Field, 19},   {Kind::Caption, 20}, {Kind::Field, 20},   {Kind::Caption, 21},
    {Kind::Field, 21},   {Kind::Choice, 0},   {Kind::Choice, 1},
}};

// Settings every control of the design shares; positions are left to the form's
// set-up at open.
void ApplyCommonDesign(platform::RectControl& control, std::int64_t width) {
  control.SetWidth(width);
  control.SetHeight(20);
  control.SetTextFont("System");
  control.SetTextSize(0);
  control.SetVisible(true);
  control.SetEnabled(true);
  control.SetHelpTag("");
  control.SetTabStop(true);
}

// Owns the one window. A closed window is destroyed only when the next one is made (or
// at the end of the program), never inside the events that closed it.
struct Accessor {
  std::unique_ptr<MainWindow> window;
  // True while the window runs Layout, CreateControls and Event_Open: calls made then
  // must reach the window being opened, not make a second one.
  bool opening = false;

  ~Accessor() {
    // The program destroys its window before the toolkit goes (DestroyMainWindow); a
    // window still here at exit cannot be torn down without the toolkit, and the
    // process is ending anyway.
    if (window && platform::Application::Instance() == nullptr) {
      (void)window.release();
    }
  }
};

Accessor& TheAccessor() {
  static Accessor accessor;
  return accessor;
}

bool IsReachable(const Accessor& a) {
  return a.window && (a.opening || a.window->IsOpen());
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() = default;

void MainWindow::Calculations() {
  tavrel::Calculations(*this);
}

platform::PushButton* MainWindow::OkayButton() const {
  return dynamic_cast<platform::PushButton*>(ControlByName("OkayButton"));
}

platform::TextField* MainWindow::TextField1(std::int64_t index) const {
  return dynamic_cast<platform::TextField*>(ControlByNameIndex("TextField1", index));
}

platform::Label* MainWindow::Label1(std::int64_t index) const {
  return dynamic_cast<platform::Label*>(ControlByNameIndex("Label1", index));
}

platform::RadioButton* MainWindow::RadioButton1(std::int64_t index) const {
  return dynamic_cast<platform::RadioButton*>(ControlByNameIndex("RadioButton1", index));
}

void MainWindow::Layout() {
  SetMenuBar(&SharedMenuBar1());
  // The size and title are replaced by the About page before the window is shown.
  SetWidth(1280);
  SetHeight(800);
  SetMinWidth(640);
  SetMinHeight(306);
  SetMaxWidth(1440);
  SetMaxHeight(900);
  SetTitle("Tavrel");
  SetCloseButton(true);
  SetResizeable(false);
  SetMaximizeButton(false);
  SetMinimizeButton(true);
  SetFullScreenButton(false);
  SetVisible(true);
  SetHasBackColor(true);
  SetBackColor(platform::RGB(255, 254, 254));
  SetMenuBarVisible(true);
}

void MainWindow::CreateControls() {
  for (const Made& made : kCreationOrder) {
    switch (made.kind) {
      case Kind::Okay: {
        auto& button = AddControl<platform::PushButton>("OkayButton");
        ApplyCommonDesign(button, 80);
        button.SetCaption("Okay");
        button.SetDefault(true);
        button.SetCancel(false);
        button.SetAction([this](platform::PushButton& sender) { OkayButton_Action(sender); });
        break;
      }
      case Kind::Field: {
        auto& field = AddControl<platform::TextField>("TextField1", made.index);
        ApplyCommonDesign(field, 80);
        field.SetText("");
        field.SetFormat("");
        field.SetAlignment(3);
        field.SetBackColor(platform::RGB(255, 255, 255));
        field.SetTextColor(platform::RGB(0, 0, 0));
        break;
      }
      case Kind::Caption: {
        auto& caption = AddControl<platform::Label>("Label1", made.index);
        ApplyCommonDesign(caption, made.index == 21 ? 320 : 200);
        caption.SetText(kCaptions.at(static_cast<std::size_t>(made.index)));
        caption.SetTextColor(platform::RGB(0, 0, 0));
        break;
      }
      case Kind::Choice: {
        auto& choice = AddControl<platform::RadioButton>("RadioButton1", made.index);
        ApplyCommonDesign(choice, 100);
        choice.SetCaption(made.index == 0 ? "Live In" : "Rent");
        choice.SetValue(made.index == 0);
        // Bound only now, so that the design value above runs no handler.
        choice.SetAction([this](platform::RadioButton& sender) { RadioButton1_Action(sender); });
        break;
      }
    }
  }
}

MainWindow& TheMainWindow() {
  Accessor& a = TheAccessor();
  if (IsReachable(a)) {
    return *a.window;
  }
  a.window.reset();
  a.window = std::make_unique<MainWindow>();
  a.opening = true;
  struct OpeningEnds {
    bool& opening;
    ~OpeningEnds() { opening = false; }
  } openingEnds{a.opening};
  a.window->Open();
  return *a.window;
}

MainWindow* OpenMainWindow() {
  Accessor& a = TheAccessor();
  return IsReachable(a) ? a.window.get() : nullptr;
}

void DestroyMainWindow() {
  Accessor& a = TheAccessor();
  if (!a.window) {
    return;
  }
  if (a.opening) {
    // Its Open is still on the stack: close it, and let the next accessor call replace it.
    a.window->Close();
    return;
  }
  std::unique_ptr<MainWindow> window = std::move(a.window);
  if (window->IsOpen()) {
    window->Close();
  }
}

}  // namespace tavrel
