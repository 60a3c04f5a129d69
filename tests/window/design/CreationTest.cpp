// The accessor that makes and finds the one window, also while that window opens.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DesignSupport.h"
#include "platform/Graphics.h"
#include "platform/Seams.h"
#include "window/MainWindow.h"

namespace tavrel::design_test {
namespace {

using CreationTest = DesignTest;

TEST_F(CreationTest, NoWindowIsOpenUntilTheAccessorMakesOne) {
  EXPECT_EQ(OpenMainWindow(), nullptr);
  MainWindow& w = TheMainWindow();
  EXPECT_TRUE(w.IsOpen());
  EXPECT_EQ(OpenMainWindow(), &w);
  EXPECT_EQ(&TheMainWindow(), &w) << "a second call must find the open window";
}

// A measuring context that asks the accessor for the window whenever the window sets
// it up or measures with it, which it does while it opens (font set-up, text layout).
class ProbeGraphics : public platform::RecordingGraphics {
 public:
  explicit ProbeGraphics(std::vector<std::pair<MainWindow*, MainWindow*>>& seen) : seen_(seen) {}
  void SetTextFont(const std::string& name) override {
    Probe();
    RecordingGraphics::SetTextFont(name);
  }
  double StringWidth(const std::string& text) override {
    Probe();
    return RecordingGraphics::StringWidth(text);
  }

 private:
  void Probe() {
    static int depth = 0;
    if (depth > 0) {
      ADD_FAILURE() << "the accessor made a second window while the first opened";
      return;
    }
    // Before the window object exists there is nothing to find.
    if (MainWindow* open = OpenMainWindow()) {
      ++depth;
      seen_.emplace_back(open, &TheMainWindow());
      --depth;
    }
  }
  std::vector<std::pair<MainWindow*, MainWindow*>>& seen_;
};

TEST_F(CreationTest, CallsMadeWhileTheWindowOpensReachTheWindowBeingOpened) {
  std::vector<std::pair<MainWindow*, MainWindow*>> seen;
  platform::seams::Overrides probe;
  probe.measuring = [&seen] { return std::make_unique<ProbeGraphics>(seen); };
  MainWindow* made = nullptr;
  {
    platform::seams::ScopedOverrides scoped(std::move(probe));
    made = &TheMainWindow();
  }
  ASSERT_FALSE(seen.empty()) << "the window never measured text while it opened";
  for (const auto& [open, accessed] : seen) {
    EXPECT_EQ(open, made);
    EXPECT_EQ(accessed, made);
  }
  EXPECT_EQ(&TheMainWindow(), made);
}

// A measuring context that destroys the program's window the first time it measures,
// that is while the window opens, and then asks the accessor for the window.
class DestroyingGraphics : public platform::RecordingGraphics {
 public:
  explicit DestroyingGraphics(std::vector<MainWindow*>& seen) : seen_(seen) {}
  double StringWidth(const std::string& text) override {
    if (OpenMainWindow() != nullptr && seen_.empty()) {
      DestroyMainWindow();
      seen_.push_back(OpenMainWindow());
      seen_.push_back(&TheMainWindow());
    }
    return RecordingGraphics::StringWidth(text);
  }

 private:
  std::vector<MainWindow*>& seen_;
};

TEST_F(CreationTest, DestroyingTheWindowWhileItOpensNeitherFreesItNorMakesASecond) {
  std::vector<MainWindow*> seen;
  platform::seams::Overrides destroying;
  destroying.measuring = [&seen] { return std::make_unique<DestroyingGraphics>(seen); };
  MainWindow* made = nullptr;
  {
    platform::seams::ScopedOverrides scoped(std::move(destroying));
    made = &TheMainWindow();
  }
  ASSERT_EQ(seen.size(), 2u) << "the window never measured text while it opened";
  // Its Open is still running: the window stays reachable, closed, and is the one given.
  EXPECT_EQ(seen[0], made);
  EXPECT_EQ(seen[1], made);
  EXPECT_FALSE(made->IsOpen());
  EXPECT_EQ(OpenMainWindow(), nullptr) << "once opened, a closed window is not the open one";

  MainWindow& next = TheMainWindow();
  EXPECT_TRUE(next.IsOpen());
  EXPECT_EQ(OpenMainWindow(), &next);
}

}  // namespace
}  // namespace tavrel::design_test
