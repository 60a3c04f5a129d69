#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Services of the system around the program: screens, fonts, the browser, message boxes.
namespace platform {

struct ScreenInfo {
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};

// Screen(0): the main screen's size in pixels.
ScreenInfo Screen(std::int64_t index);

// The installed font families, Font(0) to Font(FontCount() - 1).
std::int64_t FontCount();
std::string Font(std::int64_t index);

// Opens the address in the default browser; an address without a scheme is taken as
// a web address.
void ShowURL(std::string_view address);

// A message box with an OK button.
void ShowMessage(std::string_view title, std::string_view text);

}  // namespace platform
