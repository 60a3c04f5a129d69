#pragma once

#include <string>
#include <vector>

// The document types the program registers. The file dialogs pass their own filter
// ("TEXT"), so nothing reads these after start-up.
namespace tavrel {

struct FileType {
  std::string Name;
  std::vector<std::string> Extensions;
  std::string MacType;
  std::string MacCreator;
  std::string MimeType;
  bool Imported = false;
  std::string ConformsTo;
};

namespace FileTypes {

// Registers the plain-text type; done once at start-up (a second call changes nothing).
void Initialize();
// The plain-text type; nullptr before Initialize.
const FileType* Text();
// Every registered type, in the order registered.
const std::vector<FileType>& AllFileTypes();

}  // namespace FileTypes

}  // namespace tavrel
