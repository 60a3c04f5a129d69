#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class MenuBar;

// The application object: the toolkit, the event loop, the menu bar and the menu
// handlers bound by item name. One per process.
class Application {
 public:
  Application(int& argc, char** argv);
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Instance();

  // Shown by every window that has no menu bar of its own.
  void SetMenuBar(MenuBar* menuBar);
  MenuBar* GetMenuBar() const;

  // Binds the menu item of that name to handler; choosing the item runs it through the
  // event boundary.
  void AddMenuHandler(std::string itemName, std::function<bool()> handler);
  // Chooses the menu item of that name as the user would (menus are enabled first).
  // Returns false when no handler is bound to it.
  bool ChooseMenuItem(std::string_view itemName);

  // Runs lateStartup once the event loop is ready, then the event loop until the
  // application quits. Returns the exit status.
  int Run(std::function<void()> lateStartup);
  void Quit();

 protected:
  // Raised before a menu is shown.
  virtual void Event_EnableMenuItems() {}
  // Answers an event from the system; true when handled.
  virtual bool Event_HandleAppleEvent(std::string_view eventClass, std::string_view eventID) {
    (void)eventClass;
    (void)eventID;
    return false;
  }

 public:
  // Delivers a system event to Event_HandleAppleEvent (for the system's integration and
  // for tests).
  bool HandleAppleEvent(std::string_view eventClass, std::string_view eventID);
  // Runs Event_EnableMenuItems.
  void EnableMenuItems();

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// Runs a handler at the platform's event boundary: an exception that escapes it is
// reported in a message box and the program goes on. Returns false when one escaped.
bool RunGuarded(const std::function<void()>& handler);

}  // namespace platform
