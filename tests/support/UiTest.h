#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Seams.h"
#include "platform/System.h"

namespace tavrel::testing {

// Base of every test that makes windows. The application object already exists (the
// test main makes it, offscreen). While a test runs:
//  - the main screen is 1440 by 900 (SetScreen changes it for windows opened later);
//  - the installed fonts are "Geneva", "Arial", "Times", "Palatino" (SetFonts);
//  - windows measure text with a RecordingGraphics of 10 pixels a character;
//  - a file dialog fails the test unless an answer was queued (ExpectSave/ExpectOpen),
//    and so does an answer queued but never asked for;
//  - message boxes are collected in Messages() instead of shown;
//  - opened addresses are collected in OpenedUrls();
//  - TempDir() is a fresh empty folder, removed afterwards.
class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;

  void SetScreen(std::int64_t width, std::int64_t height);
  void SetFonts(std::vector<std::string> fonts);
  // Use the real toolkit's font metrics instead of 10 pixels a character.
  void UseRealMetrics();

  // Queues the answer to the next save dialog: a path, or nothing for cancel. The
  // dialog's default name is recorded in SaveDialogNames().
  void ExpectSave(std::optional<std::filesystem::path> answer);
  void ExpectOpen(std::optional<std::filesystem::path> answer);
  const std::vector<std::string>& SaveDialogNames() const { return saveNames_; }
  int OpenDialogCount() const { return openCount_; }

  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& OpenedUrls() const { return urls_; }
  const std::filesystem::path& TempDir() const { return tempDir_; }

  // Closes and forgets the program's window, so that the next TheMainWindow() makes a
  // new one with the creation values. The fixture does it at the end of every test.
  static void CloseMainWindow();

 private:
  void Install();

  platform::ScreenInfo screen_{1440, 900};
  std::vector<std::string> fonts_{"Geneva", "Arial", "Times", "Palatino"};
  bool realMetrics_ = false;
  std::deque<std::optional<std::filesystem::path>> saveAnswers_;
  std::deque<std::optional<std::filesystem::path>> openAnswers_;
  std::vector<std::string> saveNames_;
  int openCount_ = 0;
  std::vector<std::string> messages_;
  std::vector<std::string> urls_;
  std::filesystem::path tempDir_;
  std::optional<platform::seams::ScopedOverrides> overrides_;
};

// For the mains of test programs that make windows: PrepareUiTests before the
// application object is made (offscreen unless QT_QPA_PLATFORM says otherwise;
// GoogleTest's own arguments taken out), RunUiTests while it exists (runs every test,
// then destroys the program's window before the application goes).
void PrepareUiTests(int& argc, char** argv);
int RunUiTests();

}  // namespace tavrel::testing
