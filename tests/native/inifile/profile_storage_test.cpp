#include "inifile/profile_storage.h"

#include <gtest/gtest.h>

#include <map>

#include "memory_storage.h"

namespace vantrel::settings {
namespace {

using testing::MemoryStorage;

TEST(ProfileStorage, UnreadableFileLoadsEmpty) {
  MemoryStorage storage;
  storage.files["a.ini"] = "[S]\r\nK=1\r\n";
  EXPECT_EQ(load_document(storage, "a.ini").document.get_string("S", "K", "", 10), "1");
  EXPECT_EQ(load_document(storage, "b.ini").document.text(), "");
  storage.fail_reads = true;
  EXPECT_EQ(load_document(storage, "a.ini").document.text(), "");
}

TEST(ProfileStorage, SaveReadsOnceAndReplacesOnce) {
  MemoryStorage storage;
  storage.files["a.ini"] = "; mine\r\n[S]\r\nK=1\r\n";
  const auto error = save_document(storage, "a.ini", [](IniDocument& doc) {
    for (int i = 0; i < 100; ++i) doc.set("S", "K" + std::to_string(i), "v");
  });
  EXPECT_EQ(error, std::nullopt);
  EXPECT_EQ(storage.reads, 1);
  EXPECT_EQ(storage.replaces, 1);
  EXPECT_EQ(storage.files["a.ini"].rfind("; mine\r\n[S]\r\nK=1\r\nK0=v\r\n", 0), 0u);
}

TEST(ProfileStorage, SaveNeverOverwritesAFileItCouldNotRead) {
  MemoryStorage storage;
  storage.files["a.ini"] = "[S]\r\nKeep=1\r\n";
  storage.fail_reads = true;
  EXPECT_EQ(save_document(storage, "a.ini", [](IniDocument& doc) { doc.set("S", "K", "2"); }), "locked");
  EXPECT_EQ(storage.replaces, 0);
  EXPECT_EQ(storage.files["a.ini"], "[S]\r\nKeep=1\r\n");
}

TEST(ProfileStorage, SaveReportsAFailedWrite) {
  MemoryStorage storage;
  storage.fail_writes = true;
  EXPECT_EQ(save_document(storage, "a.ini", [](IniDocument&) {}), "read-only");
}

// Files keep the form they were written in; text is UTF-8 inside.
TEST(ProfileStorage, ReadsAndWritesEachEncoding) {
  const std::string utf16_file("\xFF\xFE[\0H\0]\0\r\0\n\0P\0=\0\xE9\0\r\0\n\0", 22);
  const struct {
    const char* label;
    std::string file;
    std::string read;   // P as the program sees it
    std::string write;  // a new value of Q
    std::string file_after;
  } cases[] = {
      {"ANSI stays ANSI", "[H]\r\nP=caf\xE9\r\n", "caf\xC3\xA9", "\xE2\x82\xAC 5",
       "[H]\r\nP=caf\xE9\r\nQ=\x80 5\r\n"},
      {"UTF-16 stays UTF-16", utf16_file, "\xC3\xA9", "x", utf16_file + std::string("Q\0=\0x\0\r\0\n\0", 10)},
      {"UTF-8 with its mark stays UTF-8", "\xEF\xBB\xBF[H]\nP=\xC3\xA9\n", "\xC3\xA9", "\xE6\x97\xA5",
       "\xEF\xBB\xBF[H]\nP=\xC3\xA9\nQ=\xE6\x97\xA5\n"},
      {"text ANSI cannot hold turns the file to UTF-16", "[H]\nP=a\n", "a", "\xE6\x97\xA5",
       std::string("\xFF\xFE[\0H\0]\0\n\0P\0=\0a\0\n\0Q\0=\0\xE5\x65\n\0", 26)},
  };
  for (const auto& c : cases) {
    MemoryStorage storage;
    storage.files["a.ini"] = c.file;
    EXPECT_EQ(load_document(storage, "a.ini").document.get_string("H", "P", "", 100), c.read) << c.label;
    EXPECT_EQ(save_document(storage, "a.ini", [&](IniDocument& doc) { doc.set("H", "Q", c.write); }),
              std::nullopt);
    EXPECT_EQ(storage.files["a.ini"], c.file_after) << c.label;
    EXPECT_EQ(load_document(storage, "a.ini").document.get_string("H", "Q", "", 100), c.write) << c.label;
  }
}

bool has_count(const IniDocument& doc) {
  return doc.find("H", "Count").has_value();
}

// An interrupted save can leave only "<file>.saving"; it is the last text
// the program wrote, so it is used when it is whole and the file is gone.
TEST(ProfileStorage, RecoversTheCopyAnInterruptedSaveLeft) {
  const std::string whole = "[H]\r\nCount=2\r\n";
  const struct {
    const char* label;
    std::optional<std::string> file;
    std::optional<std::string> saving;
    std::string count;  // what Count reads as
  } cases[] = {
      {"file missing, whole copy", std::nullopt, whole, "2"},
      {"file empty, whole copy", "", whole, "2"},
      {"file there: the copy is stale", "[H]\r\nCount=7\r\n", whole, "7"},
      {"copy cut short (no final line break)", std::nullopt, "[H]\r\nCount=2", "none"},
      {"copy lacking what a save writes", std::nullopt, "[H]\r\nOther=1\r\n", "none"},
      {"copy empty", std::nullopt, "", "none"},
      {"no copy", std::nullopt, std::nullopt, "none"},
  };
  for (const auto& c : cases) {
    MemoryStorage storage;
    if (c.file) storage.files["a.ini"] = *c.file;
    if (c.saving) storage.files["a.ini.saving"] = *c.saving;
    EXPECT_EQ(load_document(storage, "a.ini", has_count).document.get_string("H", "Count", "none", 10),
              c.count)
        << c.label;
    // A save builds on the same text the load saw.
    ASSERT_EQ(save_document(
                  storage, "a.ini", [](IniDocument& doc) { doc.set("H", "New", "1"); }, has_count),
              std::nullopt);
    const IniDocument saved = IniDocument::parse(storage.files["a.ini"]);
    EXPECT_EQ(saved.get_string("H", "Count", "none", 10), c.count) << c.label;
    EXPECT_EQ(saved.get_string("H", "New", "", 10), "1") << c.label;
  }
  // Without a check nothing is recovered: a file's own reader decides.
  MemoryStorage storage;
  storage.files["a.ini.saving"] = whole;
  EXPECT_EQ(load_document(storage, "a.ini").document.text(), "");
}

TEST(ProfileStorage, SavedTextEndsWithALineBreak) {
  MemoryStorage storage;
  storage.files["a.ini"] = "[H]\nP=1";
  ASSERT_EQ(save_document(storage, "a.ini", [](IniDocument&) {}), std::nullopt);
  EXPECT_EQ(storage.files["a.ini"], "[H]\nP=1\n");
}

TEST(ProfileStorage, PathJoinsFolderAndName) {
  EXPECT_EQ(profile_path("C:\\Tools\\Vantrel", "Hotkeys.ini"), "C:\\Tools\\Vantrel/Hotkeys.ini");
  EXPECT_EQ(profile_path("C:\\", "Settings.ini"), "C:\\/Settings.ini");
}

}  // namespace
}  // namespace vantrel::settings
