// Windows and controls on the real toolkit, offscreen: sizes, the default button, the radio
// group, the event boundary, painting, and clicks that belong to controls.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Menu.h"
#include "platform/System.h"
#include "platform/TestDriver.h"
#include "platform/Window.h"

namespace {

using namespace platform;
namespace td = platform::testdriver;

class TestWindow : public Window {
 public:
  std::vector<std::string> events;
  std::function<void()> onLayout;
  std::function<void()> onCreate;
  std::function<void()> onOpen;
  std::function<void(platform::Graphics&)> onPaint;
  std::vector<std::pair<std::int64_t, std::int64_t>> downs;

 protected:
  void Layout() override {
    events.push_back("Layout");
    if (onLayout)
      onLayout();
  }
  void CreateControls() override {
    events.push_back("CreateControls");
    if (onCreate)
      onCreate();
  }
  void Event_Open() override {
    events.push_back("Open");
    if (onOpen)
      onOpen();
  }
  void Event_Paint(platform::Graphics& g) override {
    events.push_back("Paint");
    if (onPaint)
      onPaint(g);
  }
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override {
    downs.emplace_back(x, y);
    return x > 100;
  }
};

// A small form like the program's: the default button first, then fields, a caption in
// between, and the two-way choice last.
struct Form {
  explicit Form(Window& w)
      : okay(w.AddControl<PushButton>("OkayButton")),
        field0(w.AddControl<TextField>("TextField1", 0)),
        field1(w.AddControl<TextField>("TextField1", 1)),
        caption(w.AddControl<Label>("Label1", 0)),
        field2(w.AddControl<TextField>("TextField1", 2)),
        live(w.AddControl<RadioButton>("RadioButton1", 0)),
        rent(w.AddControl<RadioButton>("RadioButton1", 1)) {
    okay.SetCaption("Okay");
    okay.SetDefault(true);
    okay.SetLeft(540);
    okay.SetTop(360);
    std::int64_t top = 10;
    for (TextField* f : {&field0, &field1, &field2}) {
      f->SetLeft(220);
      f->SetTop(top);
      top += 30;
    }
    caption.SetText("Price of home ($):");
    caption.SetTop(100);
    live.SetCaption("Live in");
    live.SetValue(true);
    live.SetTop(200);
    rent.SetCaption("Rent");
    rent.SetTop(200);
    rent.SetLeft(80);
    okay.SetAction([this](PushButton& sender) {
      EXPECT_EQ(&sender, &okay);
      ++okayPresses;
    });
    live.SetAction([this](RadioButton& sender) { actions.push_back(sender.Index()); });
    rent.SetAction([this](RadioButton& sender) { actions.push_back(sender.Index()); });
  }

  PushButton& okay;
  TextField& field0;
  TextField& field1;
  Label& caption;
  TextField& field2;
  RadioButton& live;
  RadioButton& rent;
  int okayPresses = 0;
  std::vector<std::int64_t> actions;
};

class WidgetsTest : public platform::testing::PlatformTest {};

TEST_F(WidgetsTest, OpenRunsTheEventsInOrderOnceAndReportsAFailingStep) {
  TestWindow w;
  w.onLayout = [] { throw std::runtime_error("layout broke"); };
  EXPECT_FALSE(w.IsOpen());
  w.Open();
  w.Open();  // once only
  EXPECT_EQ(w.events, (std::vector<std::string>{"Layout", "CreateControls", "Open"}));
  EXPECT_TRUE(w.IsOpen());
  EXPECT_TRUE(w.Visible());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("layout broke"), std::string::npos) << Messages()[0];
}

TEST_F(WidgetsTest, SizeReadsBackAsThePageHasIt) {
  TestWindow w;
  w.SetMinWidth(640);
  w.SetMinHeight(306);
  w.SetMaxWidth(1440);
  w.SetMaxHeight(900);
  w.SetResizeable(false);
  struct Row {
    const char* name;
    std::int64_t width, height;
    std::int64_t expectedWidth, expectedHeight;
  };
  const Row rows[] = {
      {"About page", 640, 400, 640, 400},           {"form page", 1280, 800, 1280, 800},
      {"narrow screen form", 1000, 800, 1000, 800}, {"below the minimum", 300, 100, 640, 306},
      {"above the maximum", 5000, 2000, 1440, 900}, {"negative", -5, -5, 640, 306},
  };
  for (bool shown : {false, true}) {
    if (shown)
      w.Open();
    for (const Row& row : rows) {
      w.SetWidth(row.width);
      w.SetHeight(row.height);
      EXPECT_EQ(w.Width(), row.expectedWidth) << row.name << (shown ? " (shown)" : "");
      EXPECT_EQ(w.Height(), row.expectedHeight) << row.name << (shown ? " (shown)" : "");
    }
  }
}

