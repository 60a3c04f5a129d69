#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A menu, a menu item or a separator (Text "-"), arranged as a tree under a MenuBar.
class MenuItem {
 public:
  enum class Role { Normal, About, Quit };

  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  virtual Role ItemRole() const { return Role::Normal; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  bool IsSeparator() const { return text_ == "-"; }
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool v) { autoEnable_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }

  void Append(std::unique_ptr<MenuItem> item);
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t i) const { return *children_.at(i); }
  // The direct child of that name; nullptr when none.
  MenuItem* Child(std::string_view name) const;
  // This item or any item below it with that name, depth first; nullptr when none.
  MenuItem* Lookup(std::string_view name);

 private:
  std::string name_;
  std::string text_;
  bool autoEnable_ = true;
  bool visible_ = true;
  bool enabled_ = true;
  std::string shortcut_;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// The application's About command (in the application menu on macOS).
class AppleMenuItem : public MenuItem {
 public:
  Role ItemRole() const override { return Role::About; }
};

// Quits the application; needs no handler.
class QuitMenuItem : public MenuItem {
 public:
  Role ItemRole() const override { return Role::Quit; }
};

class MenuBar : public MenuItem {};

}  // namespace platform
