#include "settings/profile_storage_win32.h"

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

}  // namespace

Win32ProfileStorage::Win32ProfileStorage(StageHook hook, std::size_t chunk_size)
    : hook_(std::move(hook)), chunk_size_(std::max<std::size_t>(1, chunk_size)) {}

FileRead Win32ProfileStorage::read(const std::string& path) {
  const win32::UniqueHandle file = win32::make_file_handle(CreateFileW(
      native_path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
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
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // A file the user marked read-only stays as it is, as the system's own
  // profile functions would leave it.
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return win32::error_text(ERROR_ACCESS_DENIED);

  const std::wstring temp = target + L".saving";
  {
    const win32::UniqueHandle file = win32::make_file_handle(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return failure("Cannot create the temporary file");
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
  if (!proceed(ReplaceStage::before_swap)) return kStopped;
  const BOOL swapped =
      exists ? ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr)
             : MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!swapped) {
    const std::string error = failure("Cannot replace the file");
    DeleteFileW(temp.c_str());
    return error;
  }
  if (!proceed(ReplaceStage::after_swap)) return kStopped;
  return std::nullopt;
}

}  // namespace vantrel::settings
