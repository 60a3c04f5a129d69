#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace platform {

class MenuBar;

// A top-level window: a menu bar (inside the window on Linux and Windows) above a page
// on which the program paints and places its controls. Width, Height and every
// position of the window's API are those of the page, below the menu bar.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Builds and opens the window: Layout, CreateControls, then Event_Open; afterwards
  // the window shows itself when Visible. Called once.
  void Open();
  // Closes the window as its close button does; the object stays until destroyed.
  void Close();
  // True from Open until the window is closed (by the user or Close).
  bool IsOpen() const;

  std::int64_t Width() const;
  void SetWidth(std::int64_t width);
  std::int64_t Height() const;
  void SetHeight(std::int64_t height);
  // Position of the window on the screen; negative values are kept.
  std::int64_t Left() const;
  void SetLeft(std::int64_t x);
  std::int64_t Top() const;
  void SetTop(std::int64_t y);
  std::string Title() const;
  void SetTitle(const std::string& title);

  // Design properties.
  void SetMinWidth(std::int64_t v);
  void SetMinHeight(std::int64_t v);
  void SetMaxWidth(std::int64_t v);
  void SetMaxHeight(std::int64_t v);
  void SetResizeable(bool v);
  void SetCloseButton(bool v);
  void SetMinimizeButton(bool v);
  void SetMaximizeButton(bool v);
  void SetFullScreenButton(bool v);
  void SetBackColor(Color color);
  void SetHasBackColor(bool v);
  void SetVisible(bool v);
  bool Visible() const;
  void SetMenuBar(MenuBar* menuBar);
  MenuBar* GetMenuBar() const;
  void SetMenuBarVisible(bool v);

  // Repaints the whole page through Event_Paint with a fresh Graphics.
  void Refresh(bool eraseBackground = true);
  // How many repaints were requested; lets a test see that a command redrew the window.
  std::int64_t RefreshCount() const;

  // The window's own context for measuring text; its settings stay.
  platform::Graphics& Graphics();

  // Makes a control of class T on the page and registers it under name (and index,
  // -1 for a control outside any array).
  template <class T>
  T& AddControl(std::string name, std::int64_t index = -1) {
    auto control = std::make_unique<T>(*this, std::move(name), index);
    T& ref = *control;
    controls_.push_back(std::move(control));
    ControlAdded(ref);
    return ref;
  }
  // The first control registered under name; nullptr when none.
  Control* ControlByName(std::string_view name) const;
  // The control registered under name whose Index is index; nullptr when none.
  Control* ControlByNameIndex(std::string_view name, std::int64_t index) const;

  // Runs Event_Paint with g, as a repaint does, through the event boundary.
  void PaintTo(platform::Graphics& g);
  // Delivers a mouse press at page position (x, y), as a click does.
  bool MouseDown(std::int64_t x, std::int64_t y);

  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  // Framework events, each run through the event boundary: an exception that escapes
  // one is reported in a message box and the program goes on.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}
  virtual void Event_Paint(platform::Graphics& g) { (void)g; }
  virtual bool Event_MouseDown(std::int64_t x, std::int64_t y) {
    (void)x;
    (void)y;
    return false;
  }

 private:
  void ControlAdded(RectControl& control);
  friend struct Impl;
  std::unique_ptr<Impl> impl_;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace platform
