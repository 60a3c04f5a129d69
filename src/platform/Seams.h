#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"
#include "platform/System.h"

// Replacements for the system's services, so tests run without a display, dialogs or a
// browser. Each is in force while the object that installed it lives.
namespace platform::seams {

using SaveDialog = std::function<std::optional<std::string>(std::string_view filter,
                                                            std::string_view defaultName)>;
using OpenDialog = std::function<std::optional<std::string>(std::string_view filter)>;
using UrlOpener = std::function<void(std::string_view address)>;
using MessageSink = std::function<void(std::string_view title, std::string_view text)>;
using GraphicsFactory = std::function<std::unique_ptr<Graphics>()>;

// Installs the given replacements on construction and restores the previous ones on
// destruction. Fields left empty keep the service in force: the real one, unless an
// enclosing ScopedOverrides replaced it.
struct Overrides {
  std::optional<ScreenInfo> screen;
  std::optional<std::vector<std::string>> fonts;
  SaveDialog saveDialog;  // returns the chosen path, or nothing for cancel
  OpenDialog openDialog;  // returns the chosen path, or nothing for cancel
  UrlOpener showURL;
  MessageSink message;
  GraphicsFactory measuring;  // measuring context of windows created while in force
};

class ScopedOverrides {
 public:
  explicit ScopedOverrides(Overrides overrides);
  ~ScopedOverrides();
  ScopedOverrides(const ScopedOverrides&) = delete;
  ScopedOverrides& operator=(const ScopedOverrides&) = delete;

 private:
  Overrides previous_;
};

}  // namespace platform::seams
