#include "app/data_folder_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "app/data_folder.h"
#include "win32/text.h"

namespace vantrel::app {
namespace {

bool file_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Tried, not worked out from permissions: a file made and gone at once is
// what a save will need.
bool folder_writable(const std::string& folder) {
  const std::wstring probe = win32::widen(folder + "\\Vantrel-write-test.tmp");
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// %APPDATA%\Vantrel, made when missing; empty when there is none.
std::string user_data_folder() {
  PWSTR roaming = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &roaming))) return {};
  const std::string folder = win32::narrow(roaming) + "\\" + std::string(kUserDataFolderName);
  CoTaskMemFree(roaming);
  if (!CreateDirectoryW(win32::widen(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return {};
  return folder;
}

std::string decide() {
  const std::string program = win32::program_folder();
  const bool installed = file_exists(program + "\\" + std::string(kUninstallerFileName));
  if (choose_data_home(installed, folder_writable(program)) == DataHome::program_folder) return program;
  const std::string user = user_data_folder();
  // No user folder to be had: beside the program, where a save reports its
  // failure as it always has.
  if (user.empty()) return program;
  // A copy moved into a folder it cannot write, or installed where a
  // portable one ran, starts from the files it had; a failed copy leaves
  // them where they are, so nothing is lost.
  const auto in = [](const std::string& folder) {
    return [&folder](std::string_view name) { return file_exists(folder + "\\" + std::string(name)); };
  };
  for (const std::string& name : files_to_bring(in(user), in(program))) {
    CopyFileW(win32::widen(program + "\\" + name).c_str(), win32::widen(user + "\\" + name).c_str(), TRUE);
  }
  return user;
}

}  // namespace

const std::string& data_folder() {
  static const std::string folder = decide();
  return folder;
}

}  // namespace vantrel::app
