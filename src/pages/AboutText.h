#pragma once

#include <array>
#include <string>

// Tavrel's own texts of the About page, which Event_Open writes into the page's source
// lines.
namespace tavrel::about {

// One line: the program, its version, its release date and its rights.
std::string VersionLine();
// One sentence inviting the user to the latest version; its last word leads into the
// link address.
std::string ContactSentence();
// The project's home page: one word, short enough for one line. Also the link's target.
std::string LinkAddress();
// The notice, in three parts laid out as one paragraph.
std::array<std::string, 3> Notice();

}  // namespace tavrel::about
