#pragma once

#include <memory>
#include <string_view>

#include "platform/Application.h"
#include "platform/Menu.h"

namespace tavrel {

// The application object. It holds no state: every command goes to the one window,
// which the window accessor makes and opens first when none is open.
class App : public platform::Application {
 public:
  App(int& argc, char** argv);

  // Binds the four menu commands to their items, by item name.
  void AddMenuHandlers();

  // The menu handlers; each does its whole command before it returns.
  bool FileSaveInputs_Action();
  bool TavrelAboutTavrel_Action();
  bool FileLoadInputs_Action();
  bool FileSaveResults_Action();

  // The command items of the application's menu bar, or nullptr when there is none of
  // that name.
  platform::AppleMenuItem* TavrelAboutTavrel() const;
  platform::MenuItem* FileLoadInputs() const;
  platform::MenuItem* FileSaveInputs() const;
  platform::MenuItem* FileSaveResults() const;

 protected:
  void Event_EnableMenuItems() override;
  bool Event_HandleAppleEvent(std::string_view eventClass, std::string_view eventID) override;

 private:
  platform::MenuItem* LookupItem(std::string_view name) const;
};

// The application object of the process; it must exist.
App& TheApp();

// The start-up steps before the event loop: registers the file type, makes the
// application object with the shared menu bar and binds the menu handlers. argc must
// outlive the result.
std::unique_ptr<App> StartUp(int& argc, char** argv);

}  // namespace tavrel
