// Text files: what is written is read back; a failed or abandoned write leaves the old
// file whole; every line ending is read; failures are reported once, naming the file.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "PlatformTest.h"
#include "platform/Files.h"
#include "support/TestFiles.h"

namespace {

using namespace platform;
using tavrel::testing::ReadAll;
using tavrel::testing::WriteFile;
namespace fs = std::filesystem;

// The longest line a read below allows.
constexpr std::size_t kMax = 64 * 1024;

class FilesTest : public platform::testing::PlatformTest {
 protected:
  FilesTest() {
    std::string pattern = (fs::temp_directory_path() / "tavrel-files-XXXXXX").string();
    if (mkdtemp(pattern.data()))
      dir_ = pattern;
  }
  ~FilesTest() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  fs::path Path(const std::string& name) const { return dir_ / name; }

  // Every line the reader gives until it reports the end.
  static std::vector<std::string> ReadLines(TextInputStream& in) {
    std::vector<std::string> lines;
    while (!in.IsEOF() && lines.size() < 100000)
      lines.push_back(in.ReadLine(kMax));
    return lines;
  }

  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

TEST_F(FilesTest, WhatIsWrittenIsReadBack) {
  const std::vector<std::string> lines = {"true",
                                          "9500",
                                          "",
                                          "Annual homeowner\u2019s insurance",
                                          "a\u2014b",
                                          "\xFF\xFE invalid",
                                          "year\trent saving\ttax saving",
                                          "-1,234.50"};
  const FolderItem item(Path("Tavrelinput").string());
  EXPECT_EQ(item.Name(), "Tavrelinput");
  {
    auto out = item.CreateTextFile();
    ASSERT_NE(out, nullptr);
    for (const auto& line : lines)
      out->WriteLine(line);
    EXPECT_TRUE(out->Close());
    EXPECT_TRUE(out->Close()) << "closing again changes nothing";
  }
  std::string expectedBytes;
  for (const auto& line : lines)
    expectedBytes += line + "\n";
  EXPECT_EQ(ReadAll(Path("Tavrelinput")), expectedBytes) << "UTF-8, each line ends in \\n";

  auto in = item.OpenAsTextFile();
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(ReadLines(*in), lines);
  EXPECT_TRUE(in->IsEOF());
  EXPECT_FALSE(in->Failed());
  EXPECT_EQ(in->ReadLine(kMax), "") << "empty text at the end";
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file left behind";
}

TEST_F(FilesTest, AnExistingFileIsReplacedOnlyWhenTheWriterCloses) {
  const fs::path path = Path("Tavreloutput");
  WriteFile(path, "old contents\n");
  const FolderItem item(path.string());

  {
    auto abandoned = item.CreateTextFile();
    ASSERT_NE(abandoned, nullptr);
    abandoned->WriteLine("half a report");
    EXPECT_EQ(ReadAll(path), "old contents\n") << "nothing replaced before Close";
  }
  EXPECT_EQ(ReadAll(path), "old contents\n") << "an abandoned write keeps the old file";
  EXPECT_EQ(FilesInDir(), 1u);

  auto out = item.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("new");
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(ReadAll(path), "new\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FilesTest, AFileThatCannotBeCreatedIsReportedOnce) {
  // A regular file in the place of a folder stops the write, whoever runs the test.
  WriteFile(Path("plain"), "x");
  const FolderItem item((Path("plain") / "Tavrelinput").string());
  EXPECT_EQ(item.CreateTextFile(), nullptr);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("Tavrelinput"), std::string::npos) << Messages()[0];
  EXPECT_EQ(ReadAll(Path("plain")), "x");
}

TEST_F(FilesTest, AFailedCommitKeepsWhatWasThereAndSaysSo) {
  const fs::path path = Path("report");
  const FolderItem item(path.string());
  auto out = item.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("lost");
  // Something else takes the name meanwhile: a folder that the new file cannot replace.
  fs::create_directory(path);
  WriteFile(path / "keep", "kept");
  EXPECT_FALSE(out->Close());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("report"), std::string::npos) << Messages()[0];
  EXPECT_EQ(ReadAll(path / "keep"), "kept");
  EXPECT_FALSE(out->Close());
  EXPECT_EQ(Messages().size(), 1u) << "reported once";
  out.reset();
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file left behind";
}

TEST_F(FilesTest, AWriteCutShortFailsTheSaveAndKeepsTheOldFile) {
  const fs::path path = Path("kept");
  WriteFile(path, "false\n1\n2\n");
  const FolderItem item(path.string());
  auto out = item.CreateTextFile();
  ASSERT_NE(out, nullptr);
  for (int i = 0; i < 100; ++i)
    out->WriteLine("a line of the report");
  bool closed = true;
  {
    const tavrel::testing::FileSizeLimit tight(8);
    ASSERT_TRUE(tight.InForce());
    closed = out->Close();
  }
  EXPECT_FALSE(closed);
  EXPECT_EQ(ReadAll(path), "false\n1\n2\n");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("kept"), std::string::npos) << Messages()[0];
  out.reset();
  EXPECT_EQ(FilesInDir(), 1u) << "no half-written file left behind";
}