TEST_F(WidgetsTest, TheMenuBarSitsAboveThePage) {
  MenuBar bar;
  auto file = std::make_unique<MenuItem>();
  file->SetName("file");
  file->SetText("File");
  auto quit = std::make_unique<QuitMenuItem>();
  quit->SetName("FileQuit");
  quit->SetText("Quit");
  file->Append(std::move(quit));
  bar.Append(std::move(file));

  TestWindow w;
  w.onLayout = [&] { w.SetMenuBar(&bar); };
  w.SetWidth(640);
  w.SetHeight(400);
  w.Open();
  EXPECT_EQ(w.GetMenuBar(), &bar);
  EXPECT_EQ(w.Width(), 640);
  EXPECT_EQ(w.Height(), 400);

  const auto shot = std::filesystem::temp_directory_path() / "tavrel-platform-shot.png";
  ASSERT_TRUE(td::SaveScreenshot(w, shot.string()));
  const QImage image(QString::fromStdString(shot.string()));
  std::filesystem::remove(shot);
  ASSERT_FALSE(image.isNull());
  const double ratio = image.devicePixelRatio();
  EXPECT_EQ(image.width() / ratio, 640);
  EXPECT_GT(image.height() / ratio, 400) << "the menu bar adds to the page's height";

  w.SetMenuBarVisible(false);
  EXPECT_EQ(w.Height(), 400);
}

// Positions beyond what a widget holds and texts of any length (as a loaded inputs file may
// hold) read back as set; Visible is the control's own flag, whether or not its window shows.
TEST_F(WidgetsTest, ControlsKeepWhatTheyAreGiven) {
  TestWindow w;
  Form form(w);
  form.caption.SetLeft(-10);
  form.caption.SetTop(5000000000LL);
  EXPECT_EQ(form.caption.Left(), -10);
  EXPECT_EQ(form.caption.Top(), 5000000000LL);

  const std::string longText = std::string(40000, '7') + "\u2019";
  form.field0.SetText(longText);
  EXPECT_EQ(form.field0.Text().size(), longText.size()) << "bytes read back";
  EXPECT_TRUE(form.field0.Text() == longText) << "the text read back differs from the text set";

  form.field1.SetVisible(false);
  w.Open();
  EXPECT_FALSE(form.field1.Visible());
  EXPECT_TRUE(form.field2.Visible());
  w.SetVisible(false);
  EXPECT_TRUE(form.field2.Visible());
}

TEST_F(WidgetsTest, SettingARadioButtonRaisesItsActionOnceAndClearsTheOther) {
  TestWindow w;
  Form form(w);  // the design value is set before the actions are bound
  EXPECT_TRUE(form.actions.empty()) << "the design value runs no action";
  EXPECT_TRUE(form.live.Value());
  EXPECT_FALSE(form.rent.Value());

  form.rent.SetValue(true);
  EXPECT_EQ(form.actions, (std::vector<std::int64_t>{1}));
  EXPECT_TRUE(form.rent.Value());
  EXPECT_FALSE(form.live.Value());

  form.rent.SetValue(true);  // already selected: raised again, once
  EXPECT_EQ(form.actions, (std::vector<std::int64_t>{1, 1}));

  form.live.SetValue(true);
  EXPECT_EQ(form.actions, (std::vector<std::int64_t>{1, 1, 0}));
  EXPECT_TRUE(form.live.Value());
  EXPECT_FALSE(form.rent.Value());

  form.live.SetValue(false);  // only clears
  EXPECT_EQ(form.actions.size(), 3u);
  EXPECT_FALSE(form.live.Value());
  EXPECT_FALSE(form.rent.Value());
}

TEST_F(WidgetsTest, ReturnAndEnterPressTheDefaultButtonAndEscapeDoesNot) {
  TestWindow w;
  Form form(w);
  w.Open();
  td::Activate(w);
  struct Row {
    const char* name;
    RectControl* focus;
    td::Key key;
    int expectedPresses;
  };
  const Row rows[] = {
      {"Return in a field", &form.field1, td::Key::Return, 1},
      {"Enter in a field", &form.field0, td::Key::Enter, 1},
      {"Escape in a field", &form.field0, td::Key::Escape, 0},
      {"Return on a radio button", &form.rent, td::Key::Return, 1},
      {"Return on the button itself", &form.okay, td::Key::Return, 1},
  };
  for (const Row& row : rows) {
    form.okayPresses = 0;
    row.focus->SetFocus();
    ASSERT_EQ(td::FocusedControl(w), row.focus) << row.name;
    td::PressKey(w, row.key);
    EXPECT_EQ(form.okayPresses, row.expectedPresses) << row.name;
  }

  // A cancel button is what Escape presses.
  PushButton& cancel = w.AddControl<PushButton>("CancelButton");
  cancel.SetCancel(true);
  int cancels = 0;
  cancel.SetAction([&](PushButton&) { ++cancels; });
  form.okayPresses = 0;
  form.field0.SetFocus();
  td::PressKey(w, td::Key::Escape);
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(form.okayPresses, 0);

  // A hidden default button is not pressed.
  form.okay.SetVisible(false);
  td::PressKey(w, td::Key::Return);
  EXPECT_EQ(form.okayPresses, 0);
}

