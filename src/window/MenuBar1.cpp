#include "window/MenuBar1.h"

#include <memory>
#include <string>

namespace tavrel {

namespace {

// Every item is enabled automatically, visible and without a keyboard shortcut; the
// separator is the one item that gets no shortcut setting at all.
template <class Item>
std::unique_ptr<platform::MenuItem> MakeItem(std::string name, std::string text) {
  auto item = std::make_unique<Item>();
  item->SetName(std::move(name));
  item->SetAutoEnable(true);
  const bool separator = text == "-";
  item->SetText(std::move(text));
  item->SetVisible(true);
  if (!separator) {
    item->SetKeyboardShortcut("");
  }
  return item;
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
}

void MenuBar1::Untitled0() {
  Append(MakeItem<platform::MenuItem>("file", "File"));
  platform::MenuItem& file = *Child("file");
  file.Append(MakeItem<platform::AppleMenuItem>("TavrelAboutTavrel", "About Tavrel"));
  file.Append(MakeItem<platform::MenuItem>("FileLoadInputs", "Load Inputs..."));
  file.Append(MakeItem<platform::MenuItem>("FileSaveInputs", "Save Inputs..."));
  file.Append(MakeItem<platform::MenuItem>("FileSaveResults", "Save Results..."));
  file.Append(MakeItem<platform::MenuItem>("UntitledSeparator", "-"));
  file.Append(MakeItem<platform::QuitMenuItem>("FileQuit", "Quit"));
}

MenuBar1& SharedMenuBar1() {
  static MenuBar1 shared;
  return shared;
}

}  // namespace tavrel
