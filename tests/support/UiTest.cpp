#include "support/UiTest.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "window/MainWindow.h"

namespace tavrel::testing {

namespace {

std::filesystem::path MakeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
    return {};
  }
  return pattern;
}

}  // namespace

UiTest::UiTest() : tempDir_(MakeTempDir()) {
  Install();
}

UiTest::~UiTest() {
  // The window goes while this test's replacements are still in force.
  CloseMainWindow();
  for (const auto& answer : saveAnswers_) {
    ADD_FAILURE() << "a queued save-dialog answer was never asked for: "
                  << (answer ? answer->string() : std::string("(cancel)"));
  }
  for (const auto& answer : openAnswers_) {
    ADD_FAILURE() << "a queued open-dialog answer was never asked for: "
                  << (answer ? answer->string() : std::string("(cancel)"));
  }
  overrides_.reset();
  if (!tempDir_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(tempDir_, ignored);
  }
}

void UiTest::SetScreen(std::int64_t width, std::int64_t height) {
  screen_ = platform::ScreenInfo{width, height};
  Install();
}

void UiTest::SetFonts(std::vector<std::string> fonts) {
  fonts_ = std::move(fonts);
  Install();
}

void UiTest::UseRealMetrics() {
  realMetrics_ = true;
  Install();
}

void UiTest::ExpectSave(std::optional<std::filesystem::path> answer) {
  saveAnswers_.push_back(std::move(answer));
}

void UiTest::ExpectOpen(std::optional<std::filesystem::path> answer) {
  openAnswers_.push_back(std::move(answer));
}

void UiTest::CloseMainWindow() {
  DestroyMainWindow();
}

void UiTest::Install() {
  platform::seams::Overrides o;
  o.screen = screen_;
  o.fonts = fonts_;
  o.saveDialog = [this](std::string_view filter,
                        std::string_view defaultName) -> std::optional<std::string> {
    saveNames_.emplace_back(defaultName);
    if (saveAnswers_.empty()) {
      ADD_FAILURE() << "unexpected save dialog (filter \"" << filter << "\", default name \""
                    << defaultName << "\"); cancelled";
      return std::nullopt;
    }
    auto answer = std::move(saveAnswers_.front());
    saveAnswers_.pop_front();
    if (!answer) {
      return std::nullopt;
    }
    return answer->string();
  };
  o.openDialog = [this](std::string_view filter) -> std::optional<std::string> {
    ++openCount_;
    if (openAnswers_.empty()) {
      ADD_FAILURE() << "unexpected open dialog (filter \"" << filter << "\"); cancelled";
      return std::nullopt;
    }
    auto answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    if (!answer) {
      return std::nullopt;
    }
    return answer->string();
  };
  o.showURL = [this](std::string_view address) { urls_.emplace_back(address); };
  o.message = [this](std::string_view title, std::string_view text) {
    (void)title;
    messages_.emplace_back(text);
  };
  if (!realMetrics_) {
    o.measuring = [] { return std::make_unique<platform::RecordingGraphics>(10.0); };
  }
  // The old replacements go before the new ones come, so each restores what was there.
  overrides_.reset();
  overrides_.emplace(std::move(o));
}

void PrepareUiTests(int& argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
}

int RunUiTests() {
  const int status = RUN_ALL_TESTS();
  DestroyMainWindow();
  return status;
}

}  // namespace tavrel::testing
