#include "app/App.h"

#include "app/FileTypes.h"
#include "platform/Text.h"
#include "window/MainWindow.h"
#include "window/MenuBar1.h"

namespace tavrel {

App::App(int& argc, char** argv) : platform::Application(argc, argv) {}

void App::AddMenuHandlers() {
  AddMenuHandler("FileSaveInputs", [this] { return FileSaveInputs_Action(); });
  AddMenuHandler("TavrelAboutTavrel", [this] { return TavrelAboutTavrel_Action(); });
  AddMenuHandler("FileLoadInputs", [this] { return FileLoadInputs_Action(); });
  AddMenuHandler("FileSaveResults", [this] { return FileSaveResults_Action(); });
}

bool App::FileSaveInputs_Action() {
  TheMainWindow().SaveInputs();
  return false;
}

bool App::TavrelAboutTavrel_Action() {
  // Each step asks for the window again; the first makes one when none is open.
  TheMainWindow().gWindow = 0;
  TheMainWindow().SetUpAbout();
  TheMainWindow().Refresh(true);
  return true;
}

bool App::FileLoadInputs_Action() {
  TheMainWindow().loadInputs();
  return true;
}

bool App::FileSaveResults_Action() {
  TheMainWindow().saveResults();
  return true;
}

platform::MenuItem* App::LookupItem(std::string_view name) const {
  platform::MenuBar* bar = GetMenuBar();
  return bar == nullptr ? nullptr : bar->Lookup(name);
}

platform::AppleMenuItem* App::TavrelAboutTavrel() const {
  return dynamic_cast<platform::AppleMenuItem*>(LookupItem("TavrelAboutTavrel"));
}

platform::MenuItem* App::FileLoadInputs() const {
  return LookupItem("FileLoadInputs");
}

platform::MenuItem* App::FileSaveInputs() const {
  return LookupItem("FileSaveInputs");
}

platform::MenuItem* App::FileSaveResults() const {
  return LookupItem("FileSaveResults");
}

void App::Event_EnableMenuItems() {
  // The four commands work on either page, before and after any calculation.
  for (platform::MenuItem* item : {static_cast<platform::MenuItem*>(TavrelAboutTavrel()),
                                   FileLoadInputs(), FileSaveInputs(), FileSaveResults()}) {
    if (item != nullptr) {
      item->SetEnabled(true);
    }
  }
}

bool App::Event_HandleAppleEvent(std::string_view eventClass, std::string_view eventID) {
  // Only "quit" counts as handled; documents to open or print are left alone.
  return platform::TextEquals(eventClass, "aevt") && platform::TextEquals(eventID, "quit");
}

App& TheApp() {
  return dynamic_cast<App&>(*platform::Application::Instance());
}

std::unique_ptr<App> StartUp(int& argc, char** argv) {
  FileTypes::Initialize();
  auto app = std::make_unique<App>(argc, argv);
  app->SetMenuBar(&SharedMenuBar1());
  app->AddMenuHandlers();
  return app;
}

}  // namespace tavrel
