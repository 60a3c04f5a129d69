// The word-wrap layout, measured at 10 pixels a character.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "pages/AboutText.h"
#include "pages/PagesTest.h"
#include "platform/Graphics.h"
#include "platform/Text.h"

namespace tavrel::pagestest {
namespace {

struct LayoutCase {
  const char* name;
  std::vector<Source> sources;
  std::vector<Line> expected;
};

// Every source spans x 30 to 100 (a space of 70, 60 on an indented line); the call is
// TextFixer(30, 20, 40) on the form page.
std::vector<LayoutCase> FormPageCases() {
  return {
      {"worked example",
       {{"aa bb cc"}, {kCR + "dd ee"}, {"ffffffffff"}},
       {{"aa bb ", 30, 100, 0, 30},
        {"cc ", 30, 100, 0, 50},
        {"dd ee ", 40, 100, 0, 70},
        {"ffffffffff ", 30, 100, 0, 90}}},
      {"a candidate as wide as the space does not fit",
       {{"aa bb c"}},
       {{"aa bb ", 30, 100, 0, 30}, {"c ", 30, 100, 0, 50}}},
      {"two adjacent blanks stay", {{"aa  bb"}}, {{"aa  bb ", 30, 100, 0, 30}}},
      {"an empty source adds a blank", {{"aa"}, {""}, {"bb"}}, {{"aa  bb ", 30, 100, 0, 30}}},
      {"an empty source alone", {{""}}, {{" ", 30, 100, 0, 30}}},
      {"a lone carriage return before a paragraph gives a blank line",
       {{"aa"}, {kCR}, {kCR + "cc"}},
       {{"aa ", 30, 100, 0, 30}, {" ", 40, 100, 0, 50}, {"cc ", 40, 100, 0, 70}}},
      {"a lone carriage return before 'xx' opens ' xx '",
       {{"aa"}, {kCR}, {"xx"}},
       {{"aa ", 30, 100, 0, 30}, {" xx ", 40, 100, 0, 50}}},
      {"a last source of a lone carriage return is stored as a blank",
       {{"aa"}, {kCR}},
       {{"aa ", 30, 100, 0, 30}, {" ", 40, 100, 0, 50}}},
      {"a first source opening with a carriage return",
       {{kCR + "aa"}},
       {{"", 30, 100, 0, 30}, {"aa ", 40, 100, 0, 50}}},
      {"an over-wide first word leaves an empty line above it",
       {{"ffffffff"}},
       {{"", 30, 100, 0, 30}, {"ffffffff ", 30, 100, 0, 50}}},
      {"a word after an over-wide one starts another line",
       {{"aa ffffffff bb"}},
       {{"aa ", 30, 100, 0, 30}, {"ffffffff ", 30, 100, 0, 50}, {"bb ", 30, 100, 0, 70}}},
      {"a line keeps the margins and alignment of the source that opened it",
       {{"aa", 30, 100, 2}, {"bb", 0, 500, 1}, {"cccccc", 10, 90, 1}},
       {{"aa bb ", 30, 100, 2, 30}, {"cccccc ", 10, 90, 1, 50}}},
      {"a carriage return elsewhere is part of a word",
       {{"a" + kCR + "b c"}},
       {{"a" + kCR + "b c ", 30, 100, 0, 30}}},
  };
}

TEST_F(PagesTest, LaysOutTheFormPageCases) {
  MainWindow& w = Win();
  for (const LayoutCase& c : FormPageCases()) {
    SCOPED_TRACE(c.name);
    SetSources(w, 1, c.sources);
    w.TextFixer(30, 20, 40);
    EXPECT_EQ(w.gFirst[1], 1);
    EXPECT_EQ(w.gLast[1], static_cast<std::int64_t>(c.expected.size()));
    EXPECT_EQ(PageLines(w, 1), c.expected);
  }
}

TEST_F(PagesTest, LaysOutAPageFromItsFirstIndexAndOverwritesWhatFollows) {
  MainWindow& w = Win();
  w.gMsg[7] = "old";
  SetSources(w, 1, {{"aa bb c"}}, 5);
  w.TextFixer(30, 20, 40);
  EXPECT_EQ(w.gLast[1], 6);
  EXPECT_EQ(PageLines(w, 1),
            (std::vector<Line>{{"aa bb ", 30, 100, 0, 30}, {"c ", 30, 100, 0, 50}}));
  EXPECT_EQ(w.gMsg[7], "old");
}

TEST_F(PagesTest, AnEmptyRangeGivesNoLines) {
  MainWindow& w = Win();
  SetSources(w, 1, {{"keep"}});
  w.gLast[1] = 0;
  w.TextFixer(30, 20, 40);
  EXPECT_EQ(w.gLast[1], 0);
  EXPECT_EQ(w.gMsg[1], "keep");

  SetSources(w, 0, {{"keep"}});
  w.gLast[0] = 0;
  w.gAboutLast = 9;
  w.gURLleft = 1;
  w.gURLright = 2;
  w.gURLBottom = 3;
  w.TextFixer(80, 20, 30);
  EXPECT_EQ(w.gAboutFirst, 1);
  EXPECT_EQ(w.gAboutLast, 0);
  EXPECT_EQ(w.gURLleft, 1);
  EXPECT_EQ(w.gURLright, 2);
  EXPECT_EQ(w.gURLBottom, 3);
}

// Short About sources in the roles the open writes them, on lines from 30 to 610.
std::vector<Source> AboutSources() {
  return {{"Title", 30, 610, 1},    {kCR, 30, 610, 0},         {kCR + "para one", 30, 610, 0},
          {"two", 30, 610, 0},      {kCR, 30, 610, 0},         {kCR + "visit", 30, 610, 0},
          {kCR, 30, 610, 1},        {"www.x.org", 30, 610, 0}, {kCR, 30, 610, 0},
          {kCR + "n1", 30, 610, 0}, {"n2", 30, 610, 0},        {"n3", 30, 610, 0}};
}

TEST_F(PagesTest, LaysOutTheAboutPageIntoItsOwnLinesWithTheLinkBox) {
  MainWindow& w = Win();
  SetSources(w, 0, AboutSources());
  w.TextFixer(80, 20, 30);

  EXPECT_EQ(w.gAboutFirst, 1);
  EXPECT_EQ(AboutLines(w), (std::vector<Line>{{"Title ", 30, 610, 1, 80},
                                              {" ", 30, 610, 0, 100},
                                              {"para one two ", 30, 610, 0, 120},
                                              {" ", 30, 610, 0, 140},
                                              {"visit ", 30, 610, 0, 160},
                                              {" www.x.org ", 30, 610, 1, 180},
                                              {" ", 30, 610, 0, 200},
                                              {"n1 n2 n3 ", 30, 610, 0, 220}}));
  // The address alone (90 pixels) centred between 30 and 610, on the link's line.
  EXPECT_EQ(w.gURLleft, 275);
  EXPECT_EQ(w.gURLright, 365);
  EXPECT_EQ(w.gURLBottom, 180);
  // The page lines keep the sources.
  EXPECT_EQ(w.gLast[0], 12);
  EXPECT_EQ(w.gMsg[8], "www.x.org");
  EXPECT_EQ(w.gMsg[3], kCR + "para one");
}

TEST_F(PagesTest, TheLinkBoxTruncatesTheAddressWidthAndComesFromSourceEight) {
  MainWindow& w = Win();
  auto& g = dynamic_cast<platform::RecordingGraphics&>(w.Graphics());
  g.SetMetric([](const std::string& text, const std::string&, double) {
    return text == "www.x.org" ? 200.4 : 10.0 * static_cast<double>(platform::Len(text));
  });
  std::vector<Source> sources = AboutSources();
  sources[8].text = "more";  // source 9 continues the link's line instead of ending it
  SetSources(w, 0, sources);
  w.TextFixer(80, 20, 30);
  EXPECT_EQ(w.gURLleft, 220);
  EXPECT_EQ(w.gURLright, 420);
  EXPECT_EQ(w.gURLBottom, 180);
}

TEST_F(PagesTest, APageZeroRangeEndingBeforeTheLinkKeepsTheLinkBox) {
  MainWindow& w = Win();
  SetSources(w, 0, AboutSources());
  w.gLast[0] = 7;
  w.gURLleft = 11;
  w.gURLright = 22;
  w.gURLBottom = 33;
  w.TextFixer(80, 20, 30);
  EXPECT_EQ(w.gAboutLast, 6);
  EXPECT_EQ(w.gURLleft, 11);
  EXPECT_EQ(w.gURLright, 22);
  EXPECT_EQ(w.gURLBottom, 33);
}

// Sources that each open a line of their own: n of them make n + 1 lines.
std::vector<Source> Paragraphs(int count) {
  return std::vector<Source>(static_cast<std::size_t>(count), Source{kCR + "x", 30, 610, 0});
}

TEST_F(PagesTest, ATextNeedingMoreThanFiftyLinesKeepsTheFiftyThatFit) {
  MainWindow& w = Win();
  std::vector<Source> sources = Paragraphs(49);  // 50 lines, the most a page holds
  sources.push_back({"y"});
  SetSources(w, 1, sources);
  w.TextFixer(30, 20, 40);
  ASSERT_EQ(w.gLast[1], 50);
  EXPECT_EQ(w.gMsg[50], "x y ");

  sources = Paragraphs(50);  // holds index 1 to 50 of the sources; would need 51 lines
  SetSources(w, 1, sources);
  w.TextFixer(30, 20, 40);
  ASSERT_EQ(w.gLast[1], 50);
  EXPECT_EQ(w.gMsg[1], "");
  EXPECT_EQ(w.gMsg[50], "x ");
  EXPECT_EQ(w.gY[50], 30 + 49 * 20);

  // Over-wide words each take a line: 60 of them would need 61.
  std::string words;
  for (int i = 0; i < 60; ++i) {
    words += "ffffffffff ";
  }
  SetSources(w, 1, {{words}});
  w.TextFixer(30, 20, 40);
  EXPECT_EQ(w.gLast[1], 50);
  EXPECT_EQ(w.gMsg[50], "ffffffffff ");
}

TEST_F(PagesTest, PageLinesEndAtIndexFifty) {
  MainWindow& w = Win();
  SetSources(w, 1, Paragraphs(40), 5);  // 41 lines from index 5 would end at 45
  w.TextFixer(30, 20, 40);
  EXPECT_EQ(w.gLast[1], 45);

  SetSources(w, 1, Paragraphs(46), 5);  // 47 lines from index 5: 46 fit
  w.TextFixer(30, 20, 40);
  EXPECT_EQ(w.gLast[1], 50);
  EXPECT_EQ(w.gY[50], 30 + 45 * 20);
}

TEST_F(PagesTest, TheAboutPageKeepsFourteenLines) {
  MainWindow& w = Win();
  SetSources(w, 0, Paragraphs(20));
  w.TextFixer(80, 20, 30);
  EXPECT_EQ(w.gAboutFirst, 1);
  EXPECT_EQ(w.gAboutLast, 14);
  EXPECT_EQ(w.gAboutMsg[14], "x ");
  EXPECT_EQ(w.gAboutY[14], 340);
}

TEST_F(PagesTest, ALinkOnALineTheAboutPageCannotHoldIsNotKept) {
  MainWindow& w = Win();
  std::vector<Source> sources(7, Source{kCR + "aaaaa bbbbb"});  // two lines each
  sources.push_back({"www.x.org"});
  SetSources(w, 0, sources);
  w.gURLleft = 11;
  w.gURLright = 22;
  w.gURLBottom = 33;
  w.TextFixer(80, 20, 30);
  EXPECT_EQ(w.gAboutLast, 14);
  EXPECT_EQ(w.gURLleft, 11);
  EXPECT_EQ(w.gURLright, 22);
  EXPECT_EQ(w.gURLBottom, 33);
}

TEST_F(PagesTest, RangesOutsideTheArraysAreClamped) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  MainWindow& w = Win();
  for (std::size_t i = 0; i < w.gMsg.size(); ++i) {
    w.gMsg[i] = "w";
    w.gLeft[i] = 30;
    w.gRight[i] = 100;
    w.gJustify[i] = 0;
  }
  const auto sources = w.gMsg;

