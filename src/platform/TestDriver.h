#pragma once

#include <string>

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
// Color of the page pixel at (x, y) as the window renders it.
Color PixelAt(Window& window, int x, int y);

}  // namespace platform::testdriver
