#pragma once

// Private to the platform layer: the replacements in force and shared constants.

#include "platform/Seams.h"

namespace platform {

// Title of the message boxes the platform shows on its own (failed files, errors caught
// at the event boundary).
inline constexpr const char* kMessageTitle = "Tavrel";

namespace seams {
// The replacements in force; empty fields mean the real service.
const Overrides& Current();
}  // namespace seams

}  // namespace platform
