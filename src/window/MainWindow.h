#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/ModelState.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

namespace tavrel {

// Last indices of the window's fixed arrays.
inline constexpr std::int64_t kLastPageLine = 50;
inline constexpr std::int64_t kLastAboutLine = 14;
inline constexpr std::int64_t kLastPage = 5;
inline constexpr std::int64_t kLastInputData = 25;

template <std::int64_t Last>
using Int64Lines = std::array<std::int64_t, Last + 1>;
template <std::int64_t Last>
using TextLines = std::array<std::string, Last + 1>;

// The one window of the program. It owns the whole state of the system: the model's
// fields (its ModelState base) and the pages, form and file fields below. Its methods
// are defined in the folders of the subsystems that own them: src/window/ the window,
// the form and the inputs file; src/pages/ the layout, painting and results.
class MainWindow : public platform::Window, public ModelState {
 public:
  // Every field takes its creation value; Open() then runs Layout, CreateControls and
  // Event_Open.
  MainWindow();
  ~MainWindow() override;

  // Control accessors: the control registered under that name (and index), or nullptr.
  platform::PushButton* OkayButton() const;
  platform::TextField* TextField1(std::int64_t index) const;
  platform::Label* Label1(std::int64_t index) const;
  platform::RadioButton* RadioButton1(std::int64_t index) const;

  // Control actions.
  void OkayButton_Action(platform::PushButton& sender);
  void RadioButton1_Action(platform::RadioButton& sender);

  // Form set-up.
  bool fontAvailable(const std::string& name) const;
  std::string TextCheck(const std::string& s) const;

  // Pages.
  void TextFixer(std::int64_t firstBaseline, std::int64_t lineAdvance, std::int64_t paragraphLeft);
  void TextPrinter(platform::Graphics& g, const std::string& text, std::int64_t x1, std::int64_t x2,
                   std::int64_t y, std::int64_t justify) const;
  std::int64_t CenterJustify(const std::string& text, std::int64_t x1, std::int64_t x2,
                             platform::Graphics& g) const;
  std::int64_t RightJustify(const std::string& text, std::int64_t x2, platform::Graphics& g) const;
  void PaintAbout(platform::Graphics& g);
  void SetUpAbout();
  void showResults(platform::Graphics& g);

  // The model.
  void Calculations();

  // Files.
  void SaveInputs();
  void loadInputs();
  void saveResults();

  // Events (public so that the application's handlers and tests can reach them; the
  // platform raises them through its event boundary).
  void Layout() override;
  void CreateControls() override;
  void Event_Open() override;
  void Event_Paint(platform::Graphics& g) override;
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override;

  // Drawing settings and window sizes.
  std::string gFont;
  std::int64_t gTextHeight = 0;
  std::int64_t gAboutWindowWidth = 0;
  std::int64_t gAboutWindowHeight = 0;
  std::int64_t gMainWindowWidth = 0;
  std::int64_t gMainWindowHeight = 0;
  std::int64_t gRightBoxLeftMargin = 0;

  // Page selector and page lines.
  std::int64_t gWindow = 0;
  TextLines<kLastPageLine> gMsg{};
  Int64Lines<kLastPageLine> gLeft{};
  Int64Lines<kLastPageLine> gRight{};
  Int64Lines<kLastPageLine> gJustify{};
  Int64Lines<kLastPageLine> gY{};
  Int64Lines<kLastPage> gFirst{};
  Int64Lines<kLastPage> gLast{};

  // About lines and link box.
  TextLines<kLastAboutLine> gAboutMsg{};
  Int64Lines<kLastAboutLine> gAboutLeft{};
  Int64Lines<kLastAboutLine> gAboutRight{};
  Int64Lines<kLastAboutLine> gAboutJustify{};
  Int64Lines<kLastAboutLine> gAboutY{};
  std::int64_t gAboutFirst = 0;
  std::int64_t gAboutLast = 0;
  std::int64_t gURLleft = 0;
  std::int64_t gURLright = 0;
  std::int64_t gURLBottom = 0;

  // Form state and file names.
  std::int64_t gNumTextFields = 0;
  std::int64_t gCheck = 0;
  std::string gWarning;
  std::string gInputFilename = "Tavrelinput";
  std::string gOutputFilename = "Tavreloutput";
  std::array<double, kLastInputData + 1> gInputData{};

 private:
  // The Okay button's branch on the About page: opens the form page.
  void OpenFormPage();
};

// The open window; when none is open, a new one is created and opened first. Calls made
// while the window opens return the window being opened.
MainWindow& TheMainWindow();

// The open window, or nullptr when none is open; never creates one.
MainWindow* OpenMainWindow();

// Closes the window when it is open and destroys it, so that the next TheMainWindow()
// makes a new one. For the end of the program, while the toolkit still exists, and for
// tests.
void DestroyMainWindow();

}  // namespace tavrel
