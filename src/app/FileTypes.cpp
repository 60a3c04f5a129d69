#include "app/FileTypes.h"

namespace tavrel::FileTypes {

namespace {

std::vector<FileType>& Registered() {
  static std::vector<FileType> all;
  return all;
}

}  // namespace

void Initialize() {
  if (!Registered().empty()) {
    return;
  }
  FileType text;
  text.Name = "text";
  text.Extensions = {};
  text.MacType = "TEXT";
  text.MacCreator = "R*ch";
  text.MimeType = "";
  text.Imported = true;
  text.ConformsTo = "";
  Registered().push_back(std::move(text));
}

const FileType* Text() {
  return Registered().empty() ? nullptr : &Registered().front();
}

const std::vector<FileType>& AllFileTypes() {
  return Registered();
}

}  // namespace tavrel::FileTypes