  struct Range {
    std::int64_t first, last, expectedLast;
  };
  // The 51 sources 'w' fill lines of 'w w w ' (three to a line): 17 lines. A range without
  // lines ends just before its first index, as an empty range does.
  for (const Range& r :
       {Range{-3, 99, 16}, Range{kMin, kMax, 16}, Range{0, 50, 16}, Range{60, 70, 59},
        Range{51, 51, 50}, Range{60, 55, 59}, Range{-3, -10, -4}, Range{kMin, kMin, kMin}}) {
    SCOPED_TRACE(::testing::Message() << "range " << r.first << ".." << r.last);
    w.gMsg = sources;
    w.gWindow = 1;
    w.gFirst[1] = r.first;
    w.gLast[1] = r.last;
    w.TextFixer(30, 20, 40);
    EXPECT_EQ(w.gLast[1], r.expectedLast);
  }

  // A page selector outside the range arrays lays out nothing.
  for (std::int64_t page : {std::int64_t{-1}, std::int64_t{6}, kMax}) {
    w.gMsg = sources;
    w.gWindow = page;
    w.gAboutLast = 9;
    w.TextFixer(30, 20, 40);
    EXPECT_EQ(w.gMsg, sources);
    EXPECT_EQ(w.gAboutLast, 9);
  }
}

TEST_F(PagesTest, ExtremeMarginsAndBaselinesDoNotOverflow) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  MainWindow& w = Win();
  SetSources(w, 0,
             {{"a", kMin, kMax, 1},
              {"b", kMax, kMin, 1},
              {kCR, kMin, kMax, 1},
              {"c", kMax, kMax, 0},
              {"d"},
              {"e"},
              {"f"},
              {"www.x.org", kMin, kMin, 1}});
  w.TextFixer(kMax, kMax, kMin);
  EXPECT_GE(w.gAboutLast, 1);
  EXPECT_EQ(w.gAboutY[2], kMax);
}

