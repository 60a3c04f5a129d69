#include "platform/Seams.h"

#include "platform/Internal.h"

namespace platform::seams {
namespace {

Overrides& InForce() {
  static Overrides current;
  return current;
}

}  // namespace

const Overrides& Current() {
  return InForce();
}

// Fields left empty keep what is in force, so a test can replace one service on top of
// a fixture that replaced them all, and never falls through to a real dialog.
ScopedOverrides::ScopedOverrides(Overrides overrides) : previous_(InForce()) {
  Overrides& current = InForce();
  if (overrides.screen)
    current.screen = std::move(overrides.screen);
  if (overrides.fonts)
    current.fonts = std::move(overrides.fonts);
  if (overrides.saveDialog)
    current.saveDialog = std::move(overrides.saveDialog);
  if (overrides.openDialog)
    current.openDialog = std::move(overrides.openDialog);
  if (overrides.showURL)
    current.showURL = std::move(overrides.showURL);
  if (overrides.message)
    current.message = std::move(overrides.message);
  if (overrides.measuring)
    current.measuring = std::move(overrides.measuring);
}

ScopedOverrides::~ScopedOverrides() {
  InForce() = std::move(previous_);
}

}  // namespace platform::seams
