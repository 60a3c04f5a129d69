#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Writes a text file line by line. The file is replaced only when Close succeeds: until
// then the new text goes elsewhere, so a failed or abandoned write leaves an existing
// file whole.
class TextOutputStream {
 public:
  virtual ~TextOutputStream() = default;
  // Writes line as UTF-8 followed by "\n".
  virtual void WriteLine(std::string_view line) = 0;
  // Completes the file. On failure shows a message box naming the file and the
  // reason, keeps the old file, and returns false.
  virtual bool Close() = 0;
};

// Reads a text file line by line, never more of it than the caller allows.
class TextInputStream {
 public:
  virtual ~TextInputStream() = default;
  // The next line without its ending ("\n", "\r\n" or a lone "\r"); empty text at the
  // end. Invalid UTF-8 is read without failing. At most maxBytes of the line are read: a
  // longer line is not read to its end, TooLong() turns true and no line follows it.
  virtual std::string ReadLine(std::size_t maxBytes) = 0;
  // True when no line is left (or reading failed, or a line was too long).
  virtual bool IsEOF() const = 0;
  // True when reading failed part-way; a message box naming the file and the reason has
  // then been shown.
  virtual bool Failed() const = 0;
  // True when a line was longer than its read allowed.
  virtual bool TooLong() const = 0;
};

// A file chosen by the user.
class FolderItem {
 public:
  explicit FolderItem(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }
  // The file's name without its folder.
  std::string Name() const;

  // Starts writing the file (an existing one is replaced when the writer is closed).
  // nullptr, after a message box naming the file and the reason, when it cannot be.
  std::unique_ptr<TextOutputStream> CreateTextFile() const;
  // Opens the file for reading. Only a regular file is opened, and opening it never
  // waits; nullptr, after a message box naming the file and the reason, when it cannot be.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;
  // A message box: the file could not be `what` ("loaded"), for the reason given.
  void ReportProblem(std::string_view what, std::string_view reason) const;

 private:
  std::string path_;
};

// The system's save dialog for text files, offering defaultName; nothing on cancel.
std::optional<FolderItem> GetSaveFolderItem(std::string_view filter, std::string_view defaultName);
// The system's open dialog for text files; nothing on cancel.
std::optional<FolderItem> GetOpenFolderItem(std::string_view filter);

}  // namespace platform