TEST_F(FilesTest, EveryLineEndingIsRead) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::string longLine(kMax + 100, 'z');
  const std::string atBoundary(64 * 1024 - 1, 'q');  // "\r" ends one chunk, "\n" starts the next
  const std::vector<Row> rows = {
      {"newline", "a\nb\n", {"a", "b"}},
      {"carriage return and newline", "a\r\nb\r\n", {"a", "b"}},
      {"lone carriage return", "a\rb\r", {"a", "b"}},
      {"no ending at the end", "a\nb", {"a", "b"}},
      {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"empty lines kept", "a\n\n\nb\n", {"a", "", "", "b"}},
      {"two carriage returns are two lines", "a\r\rb", {"a", "", "b"}},
      {"newline then carriage return", "a\n\rb", {"a", "", "b"}},
      {"only an ending", "\n", {""}},
      {"empty file", "", {}},
      {"invalid UTF-8 as it is", "\xFF\xFE\n\xC0\xAF", {"\xFF\xFE", "\xC0\xAF"}},
      {"ending across chunks", atBoundary + "\r\nnext", {atBoundary, "next"}},
      {"over-long line stops the reading", longLine + "\nnext\n", {std::string(kMax, 'z')}},
      {"longest line whole", std::string(kMax, 'y') + "\n", {std::string(kMax, 'y')}},
  };
  for (const Row& row : rows) {
    const fs::path path = Path("lines");
    WriteFile(path, row.bytes);
    auto in = FolderItem(path.string()).OpenAsTextFile();
    ASSERT_NE(in, nullptr) << row.name;
    EXPECT_EQ(ReadLines(*in), row.lines) << row.name;
    EXPECT_TRUE(in->IsEOF()) << row.name;
    EXPECT_FALSE(in->Failed()) << row.name;
  }
  EXPECT_TRUE(Messages().empty());
}

// Only a regular file is read: a pipe or a device could keep the open or the read waiting,
// or never end.
TEST_F(FilesTest, AFileThatCannotBeOpenedIsReportedOnce) {
  struct Row {
    const char* name;
    fs::path path;
    const char* reason;
  };
  fs::create_directory(Path("folder"));
  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
  const Row rows[] = {
      {"missing file", Path("Missing input"), "no such file exists"},
      {"a folder", Path("folder"), "it is a folder"},
      {"below a missing folder", Path("Missing input") / "x", "no such file exists"},
      {"a named pipe without a writer", Path("pipe"), "it is a named pipe"},
      {"an endless device", "/dev/zero", "it is a device"},
  };
  for (const Row& row : rows) {
    const std::size_t before = Messages().size();
    EXPECT_EQ(FolderItem(row.path.string()).OpenAsTextFile(), nullptr) << row.name;
    ASSERT_EQ(Messages().size(), before + 1) << row.name;
    const std::string expected =
        "Tavrel: The file \"" + row.path.string() + "\" could not be opened: " + row.reason + ".";
    EXPECT_EQ(Messages().back(), expected) << row.name;
  }
}

}  // namespace
