#include "pages/AboutText.h"

// Each text fits the About page's 580-pixel lines in the normal font; the version line and
// the address take one line each.
namespace tavrel::about {

std::string VersionLine() {
  return std::string("Tavrel ") + TAVREL_VERSION + ", " + TAVREL_RELEASE_DATE +
         ". \u00A9 2026 the Tavrel authors";
}

std::string ContactSentence() {
  return "For the latest version of Tavrel, and to tell us what you think of it, please visit";
}

std::string LinkAddress() {
  return TAVREL_HOME_PAGE;
}

std::array<std::string, 3> Notice() {
  return {
      "Every figure Tavrel shows follows from the assumptions you enter",
      "and is only as sound as they are.",
      "None of it is financial advice.",
  };
}

}  // namespace tavrel::about
