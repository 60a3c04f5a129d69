#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Window.h"

// Drives real widgets as a person would, for tests: keys, typing and clicks go through
// the toolkit's own event handling.
namespace platform::testdriver {

enum class Key { Return, Enter, Escape, Tab };

// Makes the window active so it receives keys, as a click on it would.
void Activate(Window& window);
// Sends a key press and release to the window's focused control.
void PressKey(Window& window, Key key);
// Types text into the field, character by character.
void TypeText(TextField& field, const std::string& text);
// Clicks the control with the left mouse button.
void Click(RectControl& control);
// Clicks the window's page at (x, y) as a person would: the control there, if any, gets
// the press, otherwise the page does.
void ClickAt(Window& window, int x, int y);
// The control that has the keyboard focus in the window, or nullptr.
RectControl* FocusedControl(Window& window);
// Renders the whole window as it is shown (menu bar included) into a PNG file.
bool SaveScreenshot(Window& window, const std::string& path);
// The page as the window renders it, one colour a page pixel, for reading many pixels
// from one rendering.
struct PageImage {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // row by row
  // Black outside the page.
  Color At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
      return Color{};
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
PageImage GrabPage(Window& window);
// Color of the page pixel at (x, y) as the window renders it.
Color PixelAt(Window& window, int x, int y);

// Gives the application a dark palette, as a dark desktop theme does, while it lives.
class DarkDesktopPalette {
 public:
  DarkDesktopPalette();
  ~DarkDesktopPalette();
  DarkDesktopPalette(const DarkDesktopPalette&) = delete;
  DarkDesktopPalette& operator=(const DarkDesktopPalette&) = delete;

 private:
  struct Saved;
  std::unique_ptr<Saved> saved_;
};

// The extent of a text in a font and size as the window's drawing resolves them: its
// advance width and how far it reaches above and below its baseline.
struct TextExtent {
  double width = 0;
  double ascent = 0;
  double descent = 0;
};
TextExtent MeasureText(const std::string& font, double size, const std::string& text);

// How a label shows its text: the font it uses, the width of its text in that font, the
// width the label's widget gives it on the page, and how often the window has measured its
// text to give it that room.
struct ShownText {
  std::string family;
  int pixelSize = 0;
  double textWidth = 0;
  int room = 0;
  std::int64_t measurements = 0;
};
ShownText ShownTextOf(Label& label);

}  // namespace platform::testdriver