// The About page as the window opens: the texts of the About page, 10 pixels a character.
TEST_F(PagesTest, TheAboutPageAtOpenShowsEveryWordWithinFourteenLines) {
  MainWindow& w = Win();
  const std::vector<Line> lines = AboutLines(w);
  ASSERT_FALSE(lines.empty());
  EXPECT_LE(lines.size(), 14u);

  // Every word of the sources, in order, and nothing else.
  std::string sourceWords, laidOutWords;
  for (std::int64_t k = 1; k <= 12; ++k) {
    sourceWords += w.gMsg[static_cast<std::size_t>(k)] + " ";
  }
  for (const Line& line : lines) {
    laidOutWords += line.text + " ";
  }
  const auto words = [](const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char ch : text + " ") {
      if (ch == ' ' || ch == '\r') {
        if (!word.empty()) {
          out.push_back(word);
        }
        word.clear();
      } else {
        word += ch;
      }
    }
    return out;
  };
  EXPECT_EQ(words(laidOutWords), words(sourceWords));

  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "About line " << i + 1 << ": " << lines[i]);
    EXPECT_EQ(lines[i].y, 80 + 20 * static_cast<std::int64_t>(i));
    EXPECT_EQ(lines[i].left, 30);
    EXPECT_EQ(lines[i].right, 610);
    EXPECT_LT(10 * (platform::Len(lines[i].text) - 1), 580);
  }

  // The version line and the address each take one centred line.
  EXPECT_EQ(lines[0], (Line{about::VersionLine() + " ", 30, 610, 1, 80}));
  const std::string address = about::LinkAddress();
  const std::int64_t wl = 10 * platform::Len(address);
  std::int64_t linkY = -1;
  for (const Line& line : lines) {
    if (line.text == " " + address + " ") {
      EXPECT_EQ(line.justify, 1);
      linkY = line.y;
    }
  }
  EXPECT_EQ(w.gURLBottom, linkY);
  EXPECT_EQ(w.gURLleft, static_cast<std::int64_t>(std::llround((640.0 - wl) / 2.0)));
  EXPECT_EQ(w.gURLright, w.gURLleft + wl);
}

}  // namespace
}  // namespace tavrel::pagestest