TEST_F(WidgetsTest, FocusSetBeforeTheWindowShowsIsKept) {
  TestWindow w;
  Form form(w);
  w.onOpen = [&] { form.field2.SetFocus(); };
  w.Open();
  EXPECT_TRUE(form.field2.HasFocus());
  td::Activate(w);
  EXPECT_EQ(td::FocusedControl(w), &form.field2);
}

TEST_F(WidgetsTest, AnExceptionInAnActionIsReportedAndTheProgramGoesOn) {
  TestWindow w;
  Form form(w);
  w.Open();
  int calls = 0;
  form.okay.SetAction([&](PushButton&) {
    ++calls;
    if (calls == 1)
      throw std::runtime_error("boom");
    if (calls == 2)
      throw 42;
  });
  form.okay.Push();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("unexpected error"), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find("boom"), std::string::npos) << Messages()[0];
  td::Activate(w);
  form.field0.SetFocus();
  td::PressKey(w, td::Key::Return);
  EXPECT_EQ(Messages().size(), 2u);
  form.okay.Push();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(Messages().size(), 2u);

  form.live.SetAction([](RadioButton&) { throw std::logic_error("radio"); });
  form.live.SetValue(true);
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_NE(Messages()[2].find("radio"), std::string::npos);
  EXPECT_TRUE(form.live.Value());
}

TEST_F(WidgetsTest, RefreshRepaintsThroughEventPaint) {
  TestWindow w;
  w.SetBackColor(RGB(255, 254, 254));
  w.SetHasBackColor(true);
  w.SetWidth(200);
  w.SetHeight(100);
  w.onPaint = [](platform::Graphics& g) {
    g.SetForeColor(RGB(23, 33, 204));
    g.DrawLine(10, 50, 150, 50);
    g.SetTextFont("Times");
    g.SetTextSize(18);
    g.DrawString("warning", 10, 30);
  };
  w.Open();
  const std::int64_t before = w.RefreshCount();
  w.Refresh(true);
  EXPECT_EQ(w.RefreshCount(), before + 1);

  RecordingGraphics g;
  w.PaintTo(g);
  ASSERT_EQ(g.Strings().size(), 1u);
  EXPECT_EQ(g.Strings()[0].text, "warning");
  EXPECT_EQ(g.Strings()[0].font, "Times");

  EXPECT_EQ(td::PixelAt(w, 80, 50), (Color{23, 33, 204})) << "the line";
  EXPECT_EQ(td::PixelAt(w, 80, 51), (Color{255, 254, 254})) << "one pixel wide";
  EXPECT_EQ(td::PixelAt(w, 180, 90), (Color{255, 254, 254})) << "the background";

  // A page that fails to paint is reported once, not at every repaint.
  w.onPaint = [](platform::Graphics&) { throw std::runtime_error("paint failed"); };
  (void)td::PixelAt(w, 1, 1);
  (void)td::PixelAt(w, 1, 1);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages().back().find("paint failed"), std::string::npos);
  EXPECT_EQ(td::PixelAt(w, 180, 90), (Color{255, 254, 254})) << "the background still shows";
  w.onPaint = nullptr;
  (void)td::PixelAt(w, 1, 1);
  w.onPaint = [](platform::Graphics&) { throw std::runtime_error("paint failed again"); };
  (void)td::PixelAt(w, 1, 1);
  EXPECT_EQ(Messages().size(), 2u) << "a new failure after a good paint is reported";

  // PaintTo reports every failure: it is the program's own call, not a repaint.
  RecordingGraphics again;
  w.PaintTo(again);
  w.PaintTo(again);
  EXPECT_EQ(Messages().size(), 4u);
}

