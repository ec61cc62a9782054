#include "inifile/profile_storage_win32.h"

#include <windows.h>

#include <algorithm>

#include "win32/handles.h"
#include "win32/text.h"

namespace vantrel::settings {
namespace {

constexpr const char* kStopped = "The save was stopped.";

std::wstring native_path(const std::string& path) {
  std::wstring wide = win32::widen(path);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

std::string failure(const std::string& what) {
  return what + ": " + win32::error_text(GetLastError());
}

// Antivirus scanners, indexers and backup tools open files for a moment
// without sharing them: a file found locked is tried again a few times over
// about a second before the failure is told.
constexpr int kLockTries = 10;
constexpr DWORD kLockWaitMs = 100;

bool locked(DWORD error, bool access_denied_counts) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         (access_denied_counts && error == ERROR_ACCESS_DENIED);
}

template <typename Attempt>
bool retry_while_locked(Attempt attempt, bool access_denied_counts) {
  for (int tries = 1;; ++tries) {
    if (attempt()) return true;
    const DWORD error = GetLastError();
    if (tries == kLockTries || !locked(error, access_denied_counts)) {
      SetLastError(error);
      return false;
    }
    Sleep(kLockWaitMs);
  }
}

}  // namespace

Win32ProfileStorage::Win32ProfileStorage(StageHook hook, std::size_t chunk_size)
    : hook_(std::move(hook)), chunk_size_(std::max<std::size_t>(1, chunk_size)) {}

FileRead Win32ProfileStorage::read(const std::string& path) {
  win32::UniqueHandle file;
  retry_while_locked(
      [&] {
        file = win32::make_file_handle(CreateFileW(native_path(path).c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file);
      },
      false);
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    const DWORD attributes = GetFileAttributesW(native_path(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      return {FileRead::Status::failed, {}, std::string(kFolderInTheWay)};
    return {FileRead::Status::failed, {}, win32::error_text(error)};
  }
  FileRead result{FileRead::Status::ok, {}, {}};
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      return {FileRead::Status::failed, {}, win32::error_text(GetLastError())};
    }
    if (got == 0) return result;
    result.bytes.append(buffer, got);
  }
}

std::optional<std::string> Win32ProfileStorage::replace(const std::string& path, std::string_view bytes) {
  const std::wstring target = native_path(path);
  const std::wstring saving = target + win32::widen(kSavingSuffix);
  WIN32_FILE_ATTRIBUTE_DATA target_data{};
  const bool exists = GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &target_data);
  if (exists && (target_data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::string(kFolderInTheWay);
  // A file the user marked read-only stays as it is, as the system's own
  // profile functions would leave it.
  if (exists && (target_data.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
    return win32::error_text(ERROR_ACCESS_DENIED);

  // With the file gone or empty, what an interrupted save left may be the
  // only copy of the user's hotkeys (loading falls back to it): this save
  // writes elsewhere and lets it go only once the new file is in place.
  const bool empty = exists && target_data.nFileSizeHigh == 0 && target_data.nFileSizeLow == 0;
  WIN32_FILE_ATTRIBUTE_DATA left{};
  const bool keep_left =
      (!exists || empty) && GetFileAttributesExW(saving.c_str(), GetFileExInfoStandard, &left) &&
      !(left.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (left.nFileSizeHigh || left.nFileSizeLow);
  const std::wstring temp = keep_left ? saving + L".new" : saving;

  {
    const win32::UniqueHandle file = win32::make_file_handle(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      // A folder that refuses new files can still hold a writable file:
      // then writing it in place is the only way to save at all.
      if (GetLastError() == ERROR_ACCESS_DENIED && exists) return write_in_place(target, bytes);
      return failure("Cannot create the temporary file");
    }
    if (!proceed(ReplaceStage::temp_created)) return kStopped;
    for (std::size_t offset = 0; offset < bytes.size(); offset += chunk_size_) {
      const auto size = static_cast<DWORD>(std::min(chunk_size_, bytes.size() - offset));
      DWORD written = 0;
      if (!WriteFile(file.get(), bytes.data() + offset, size, &written, nullptr) || written != size) {
        const std::string error = failure("Cannot write the temporary file");
        DeleteFileW(temp.c_str());
        return error;
      }
      if (!proceed(ReplaceStage::chunk_written)) return kStopped;
    }
    if (!FlushFileBuffers(file.get())) {
      const std::string error = failure("Cannot flush the temporary file");
      DeleteFileW(temp.c_str());
      return error;
    }
    if (!proceed(ReplaceStage::temp_flushed)) return kStopped;
  }
  // The file keeps the marks the user gave it (hidden, say).
  if (exists) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (const DWORD kept = target_data.dwFileAttributes & kKept) SetFileAttributesW(temp.c_str(), kept);
  }
  if (!proceed(ReplaceStage::before_swap)) return kStopped;
  // One rename that replaces the target: there is no moment without a file.
  // A target held open without sharing refuses the rename (access denied
  // on Windows, a sharing violation elsewhere) until it is let go.
  if (!retry_while_locked(
          [&] {
            return MoveFileExW(temp.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
          },
          exists)) {
    const std::string error = failure("Cannot replace the file");
    DeleteFileW(temp.c_str());
    return error;
  }
  if (keep_left) DeleteFileW(saving.c_str());
  if (!proceed(ReplaceStage::after_swap)) return kStopped;
  return std::nullopt;
}

std::optional<std::string> Win32ProfileStorage::write_in_place(const std::wstring& target,
                                                               std::string_view bytes) {
  const win32::UniqueHandle file = win32::make_file_handle(
      CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return failure("Cannot write the file");
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size() || !SetEndOfFile(file.get()) || !FlushFileBuffers(file.get()))
    return failure("Cannot write the file");
  return std::nullopt;
}

}  // namespace vantrel::settings
