// Save Inputs and Load Inputs: the 23-line file, its round trip, and files that cannot be
// written or read.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "window/form/FormTestSupport.h"

namespace tavrel::formtest {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::ReadLines;
using testing::WriteFile;

class InputsFileTest : public FormTest {
 protected:
  void Save(MainWindow& w, const fs::path& path) {
    ExpectSave(path);
    w.SaveInputs();
  }
  void Load(MainWindow& w, const fs::path& path) {
    ExpectOpen(path);
    w.loadInputs();
  }
  // Loads a file of the given content, written under the given name.
  void LoadText(MainWindow& w, const std::string& content, const std::string& name = "in") {
    WriteFile(TempDir() / name, content);
    Load(w, TempDir() / name);
  }
};

TEST_F(InputsFileTest, SavesTheChoiceAndTheCleanedNumbers) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  w.TextField1(5)->SetText("$9,500");
  w.TextField1(6)->SetText("5%");
  w.TextField1(8)->SetText("1,200.75");
  w.TextField1(9)->SetText("");
  w.TextField1(10)->SetText("letters");
  w.TextField1(3)->SetText("6.75");
  w.TextField1(17)->SetText("-3");
  w.TextField1(21)->SetText("0.1");
  const std::int64_t refreshes = w.RefreshCount();
  const Entries before = Texts(w);

  Save(w, TempDir() / "inputs.txt");

  const std::vector<std::string> expected = {
      "true", "250000", "50000", "200000", "6.75", "30", "9500", "5", "1500", "1200.75", "0",   "0",
      "1000", "3",      "3",     "3",      "3",    "3",  "-3",   "0", "0",    "0",       "0.1",
  };
  EXPECT_EQ(ReadLines(TempDir() / "inputs.txt"), expected);
  EXPECT_EQ(w.gInputFilename, "inputs.txt");
  EXPECT_EQ(w.gInputData[8], 1200.75);
  EXPECT_EQ(w.gInputData[5], 9500);
  EXPECT_EQ(w.gInputData[22], 0);
  // Saving changes no field, no input and does not redraw.
  EXPECT_EQ(Texts(w), before);
  EXPECT_EQ(w.gHomePrice, 0);
  EXPECT_EQ(w.RefreshCount(), refreshes);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(InputsFileTest, SavesFalseInRentModeAndReplacesAnOldFile) {
  MainWindow& w = OpenForm();
  w.RadioButton1(1)->SetValue(true);
  WriteFile(TempDir() / "old", "something else entirely\n");
  Save(w, TempDir() / "old");
  const std::vector<std::string> lines = ReadLines(TempDir() / "old");
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "false");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], "0") << "line " << i + 1;
  }
}

TEST_F(InputsFileTest, LoadingASavedFileRestoresTheChoiceAndEveryField) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  w.TextField1(3)->SetText("6.75%");
  w.RadioButton1(1)->SetValue(true);
  Save(w, TempDir() / "saved");
  Okay(w);
  const double rate = w.gR;
  const YearTable tavrel = w.gTavrel;

  CloseMainWindow();
  MainWindow& fresh = OpenForm();
  Load(fresh, TempDir() / "saved");
  EXPECT_EQ(Mode(fresh), (ModeView{false, kRentCaption, kRentHelp7, kRentHelp12, false, true}));
  Entries expected = kExampleEntries;
  expected[3] = "6.75";
  EXPECT_EQ(Texts(fresh), expected);
  // Loading does not calculate; Okay does, to the same figures.
  EXPECT_FALSE(fresh.gCalculations);
  Okay(fresh);
  EXPECT_EQ(fresh.gR, rate);
  EXPECT_EQ(fresh.gTavrel, tavrel);
}

struct FirstLine {
  const char* name;
  const char* line;
  bool liveIn;
};

class FirstLineTest : public InputsFileTest, public ::testing::WithParamInterface<FirstLine> {};

