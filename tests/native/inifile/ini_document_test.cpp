#include "inifile/ini_document.h"

#include <gtest/gtest.h>

#include "ini_cases.h"

namespace vantrel::settings {
namespace {

using testing::kMissing;

TEST(IniDocument, AnswersLikeTheProfileFunctions) {
  for (const testing::IniCase& c : testing::ini_cases()) {
    IniDocument doc = IniDocument::parse(c.file);
    for (const testing::IniWrite& w : c.writes) doc.set(w.section, w.key, w.value);
    // Answers must hold both in memory and after a round trip through text.
    const IniDocument reread = IniDocument::parse(doc.text());
    for (const IniDocument* d : {static_cast<const IniDocument*>(&doc), &reread}) {
      for (const testing::IniRead& r : c.reads) {
        EXPECT_EQ(d->get_string(r.section, r.key, r.default_value, r.buffer), r.expected)
            << c.label << ": [" << r.section << "] " << r.key;
      }
    }
  }
}

// Files are read key after key in file order; a key that appears twice must
// still answer with its first line, however the lookups before it went.
TEST(IniDocument, ALaterDuplicateNeverAnswers) {
  IniDocument doc = IniDocument::parse("[S]\nA=1\nB=2\na=3\nC=4\nb=5\n");
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(doc.find("S", "A"), "1");
    EXPECT_EQ(doc.find("S", "B"), "2");
    EXPECT_EQ(doc.find("S", "A"), "1");
    EXPECT_EQ(doc.find("S", "C"), "4");
    EXPECT_EQ(doc.find("S", "B"), "2");
    EXPECT_EQ(doc.find("S", "D"), std::nullopt);
  }
  doc.set("S", "B", "7");
  doc.set("S", "a", "8");
  doc.set("S", "D", "9");
  doc.set("S", "b", "6");
  EXPECT_EQ(doc.text(), "[S]\nA=8\nB=6\na=3\nC=4\nb=5\nD=9\n");
  EXPECT_EQ(doc.find("S", "D"), "9");
  EXPECT_EQ(doc.find("S", "a"), "8");
}

// Thousands of keys, asked in an order far from the file's, in other case,
// with later duplicates and with names that differ only past a shared
// start: each answers with its own first line.
TEST(IniDocument, LargeSectionsAnswerEveryKeyInAnyOrder) {
  constexpr int kKeys = 3000;
  std::string file = "[H]\n";
  for (int n = 0; n < kKeys; ++n) file += "Path" + std::to_string(n) + "=v" + std::to_string(n) + "\n";
  for (int n = 0; n < kKeys; n += 7) file += "PATH" + std::to_string(n) + "=later\n";
  IniDocument doc = IniDocument::parse(file);
  for (int step = 0; step < kKeys; ++step) {
    const int n = (step * 1637 + 11) % kKeys;  // every position once, scattered
    ASSERT_EQ(doc.find("h", "pAtH" + std::to_string(n)), "v" + std::to_string(n)) << n;
  }
  EXPECT_EQ(doc.find("H", "Path" + std::to_string(kKeys)), std::nullopt);
  EXPECT_EQ(doc.find("H", "Path03"), std::nullopt);
  doc.set("H", "path2999", "changed");
  doc.set("H", "Path" + std::to_string(kKeys + 4), "added");
  const IniDocument reread = IniDocument::parse(doc.text());
  EXPECT_EQ(reread.find("H", "Path2999"), "changed");
  EXPECT_EQ(reread.find("H", "Path3004"), "added");
  EXPECT_EQ(reread.find("H", "Path1617"), "v1617");
  EXPECT_EQ(reread.keys("H").size(), static_cast<std::size_t>(kKeys + (kKeys + 6) / 7 + 1));
}

// Copies and moved documents keep answering and change on their own.
TEST(IniDocument, CopiesAreIndependent) {
  const std::string file = "[S]\r\nA=1\r\n[T]\r\nB=2\r\n";
  std::vector<IniDocument> docs;
  docs.push_back(IniDocument::parse(file));
  IniDocument copy = docs.front();
  copy.set("S", "A", "5");
  copy.set("T", "C", "6");
  docs.push_back(std::move(copy));  // moves the first one, too
  docs.front().set("S", "D", "7");
  EXPECT_EQ(docs[0].text(), "[S]\r\nA=1\r\nD=7\r\n[T]\r\nB=2\r\n");
  EXPECT_EQ(docs[1].text(), "[S]\r\nA=5\r\n[T]\r\nB=2\r\nC=6\r\n");
  EXPECT_EQ(docs[1].find("t", "c"), "6");
  EXPECT_EQ(docs[0].find("t", "c"), std::nullopt);
}

TEST(IniDocument, KeepsUntouchedLinesByteForByte) {
  const std::string file =
      "; my hotkeys\r\n[HotKeys]\r\n  Count = 2   \r\nPath0=\"a\"\r\n\r\n[Other]\r\nX = 1\r\n";
  IniDocument doc = IniDocument::parse(file);
  EXPECT_EQ(doc.text(), file);
  doc.set("HotKeys", "Count", "3");
  doc.set("HotKeys", "Path1", "b");
  EXPECT_EQ(doc.text(),
            "; my hotkeys\r\n[HotKeys]\r\n  Count = 3\r\nPath0=\"a\"\r\nPath1=b\r\n\r\n[Other]\r\nX = 1\r\n");
  // Writing back what a value already holds leaves its line alone; a value
  // that only looked the same (a trailing blank) is written anew.
  doc.set("Other", "X", "1");
  doc.set("HotKeys", "Path0", "\"a\"");
  doc.set("HotKeys", "Count", "3 ");
  EXPECT_EQ(
      doc.text(),
      "; my hotkeys\r\n[HotKeys]\r\n  Count = 3 \r\nPath0=\"a\"\r\nPath1=b\r\n\r\n[Other]\r\nX = 1\r\n");
}

TEST(IniDocument, NewTextFollowsTheFilesLineEnds) {
  IniDocument lf = IniDocument::parse("[H]\nA=1");
  lf.set("H", "B", "2");
  lf.set("G", "C", "3");
  EXPECT_EQ(lf.text(), "[H]\nA=1\nB=2\n[G]\nC=3\n");

  IniDocument cr = IniDocument::parse("[H]\rA=1\r");
  cr.set("H", "B", "2");
  cr.set("H", "A", "5");
  EXPECT_EQ(cr.text(), "[H]\rA=5\rB=2\r");

  IniDocument mixed = IniDocument::parse("[H]\rA=1\r\nB=2\nC=3");
  EXPECT_EQ(mixed.keys("H"), (std::vector<std::string>{"A", "B", "C"}));
  mixed.set("H", "D", "4");
  EXPECT_EQ(mixed.text(), "[H]\rA=1\r\nB=2\nC=3\rD=4\r");

  IniDocument empty;
  empty.set("HotKeys", "Count", "0");
  EXPECT_EQ(empty.text(), "[HotKeys]\r\nCount=0\r\n");
}

TEST(IniDocument, AddedKeysGoAboveTheSectionsTrailingBlankLines) {
  IniDocument doc = IniDocument::parse("[H]\r\nA=1\r\n\r\nB=2\r\n\r\n  \r\n[G]\r\nX=1\r\n\r\n");
  doc.set("H", "C", "3");
  doc.set("H", "D", "4");
  doc.set("G", "Y", "5");
  EXPECT_EQ(doc.text(), "[H]\r\nA=1\r\n\r\nB=2\r\nC=3\r\nD=4\r\n\r\n  \r\n[G]\r\nX=1\r\nY=5\r\n\r\n");
  EXPECT_EQ(doc.keys("H"), (std::vector<std::string>{"A", "B", "C", "D"}));
  // Blank lines and nothing else after the header.
  IniDocument blank = IniDocument::parse("[H]\n\n\n");
  blank.set("H", "A", "1");
  EXPECT_EQ(blank.text(), "[H]\nA=1\n\n\n");
}

TEST(IniDocument, ValueCannotAddLines) {
  IniDocument doc;
  doc.set("HotKeys", "Path0", "calc.exe\r\nCount=99\n[Evil]");
  const IniDocument reread = IniDocument::parse(doc.text());
  EXPECT_EQ(reread.get_string("HotKeys", "Count", kMissing, 2048), kMissing);
  EXPECT_EQ(reread.get_string("HotKeys", "Path0", kMissing, 2048), "calc.exe  Count=99 [Evil]");
}

TEST(IniDocument, KeysListsTheSearchedSectionOnly) {
  const IniDocument doc = IniDocument::parse("X=0\r\n[H]\r\nA=1\r\n; c\r\nB\r\n[G]\r\nC=1\r\n[H]\r\nD=1\r\n");
  EXPECT_EQ(doc.keys("h"), (std::vector<std::string>{"A", "; c", "B"}));
  EXPECT_TRUE(doc.keys("missing").empty());
}

}  // namespace
}  // namespace vantrel::settings
