#include "platform/Menu.h"

namespace platform {

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() = default;

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
  if (item)
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name)
      return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) {
  if (name_ == name)
    return this;
  for (const auto& child : children_) {
    if (MenuItem* found = child->Lookup(name))
      return found;
  }
  return nullptr;
}

}  // namespace platform