// Text stands on its baseline from its x, and is as wide as the measuring context says:
// the layout measures with the window's own Graphics and paints with a fresh one. A size
// is in pixels, so 36 gives capitals about 24 pixels high, not 32 as 36 points would.
TEST_F(WidgetsTest, DrawStringStandsOnItsBaselineAndFitsItsMeasuredWidth) {
  const std::string text = "HHHH";
  constexpr int kX = 20;
  constexpr int kBaseline = 60;
  TestWindow w;
  w.SetBackColor(RGB(255, 255, 255));
  w.SetHasBackColor(true);
  w.SetWidth(300);
  w.SetHeight(100);
  double paintedWidth = -1;
  w.onPaint = [&](platform::Graphics& g) {
    g.SetForeColor(RGB(0, 0, 0));
    g.SetTextFont("Times");
    g.SetTextSize(36);
    paintedWidth = g.StringWidth(text);
    g.DrawString(text, kX, kBaseline);
  };
  w.Open();
  const auto shot = std::filesystem::temp_directory_path() / "tavrel-platform-baseline.png";
  ASSERT_TRUE(td::SaveScreenshot(w, shot.string()));
  QImage image(QString::fromStdString(shot.string()));
  std::filesystem::remove(shot);
  ASSERT_FALSE(image.isNull());
  image = image.scaled(image.size() / image.devicePixelRatio());

  platform::Graphics& measuring = w.Graphics();
  measuring.SetTextFont("Times");
  measuring.SetTextSize(36);
  const double measuredWidth = measuring.StringWidth(text);
  EXPECT_EQ(paintedWidth, measuredWidth) << "painting and measuring agree";

  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  ASSERT_GE(right, 0) << "nothing was drawn";
  EXPECT_GE(left, kX) << "ink starts at x";
  EXPECT_LE(left, kX + 5);
  EXPECT_LE(right, kX + measuredWidth) << "ink ends within the measured width";
  EXPECT_GE(bottom, kBaseline - 2) << "capitals end on the baseline";
  EXPECT_LE(bottom, kBaseline);
  const int capitals = bottom - top + 1;
  EXPECT_GE(capitals, 18) << "cap height at size 36";
  EXPECT_LE(capitals, 29) << "cap height at size 36";
}

// Only a press on the page itself is the window's MouseDown: clicking a caption, a field
// or a button runs no window handler, even where the control leaves the press unhandled.
TEST_F(WidgetsTest, AClickOnAControlIsNotAClickOnThePage) {
  TestWindow w;
  Form form(w);
  w.SetWidth(640);
  w.SetHeight(400);
  w.Open();
  td::Activate(w);
  struct Row {
    const char* name;
    int x, y;
  };
  const Row onControls[] = {
      {"caption", 50, 110},
      {"blank part of a radio button", 170, 210},
      {"field", 250, 20},
      {"button", 580, 370},
  };
  for (const Row& row : onControls) {
    td::ClickAt(w, row.x, row.y);
    EXPECT_TRUE(w.downs.empty()) << row.name << ": the window got a MouseDown at "
                                 << (w.downs.empty() ? 0 : w.downs.back().first) << ","
                                 << (w.downs.empty() ? 0 : w.downs.back().second);
    w.downs.clear();
  }
  EXPECT_FALSE(form.rent.Value()) << "the blank part of a radio button does not select it";
  EXPECT_EQ(form.okayPresses, 1);

  td::ClickAt(w, 300, 300);
  EXPECT_EQ(w.downs, (std::vector<std::pair<std::int64_t, std::int64_t>>{{300, 300}}))
      << "a press on the page, in page coordinates";
}

// The toolkit's own metrics: settings stay, trailing blanks count, and any font name measures.
TEST_F(WidgetsTest, TheWindowsGraphicsMeasuresWithItsSettings) {
  TestWindow real;
  platform::Graphics& g = real.Graphics();
  g.SetTextFont("geneva");
  g.SetTextSize(12);
  const double small = g.StringWidth("Tavrel");
  EXPECT_GT(small, 0.0);
  EXPECT_EQ(g.TextFont(), "geneva") << "settings stay";
  EXPECT_EQ(g.TextSize(), 12.0);
  EXPECT_GT(g.StringWidth("Tavrel  "), small) << "trailing blanks count";
  g.SetTextFont("Times");
  g.SetTextSize(36);
  EXPECT_GT(g.StringWidth("Tavrel"), small);
  g.SetTextFont("No Such Font Anywhere");
  EXPECT_GT(g.StringWidth("Tavrel"), 0.0);
  g.SetTextFont("System");
  g.SetTextSize(0);
  EXPECT_GT(g.StringWidth("Tavrel"), 0.0);
}

TEST_F(WidgetsTest, FontsOutsideTheListAreEmpty) {
  EXPECT_GT(Screen(0).Width, 0);
  ASSERT_GT(FontCount(), 0);
  EXPECT_FALSE(Font(0).empty());
  EXPECT_EQ(Font(FontCount()), "");
  EXPECT_EQ(Font(-1), "");
}

}  // namespace
