#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

// Lines 1 to 23 are all that a load uses, so no later line is read. They are applied whole
// or not at all: a file whose lines go beyond these limits is no inputs file, and reading
// stops there, so a huge file costs no more than the limits.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr std::size_t kMaxBytesRead = std::size_t{1} << 20;

// An entry as the file keeps it: the number itself, so that loading it and pressing Okay
// gives back the same double. Fixed notation, because the number filter would drop the "e"
// of an exponent; the shortest such text that reads back exactly. An infinity, which Val
// gives for digits beyond the largest double, is kept as 10^309, which reads back as the
// same infinity: the line stays short however many digits were typed.
std::string EntryLine(double value) {
  if (std::isinf(value)) {
    return (value < 0 ? "-1" : "1") + std::string(309, '0');
  }
  // The longest fixed text of a double is the smallest subnormal's: "-0." and 324 digits.
  std::array<char, 512> buffer{};
  const std::to_chars_result result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

// Reads the first `count` lines of the file. False when the file cannot be opened, fails
// part-way or is too large; the user has then been told.
bool ReadInputLines(const platform::FolderItem& file, std::int64_t count,
                    std::vector<std::string>& lines) {
  std::unique_ptr<platform::TextInputStream> reader = file.OpenAsTextFile();
  if (!reader) {
    return false;
  }
  std::size_t bytes = 0;
  // At least one line is read, even from an empty file.
  do {
    std::string line = reader->ReadLine(std::min(kMaxLineBytes, kMaxBytesRead - bytes));
    if (reader->Failed()) {
      return false;
    }
    if (reader->TooLong()) {
      file.ReportProblem("loaded", "it is too large to be an inputs file");
      return false;
    }
    bytes += line.size();
    lines.push_back(std::move(line));
  } while (!reader->IsEOF() && static_cast<std::int64_t>(lines.size()) < count);
  return true;
}

void ApplyInputLines(MainWindow& window, const std::vector<std::string>& lines) {
  const std::string tab = platform::Chr(9);
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    // Only the text before a line's first tab counts.
    const std::string value = platform::NthField(lines[n - 1], tab, 1);
    if (n == 1) {
      platform::RadioButton& button =
          platform::TextEquals(value, "true") ? *window.RadioButton1(0) : *window.RadioButton1(1);
      // Selecting a button raises its Action, whose handler sets the mode, the caption
      // of field 7 and the two help texts to match.
      button.SetValue(true);
      continue;
    }
    const std::int64_t field = static_cast<std::int64_t>(n) - 2;
    if (!value.empty() && field < window.gNumTextFields) {
      window.TextField1(field)->SetText(value);
    }
  }
}

}  // namespace

void MainWindow::SaveInputs() {
  const std::optional<platform::FolderItem> file =
      platform::GetSaveFolderItem("TEXT", gInputFilename);
  if (!file) {
    return;
  }
  gInputFilename = file->Name();
  const std::unique_ptr<platform::TextOutputStream> writer = file->CreateTextFile();
  if (!writer) {
    return;  // the platform has named the file and the reason
  }
  writer->WriteLine(gLiveInRent ? "true" : "false");
  for (std::int64_t i = 0; i <= gNumTextFields - 1; ++i) {
    gInputData[static_cast<std::size_t>(i)] = platform::Val(TextCheck(TextField1(i)->Text()));
    writer->WriteLine(EntryLine(gInputData[static_cast<std::size_t>(i)]));
  }
  // A failed close keeps the old file and has told the user; nothing is left to do.
  writer->Close();
}

void MainWindow::loadInputs() {
  const std::optional<platform::FolderItem> file = platform::GetOpenFolderItem("TEXT");
  if (file) {
    gInputFilename = file->Name();
    // Every line is read before any is applied, so a file that is refused part-way leaves
    // the form as it was.
    std::vector<std::string> lines;
    if (ReadInputLines(*file, 1 + gNumTextFields, lines)) {
      ApplyInputLines(*this, lines);
    }
  }
  Refresh(true);
}

}  // namespace tavrel
