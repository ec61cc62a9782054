#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace vantrel::settings {

struct FileRead {
  enum class Status { ok, missing, failed };
  Status status = Status::missing;
  std::string bytes;
  std::string error;  // why a failed read failed, in the system's words
};

// Where initialisation files live. Paths are UTF-8.
class ProfileStorage {
 public:
  virtual ~ProfileStorage() = default;
  virtual FileRead read(const std::string& path) = 0;
  // Puts bytes in place of the file in one step: afterwards the file holds
  // either its old bytes or all of the new ones. Returns why it failed.
  virtual std::optional<std::string> replace(const std::string& path, std::string_view bytes) = 0;
};

// A missing or unreadable file reads as an empty document, so every value
// takes its default.
IniDocument load_document(ProfileStorage& storage, const std::string& path);

// Reads the file once, lets edit change it in memory and writes it back in
// one replace. A file that exists but cannot be read is left alone rather
// than overwritten without the keys it holds. Returns why it failed.
std::optional<std::string> save_document(ProfileStorage& storage, const std::string& path,
                                         const std::function<void(IniDocument&)>& edit);

// The file's place: the program's folder (no trailing separator unless it
// is a drive root), a forward slash, then the file name.
std::string profile_path(std::string_view program_folder, std::string_view file_name);

}  // namespace vantrel::settings
