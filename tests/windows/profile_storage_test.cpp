// The file adapter against the real file system: replaces are all or
// nothing, and refusals come back as errors with the file untouched.
#include "inifile/profile_storage_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "win32/handles.h"
#include "win32/text.h"

namespace vantrel::settings {
namespace {

class ProfileStorageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "vantrel-storage-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "/Hotkeys.ini";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(saving().c_str());
    DeleteFileA(saving().c_str());
    DeleteFileA((saving() + ".new").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string saving() const { return path_ + ".saving"; }
  void put(const std::string& bytes, const std::string& where = {}) {
    std::ofstream(where.empty() ? path_ : where, std::ios::binary | std::ios::trunc) << bytes;
  }
  bool exists(const std::string& where = {}) const {
    return GetFileAttributesA((where.empty() ? path_ : where).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  std::string contents(const std::string& where = {}) const {
    std::ifstream in(where.empty() ? path_ : where, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }

  std::string folder_;
  std::string path_;
};

const std::string kOld = "[HotKeys]\r\nCount=1\r\nPath0=old.exe\r\n";
const std::string kNew = "[HotKeys]\r\nCount=2\r\nPath0=new.exe\r\nPath1=second.exe\r\n";

TEST_F(ProfileStorageTest, ReadsWhatIsThereAndTellsMissingFromFailed) {
  Win32ProfileStorage storage;
  EXPECT_EQ(storage.read(path_).status, FileRead::Status::missing);
  EXPECT_EQ(storage.read(folder_ + "/no such folder/Hotkeys.ini").status, FileRead::Status::missing);
  put(kOld);
  const FileRead read = storage.read(path_);
  EXPECT_EQ(read.status, FileRead::Status::ok);
  EXPECT_EQ(read.bytes, kOld);

  const win32::UniqueHandle locked = win32::make_file_handle(
      CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked);
  const FileRead refused = storage.read(path_);
  EXPECT_EQ(refused.status, FileRead::Status::failed);
  EXPECT_FALSE(refused.error.empty());
}

// Stops a replace at every stage in turn, as a crash would, and checks the
// file holds exactly the old or exactly the new bytes each time.
TEST_F(ProfileStorageTest, InterruptedReplaceLeavesOldOrNewFile) {
  for (const bool first_save : {false, true}) {
    int stages = 0;
    {
      if (!first_save) put(kOld);
      Win32ProfileStorage counting([&stages](ReplaceStage) { return ++stages, true; }, 7);
      ASSERT_EQ(counting.replace(path_, kNew), std::nullopt);
      ASSERT_EQ(contents(), kNew);
      DeleteFileA(path_.c_str());
    }
    ASSERT_GT(stages, 8) << "several chunk writes expected";
    bool saw_old = false;
    bool saw_new = false;
    for (int stop = 1; stop <= stages; ++stop) {
      if (first_save) {
        DeleteFileA(path_.c_str());
      } else {
        put(kOld);
      }
      int calls = 0;
      Win32ProfileStorage stopping([&](ReplaceStage) { return ++calls < stop; }, 7);
      EXPECT_TRUE(stopping.replace(path_, kNew).has_value()) << stop;
      if (first_save && !exists()) {
        saw_old = true;
        continue;
      }
      const std::string now = contents();
      EXPECT_TRUE(now == kOld || now == kNew) << "stopped at stage " << stop << ": " << now;
      saw_old |= now == kOld;
      saw_new |= now == kNew;
    }
    EXPECT_TRUE(saw_old && saw_new);
    // The next, uninterrupted save goes through despite the leftovers.
    Win32ProfileStorage storage;
    EXPECT_EQ(storage.replace(path_, kNew), std::nullopt);
    EXPECT_EQ(contents(), kNew);
    DeleteFileA(path_.c_str());
  }
}

TEST_F(ProfileStorageTest, RefusedReplaceKeepsTheFile) {
  Win32ProfileStorage storage;
  put(kOld);
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(storage.replace(path_, kNew).has_value());
  EXPECT_EQ(contents(), kOld);
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);

  {
    const win32::UniqueHandle locked = win32::make_file_handle(
        CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_TRUE(storage.replace(path_, kNew).has_value());
  }
  EXPECT_EQ(contents(), kOld);

  const auto missing_folder = storage.replace(folder_ + "/no such folder/Hotkeys.ini", kNew);
  ASSERT_TRUE(missing_folder.has_value());
  EXPECT_NE(missing_folder->find("temporary file"), std::string::npos) << *missing_folder;
}

// A folder bearing the file's name: reading and saving both say so, rather
// than the system's "access denied", and the folder is left as it was.
TEST_F(ProfileStorageTest, AFolderInTheFilesPlaceIsNamed) {
  Win32ProfileStorage storage;
  ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
  const FileRead read = storage.read(path_);
  EXPECT_EQ(read.status, FileRead::Status::failed);
  EXPECT_EQ(read.error, kFolderInTheWay);
  EXPECT_EQ(storage.replace(path_, kNew), std::optional<std::string>(kFolderInTheWay));
  EXPECT_EQ(save_document(storage, path_, [](IniDocument&) {}), std::optional<std::string>(kFolderInTheWay));
  EXPECT_TRUE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(exists(saving())) << "nothing left beside it";
  RemoveDirectoryA(path_.c_str());
}

// The swap is one rename over the file: at no stage is the file missing
// (a replace that renames the file away first leaves a gap a kill can hit).
TEST_F(ProfileStorageTest, FileExistsAtEveryStageOfAReplace) {
  put(kOld);
  int stages = 0;
  Win32ProfileStorage watching(
      [&](ReplaceStage) {
        ++stages;
        const std::string now = contents();
        EXPECT_TRUE(now == kOld || now == kNew) << "stage " << stages;
        return true;
      },
      7);
  ASSERT_EQ(watching.replace(path_, kNew), std::nullopt);
  EXPECT_GT(stages, 8);
  EXPECT_EQ(contents(), kNew);
  EXPECT_FALSE(exists(saving()));
}

TEST_F(ProfileStorageTest, ReplaceKeepsTheFilesMarks) {
  put(kOld);
  ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_HIDDEN));
  Win32ProfileStorage storage;
  ASSERT_EQ(storage.replace(path_, kNew), std::nullopt);
  EXPECT_EQ(contents(), kNew);
  EXPECT_TRUE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// With the file gone, the copy an interrupted save left may be all the
// user has: it is loaded, and no save writes over it before it is safe.
TEST_F(ProfileStorageTest, CopyLeftByAnInterruptedSaveIsNeverLost) {
  const auto whole = [](const IniDocument& d) { return d.find("HotKeys", "Count").has_value(); };
  for (const bool empty_file : {false, true}) {
    DeleteFileA(path_.c_str());
    if (empty_file) put("");
    put(kOld, saving());
    Win32ProfileStorage storage;
    EXPECT_EQ(load_document(storage, path_, whole).document.get_string("HotKeys", "Path0", "", 100),
              "old.exe");

    // A save cut off while writing its own temporary file leaves the copy
    // untouched, and it is still what loads.
    int calls = 0;
    Win32ProfileStorage stopping([&](ReplaceStage) { return ++calls < 3; }, 7);
    EXPECT_TRUE(save_document(
        stopping, path_, [](IniDocument& d) { d.set("HotKeys", "Count", "2"); }, whole));
    EXPECT_EQ(load_document(storage, path_, whole).document.get_string("HotKeys", "Path0", "", 100),
              "old.exe");
    EXPECT_EQ(contents(saving()), kOld);
    EXPECT_EQ(contents(), "");

    ASSERT_EQ(save_document(
                  storage, path_, [](IniDocument& d) { d.set("HotKeys", "Path1", "b"); }, whole),
              std::nullopt);
    EXPECT_EQ(contents(), kOld + "Path1=b\r\n");
    EXPECT_FALSE(exists(saving()));
  }
}

// A folder that refuses new files (here: the temporary name is taken by a
// folder) still lets a writable file be saved, in place.
TEST_F(ProfileStorageTest, SavesInPlaceWhenNoTemporaryFileCanBeMade) {
  put(kOld);
  ASSERT_TRUE(CreateDirectoryA(saving().c_str(), nullptr));
  Win32ProfileStorage storage;
  EXPECT_EQ(storage.replace(path_, kNew), std::nullopt);
  EXPECT_EQ(contents(), kNew);
  EXPECT_EQ(storage.replace(path_, kOld), std::nullopt);
  EXPECT_EQ(contents(), kOld);
  // No file to write in place: the failure is told.
  DeleteFileA(path_.c_str());
  EXPECT_TRUE(storage.replace(path_, kNew).has_value());
  EXPECT_FALSE(exists());
}

// Files Notepad saves as "Unicode" or with lone CR line ends: the system's
// profile functions and our reader see the same values, and a save keeps
// the file's form.
TEST_F(ProfileStorageTest, ReadsUnicodeAndCrFilesAsTheSystemDoes) {
  const std::wstring unicode_text = L"[HotKeys]\r\nCount=1\r\nPath0=C:\\caf\u00e9\\\u65e5\u672c.exe\r\n";
  const std::string unicode_bytes =
      "\xFF\xFE" + std::string(reinterpret_cast<const char*>(unicode_text.data()), unicode_text.size() * 2);
  const struct {
    const char* label;
    std::string bytes;
  } cases[] = {{"UTF-16", unicode_bytes}, {"CR", "[HotKeys]\rCount=1\rPath0=C:\\caf\xE9\\x.exe\r"}};
  for (const auto& c : cases) {
    put(c.bytes);
    wchar_t system_value[256] = L"";
    GetPrivateProfileStringW(L"HotKeys", L"Path0", L"<missing>", system_value, 256,
                             win32::widen(path_).c_str());
    Win32ProfileStorage storage;
    const LoadedDocument loaded = load_document(storage, path_);
    EXPECT_EQ(win32::widen(loaded.document.get_string("HotKeys", "Path0", "", 256)), system_value) << c.label;
    ASSERT_EQ(save_document(storage, path_, [](IniDocument& d) { d.set("HotKeys", "Count", "1"); }),
              std::nullopt);
    EXPECT_EQ(contents(), c.bytes) << c.label;
    ASSERT_EQ(save_document(storage, path_, [](IniDocument& d) { d.set("HotKeys", "Alt0", "0"); }),
              std::nullopt);
    const std::string after = contents();
    EXPECT_EQ(after.rfind(c.bytes, 0), 0u) << c.label;
    wchar_t alt[8] = L"";
    GetPrivateProfileStringW(L"HotKeys", L"Alt0", L"<missing>", alt, 8, win32::widen(path_).c_str());
    EXPECT_STREQ(alt, L"0") << c.label;
  }
}

TEST_F(ProfileStorageTest, SaveDocumentKeepsHandEditsAndAddsKeys) {
  Win32ProfileStorage storage;
  put("; mine\r\n" + kOld);
  EXPECT_EQ(save_document(storage, path_, [](IniDocument& d) { d.set("HotKeys", "Count", "0"); }),
            std::nullopt);
  EXPECT_EQ(contents(), "; mine\r\n[HotKeys]\r\nCount=0\r\nPath0=old.exe\r\n");
}

}  // namespace
}  // namespace vantrel::settings
