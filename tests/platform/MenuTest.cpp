// Menu trees, handlers bound by item name, enabling before a menu is used, system events.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "platform/Application.h"
#include "platform/Menu.h"

namespace {

using namespace platform;

template <class T = MenuItem>
std::unique_ptr<MenuItem> Item(const std::string& name, const std::string& text) {
  auto item = std::make_unique<T>();
  item->SetName(name);
  item->SetText(text);
  item->SetKeyboardShortcut("");
  return item;
}

// The File menu as the program builds it.
std::unique_ptr<MenuBar> MakeFileMenu() {
  auto bar = std::make_unique<MenuBar>();
  bar->Append(Item("file", "File"));
  MenuItem* file = bar->Child("file");
  file->Append(Item<AppleMenuItem>("TavrelAboutTavrel", "About Tavrel"));
  file->Append(Item("FileLoadInputs", "Load Inputs..."));
  file->Append(Item("FileSaveInputs", "Save Inputs..."));
  file->Append(Item("FileSaveResults", "Save Results..."));
  file->Append(Item("UntitledSeparator", "-"));
  file->Append(Item<QuitMenuItem>("FileQuit", "Quit"));
  return bar;
}

class TestApplication : public Application {
 public:
  TestApplication(int& argc, char** argv) : Application(argc, argv) {}
  int enables = 0;
  std::function<void()> onEnable;
  std::vector<std::string> appleEvents;

 protected:
  void Event_EnableMenuItems() override {
    ++enables;
    if (onEnable)
      onEnable();
  }
  bool Event_HandleAppleEvent(std::string_view eventClass, std::string_view eventID) override {
    appleEvents.push_back(std::string(eventClass) + "/" + std::string(eventID));
    if (eventID == "boom")
      throw std::runtime_error("apple event failed");
    return eventID == "quit";
  }
};

class MenuTest : public platform::testing::PlatformTest {
 protected:
  MenuTest() : app_(argc_, argv_), bar_(MakeFileMenu()) { app_.SetMenuBar(bar_.get()); }
  ~MenuTest() override { app_.SetMenuBar(nullptr); }

  int argc_ = 1;
  char name_[8] = "tavrel";
  char* argv_[2] = {name_, nullptr};
  TestApplication app_;
  std::unique_ptr<MenuBar> bar_;
};

TEST_F(MenuTest, ItemsAreFoundByName) {
  MenuItem* file = bar_->Child("file");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Count(), 6u);
  EXPECT_EQ(bar_->Child("FileQuit"), nullptr) << "Child looks one level down only";
  ASSERT_NE(bar_->Lookup("FileQuit"), nullptr) << "Lookup looks through the whole tree";
  EXPECT_FALSE(bar_->Lookup("FileQuit")->IsSeparator());
  EXPECT_TRUE(bar_->Lookup("UntitledSeparator")->IsSeparator());
  EXPECT_EQ(bar_->Lookup("NoSuchItem"), nullptr);
}

TEST_F(MenuTest, ChoosingAnItemEnablesMenusThenRunsItsHandler) {
  std::vector<std::string> ran;
  app_.AddMenuHandler("FileSaveInputs", [&] {
    ran.push_back("save inputs");
    return false;
  });
  app_.AddMenuHandler("TavrelAboutTavrel", [&] {
    EXPECT_EQ(app_.enables, 1) << "menus are enabled before the handler runs";
    ran.push_back("about");
    return true;
  });
  EXPECT_TRUE(app_.ChooseMenuItem("TavrelAboutTavrel"));
  EXPECT_TRUE(app_.ChooseMenuItem("FileSaveInputs"));
  EXPECT_FALSE(app_.ChooseMenuItem("FileLoadInputs")) << "no handler bound";
  EXPECT_FALSE(app_.ChooseMenuItem("NoSuchItem"));
  // Outside the event loop quitting does nothing; choosing the item must still work.
  EXPECT_TRUE(app_.ChooseMenuItem("FileQuit"));
  EXPECT_EQ(ran, (std::vector<std::string>{"about", "save inputs"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MenuTest, AutoEnabledItemsAreEnabledAndTheEventDecidesTheRest) {
  MenuItem* load = bar_->Lookup("FileLoadInputs");
  MenuItem* save = bar_->Lookup("FileSaveInputs");
  save->SetAutoEnable(false);
  save->SetEnabled(false);
  load->SetEnabled(false);
  int saves = 0;
  app_.AddMenuHandler("FileSaveInputs", [&] { return ++saves > 0; });
  app_.EnableMenuItems();
  EXPECT_TRUE(load->Enabled()) << "AutoEnable";
  EXPECT_FALSE(save->Enabled());
  EXPECT_FALSE(app_.ChooseMenuItem("FileSaveInputs")) << "a disabled item is not chosen";
  EXPECT_EQ(saves, 0);

  app_.onEnable = [&] { save->SetEnabled(true); };
  EXPECT_TRUE(app_.ChooseMenuItem("FileSaveInputs"));
  EXPECT_EQ(saves, 1);
}

// Menu handlers, the enabling event and system events all end at the event boundary.
TEST_F(MenuTest, AnExceptionInAnApplicationEventIsReported) {
  app_.AddMenuHandler("FileSaveResults", []() -> bool { throw std::runtime_error("disk gone"); });
  EXPECT_TRUE(app_.ChooseMenuItem("FileSaveResults"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("disk gone"), std::string::npos) << Messages()[0];

  app_.onEnable = [] { throw std::runtime_error("enabling failed"); };
  app_.AddMenuHandler("FileLoadInputs", [] { return true; });
  EXPECT_TRUE(app_.ChooseMenuItem("FileLoadInputs"));
  EXPECT_EQ(Messages().size(), 2u);

  EXPECT_FALSE(app_.HandleAppleEvent("aevt", "boom"));
  EXPECT_EQ(app_.appleEvents, (std::vector<std::string>{"aevt/boom"}));
  EXPECT_EQ(Messages().size(), 3u);
}

}  // namespace
