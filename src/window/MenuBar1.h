#pragma once

#include "platform/Menu.h"

namespace tavrel {

// The program's one menu bar: the File menu with About, the two inputs-file commands,
// Save Results and Quit. The application and the window both show the same instance.
class MenuBar1 : public platform::MenuBar {
 public:
  // Builds the menus.
  MenuBar1();

 private:
  void Untitled0();
};

// The shared menu bar, made on first use and kept for the life of the process.
// (C++ cannot give a function its class's name, hence the prefix.)
MenuBar1& SharedMenuBar1();

}  // namespace tavrel
