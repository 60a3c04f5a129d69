// Start-up: the application object, its menu bar, the enabling of the commands, the
// answers to system events and the registered file type.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "app/App.h"
#include "app/FileTypes.h"
#include "platform/Menu.h"
#include "support/UiTest.h"
#include "window/MainWindow.h"
#include "window/MenuBar1.h"

namespace tavrel {
namespace {

using Role = platform::MenuItem::Role;

class StartUpTest : public tavrel::testing::UiTest {};

TEST_F(StartUpTest, TheApplicationObjectIsTheProgramsAppWithTheSharedMenuBar) {
  App& app = TheApp();
  EXPECT_EQ(&app, platform::Application::Instance());
  EXPECT_EQ(app.GetMenuBar(), &SharedMenuBar1());
  EXPECT_EQ(TheMainWindow().GetMenuBar(), &SharedMenuBar1()) << "the window shows the same bar";
}

// One File menu in the menu bar, then its items in order; no item has a shortcut.
TEST_F(StartUpTest, TheMenuBarHoldsTheFileMenuWithItsItemsInOrder) {
  struct Row {
    const char* name;
    const char* text;
    Role role;
  };
  const Row rows[] = {
      {"file", "File", Role::Normal},
      {"TavrelAboutTavrel", "About Tavrel", Role::About},
      {"FileLoadInputs", "Load Inputs...", Role::Normal},
      {"FileSaveInputs", "Save Inputs...", Role::Normal},
      {"FileSaveResults", "Save Results...", Role::Normal},
      {"UntitledSeparator", "-", Role::Normal},
      {"FileQuit", "Quit", Role::Quit},
  };
  const MenuBar1& bar = SharedMenuBar1();
  ASSERT_EQ(bar.Count(), 1u);
  const platform::MenuItem& file = bar.Item(0);
  ASSERT_EQ(file.Count(), std::size(rows) - 1);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const platform::MenuItem& item = i == 0 ? file : file.Item(i - 1);
    SCOPED_TRACE(std::string("item ") + std::to_string(i) + " " + rows[i].name);
    EXPECT_EQ(item.Name(), rows[i].name);
    EXPECT_EQ(item.Text(), rows[i].text);
    EXPECT_EQ(item.ItemRole(), rows[i].role);
    EXPECT_EQ(item.IsSeparator(), std::string(rows[i].name) == "UntitledSeparator");
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_TRUE(item.Visible());
    EXPECT_EQ(item.KeyboardShortcut(), "");
  }
}

// Keeps the enabled state of the shared menu bar's items and puts it back when it goes,
// so that a test that changes it leaves the next test the menus it found.
class EnabledStatesKept {
 public:
  EnabledStatesKept() { Keep(SharedMenuBar1()); }
  ~EnabledStatesKept() {
    for (const auto& [item, enabled] : kept_) {
      item->SetEnabled(enabled);
    }
  }
  EnabledStatesKept(const EnabledStatesKept&) = delete;
  EnabledStatesKept& operator=(const EnabledStatesKept&) = delete;

 private:
  void Keep(platform::MenuItem& item) {
    kept_.emplace_back(&item, item.Enabled());
    for (std::size_t i = 0; i < item.Count(); ++i) {
      Keep(item.Item(i));
    }
  }
  std::vector<std::pair<platform::MenuItem*, bool>> kept_;
};

TEST_F(StartUpTest, EnablingTheMenusEnablesTheFourCommandsAndDisablesNothing) {
  const EnabledStatesKept kept;
  App& app = TheApp();
  platform::MenuItem* commands[] = {app.TavrelAboutTavrel(), app.FileLoadInputs(),
                                    app.FileSaveInputs(), app.FileSaveResults()};
  for (platform::MenuItem* item : commands) {
    ASSERT_NE(item, nullptr);
    item->SetEnabled(false);
  }
  platform::MenuItem* quit = SharedMenuBar1().Lookup("FileQuit");
  ASSERT_NE(quit, nullptr);
  quit->SetEnabled(true);

  app.EnableMenuItems();
  for (platform::MenuItem* item : commands) {
    EXPECT_TRUE(item->Enabled()) << item->Name();
  }
  EXPECT_TRUE(quit->Enabled());

  app.EnableMenuItems();  // again: still enabled, never toggled
  for (platform::MenuItem* item : commands) {
    EXPECT_TRUE(item->Enabled()) << item->Name();
  }
}

TEST_F(StartUpTest, OnlyTheQuitEventCountsAsHandled) {
  struct Row {
    const char* eventClass;
    const char* eventID;
    bool handled;
  };
  const Row rows[] = {
      {"aevt", "quit", true},  {"AEVT", "QUIT", true},   {"aEvT", "Quit", true},
      {"aevt", "odoc", false}, {"aevt", "pdoc", false},  {"aevt", "oapp", false},
      {"aevt", "", false},     {"misc", "quit", false},  {"", "quit", false},
      {"", "", false},         {"aevt", "quit ", false},
  };
  App& app = TheApp();
  for (const Row& row : rows) {
    EXPECT_EQ(app.HandleAppleEvent(row.eventClass, row.eventID), row.handled)
        << "class \"" << row.eventClass << "\", id \"" << row.eventID << "\"";
  }
}

TEST_F(StartUpTest, HandlersAreBoundToTheFourCommandsOnly) {
  App& app = TheApp();
  EXPECT_FALSE(app.ChooseMenuItem("file"));
  EXPECT_FALSE(app.ChooseMenuItem("UntitledSeparator"));
  EXPECT_FALSE(app.ChooseMenuItem("NoSuchItem"));
  EXPECT_EQ(OpenMainWindow(), nullptr) << "an unbound item made a window";
}

TEST_F(StartUpTest, TheTextFileTypeIsRegistered) {
  const FileType* text = FileTypes::Text();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Name, "text");
  EXPECT_TRUE(text->Extensions.empty());
  EXPECT_EQ(text->MacType, "TEXT");
  EXPECT_EQ(text->MacCreator, "R*ch");
  EXPECT_EQ(text->MimeType, "");
  EXPECT_TRUE(text->Imported);
  EXPECT_EQ(text->ConformsTo, "");
  ASSERT_EQ(FileTypes::AllFileTypes().size(), 1u);
  EXPECT_EQ(&FileTypes::AllFileTypes().front(), text);
  FileTypes::Initialize();
  EXPECT_EQ(FileTypes::AllFileTypes().size(), 1u) << "registered twice";
}

}  // namespace
}  // namespace tavrel
