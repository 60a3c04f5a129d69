#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Reading and writing the files a test hands to the program, byte for byte, and a full disk.
namespace tavrel::testing {

// The lines of a file, split at "\n" only, so a stray "\r" stays visible.
inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

// Limits the size of the files this process writes, as a full disk would (even root cannot
// pass it), and ignores the signal that exceeding it raises, while it lives; both are put
// back when it goes, also when the test fails part-way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(signal(SIGXFSZ, SIG_IGN)) {
    if (getrlimit(RLIMIT_FSIZE, &previous_) != 0) {
      return;
    }
    const rlimit tight{bytes, previous_.rlim_max};
    inForce_ = setrlimit(RLIMIT_FSIZE, &tight) == 0;
  }
  ~FileSizeLimit() {
    if (inForce_) {
      setrlimit(RLIMIT_FSIZE, &previous_);
    }
    signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool InForce() const { return inForce_; }

 private:
  void (*previousHandler_)(int);
  rlimit previous_{};
  bool inForce_ = false;
};

}  // namespace tavrel::testing