TEST_P(FirstLineTest, SelectsLiveInOnlyForTrueInAnyCase) {
  const FirstLine& c = GetParam();
  MainWindow& w = OpenForm();
  // Start from the other mode, so that the load has to change it.
  w.RadioButton1(c.liveIn ? 1 : 0)->SetValue(true);
  LoadText(w, std::string(c.line) + "\n1\n");
  const ModeView expected =
      c.liveIn ? ModeView{true, kLiveInCaption, kLiveInHelp7, kLiveInHelp12, true, false}
               : ModeView{false, kRentCaption, kRentHelp7, kRentHelp12, false, true};
  EXPECT_EQ(Mode(w), expected) << "first line \"" << c.line << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FirstLineTest,
    ::testing::Values(FirstLine{"Lower", "true", true}, FirstLine{"Upper", "TRUE", true},
                      FirstLine{"Capital", "True", true},
                      FirstLine{"BeforeATab", "true\tlive in", true},
                      FirstLine{"CarriageReturnEnding", "true\r", true},
                      FirstLine{"False", "false", false}, FirstLine{"Empty", "", false},
                      FirstLine{"TrailingBlank", "true ", false}, FirstLine{"Yes", "yes", false},
                      FirstLine{"One", "1", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Of each line only the text before its first tab counts, put into its field as read; a
// line without that text, or one the file does not reach, leaves its field as it was.
TEST_F(InputsFileTest, EachLineBeforeItsFirstTabReachesItsFieldAsRead) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  LoadText(w, "true\n1500\tword\n\t99\n   \n$250,000\n-12.5\nabc\n");
  Entries expected = kExampleEntries;
  expected[0] = "1500";
  expected[2] = "   ";  // blanks are a value, read as is
  expected[3] = "$250,000";
  expected[4] = "-12.5";
  expected[5] = "abc";
  EXPECT_EQ(Texts(w), expected);
}

TEST_F(InputsFileTest, AnEmptyFileSelectsRentChangesNoFieldAndRedraws) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  const std::int64_t refreshes = w.RefreshCount();
  LoadText(w, "");
  EXPECT_FALSE(w.gLiveInRent);
  EXPECT_EQ(w.Label1(7)->Text(), kRentCaption);
  EXPECT_TRUE(w.RadioButton1(1)->Value());
  EXPECT_EQ(Texts(w), kExampleEntries);
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(InputsFileTest, LinesAfterTheTwentyThirdAreIgnored) {
  MainWindow& w = OpenForm();
  std::string content = "false\n";
  for (int i = 0; i < 22; ++i) {
    content += std::to_string(i + 1) + "\n";
  }
  content += "999\n\n777\tx\n";
  LoadText(w, content);
  for (std::int64_t i = 0; i < 22; ++i) {
    EXPECT_EQ(w.TextField1(i)->Text(), std::to_string(i + 1)) << "field " << i;
  }
  EXPECT_FALSE(w.gLiveInRent);
  EXPECT_TRUE(Messages().empty());
}

// Lines 1 to 23 are applied whole or not at all: one beyond 64 KiB, or more than 1 MiB in
// all, refuses the file and changes nothing. No line after line 23 is read.
TEST_F(InputsFileTest, LinesBeyondTheLimitsRefuseTheFile) {
  struct Row {
    const char* name;
    std::size_t line;  // the long line; 0 for every entry line
    std::size_t length;
    std::size_t after;  // the length of a line after line 23
    bool refused;
  };
  const Row rows[] = {
      {"a 2 MB line 5", 5, 2 << 20, 0, true},
      {"line 23 one byte too long", 23, 64 * 1024 + 1, 0, true},
      {"more than 1 MiB in all", 0, 50000, 0, true},
      {"the longest line", 2, 64 * 1024, 0, false},
      {"a 3 MB line after line 23", 2, 1, 3 << 20, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MainWindow& w = OpenForm();
    Fill(w, kExampleEntries);
    const ModeView mode = Mode(w);
    const std::size_t messages = Messages().size();
    Entries lines;
    std::string content = "false\n";
    for (std::size_t n = 2; n <= 23; ++n) {
      lines[n - 2] = std::string(row.line == n || row.line == 0 ? row.length : 1, '7');
      content += lines[n - 2] + "\n";
    }
    LoadText(w, content + std::string(row.after, '7'));
    ASSERT_EQ(Messages().size(), messages + (row.refused ? 1 : 0));
    if (row.refused) {
      EXPECT_EQ(Messages().back(),
                "The file \"" + (TempDir() / "in").string() +
                    "\" could not be loaded: it is too large to be an inputs file.");
      EXPECT_EQ(Texts(w), kExampleEntries);
      EXPECT_EQ(Mode(w), mode);
    } else {
      EXPECT_TRUE(Texts(w) == lines);
    }
    CloseMainWindow();
  }
}

TEST_F(InputsFileTest, LoadingRunsNoCalculationAndKeepsThePage) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  Okay(w);
  ASSERT_TRUE(w.gCalculations);
  const YearTable tavrel = w.gTavrel;
  w.gWindow = 0;
  w.SetUpAbout();
  LoadText(w, "true\n300000\n");
  EXPECT_EQ(w.gWindow, 0);
  EXPECT_EQ(w.gHomePrice, 250000);
  EXPECT_EQ(w.gTavrel, tavrel);
  EXPECT_EQ(w.gCheck, -1);
  EXPECT_EQ(w.TextField1(0)->Text(), "300000");
  EXPECT_FALSE(w.TextField1(0)->Visible());
}

TEST_F(InputsFileTest, TheChosenNamesAreOfferedAgain) {
  MainWindow& w = OpenForm();
  Save(w, TempDir() / "first inputs");
  ExpectSave(std::nullopt);
  w.SaveInputs();  // cancelled: the name stays
  LoadText(w, "true\n", "loaded");
  Save(w, TempDir() / "second");
  ExpectSave(std::nullopt);
  w.SaveInputs();
  // Each save dialog offers the name chosen last, in either dialog.
  const std::vector<std::string> offered = {"Tavrelinput", "first inputs", "loaded", "second"};
  EXPECT_EQ(SaveDialogNames(), offered);
  EXPECT_EQ(w.gInputFilename, "second");
}

// Cancelling the save dialog changes nothing; cancelling the open dialog still redraws.
TEST_F(InputsFileTest, CancelledDialogs) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  const ModeView mode = Mode(w);
  const std::string name = w.gInputFilename;
  const std::int64_t refreshes = w.RefreshCount();
  ExpectSave(std::nullopt);
  w.SaveInputs();
  EXPECT_EQ(w.gInputData[0], 0);
  EXPECT_TRUE(fs::is_empty(TempDir()));
  EXPECT_EQ(w.RefreshCount(), refreshes);
  ExpectOpen(std::nullopt);
  w.loadInputs();
  EXPECT_EQ(w.RefreshCount(), refreshes + 1);
  EXPECT_EQ(w.gInputFilename, name);
  EXPECT_EQ(Texts(w), kExampleEntries);
  EXPECT_EQ(Mode(w), mode);
}

TEST_F(InputsFileTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  fs::create_directory(TempDir() / "a folder");
  for (const char* name : {"missing", "a folder"}) {
    SCOPED_TRACE(name);
    MainWindow& w = OpenForm();
    Fill(w, kExampleEntries);
    const ModeView mode = Mode(w);
    const std::size_t messages = Messages().size();
    Load(w, TempDir() / name);
    ASSERT_EQ(Messages().size(), messages + 1);
    EXPECT_NE(Messages().back().find(name), std::string::npos) << Messages().back();
    EXPECT_EQ(Texts(w), kExampleEntries);
    EXPECT_EQ(Mode(w), mode);
    EXPECT_EQ(w.gInputFilename, name);
    CloseMainWindow();
  }
}

TEST_F(InputsFileTest, AFileThatCannotBeCreatedIsReported) {
  MainWindow& w = OpenForm();
  Save(w, TempDir() / "no such folder" / "inputs");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("inputs"), std::string::npos) << Messages()[0];
  EXPECT_FALSE(fs::exists(TempDir() / "no such folder"));
  EXPECT_EQ(w.gInputFilename, "inputs");
}

TEST_F(InputsFileTest, AFailedSaveKeepsTheOldFile) {
  MainWindow& w = OpenForm();
  Fill(w, kExampleEntries);
  const std::string old = "false\n1\n2\n";
  WriteFile(TempDir() / "kept", old);

  ExpectSave(TempDir() / "kept");
  {
    const testing::FileSizeLimit tight(8);
    ASSERT_TRUE(tight.InForce());
    w.SaveInputs();
  }

  EXPECT_EQ(ReadAll(TempDir() / "kept"), old);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("kept"), std::string::npos) << Messages()[0];
  // No half-written file is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(TempDir())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace tavrel::formtest
