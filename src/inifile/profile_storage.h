#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "inifile/ini_document.h"
#include "inifile/profile_text.h"

namespace vantrel::settings {

struct FileRead {
  enum class Status { ok, missing, failed };
  Status status = Status::missing;
  std::string bytes;
  std::string error;  // why a failed read failed, in the system's words
};

// A save writes the new text under the file's name plus this, then renames
// it over the file.
inline constexpr std::string_view kSavingSuffix = ".saving";
// Why a save failed when a folder bears the file's name: no rights or
// attributes would help, only moving the folder away.
inline constexpr std::string_view kFolderInTheWay =
    "A folder of that name is in the way, so the file cannot be written there.";

// Where initialisation files live. Paths are UTF-8.
class ProfileStorage {
 public:
  virtual ~ProfileStorage() = default;
  virtual FileRead read(const std::string& path) = 0;
  // Puts bytes in place of the file in one step: afterwards the file holds
  // either its old bytes or all of the new ones. Returns why it failed.
  // When the file is missing or empty, a non-empty "<path>.saving" left by
  // an interrupted save may be the only copy: it is never written over,
  // and goes only once the new file is in place.
  virtual std::optional<std::string> replace(const std::string& path, std::string_view bytes) = 0;
  virtual const AnsiCodePage& code_page() const = 0;
};

// Tells whether a document left by an interrupted save holds all it should,
// so that a file cut off part-way is never taken for the user's own.
using WholeDocumentCheck = std::function<bool(const IniDocument&)>;

// A file's text as a document (UTF-8 inside), and the encoding to write it
// back in.
struct LoadedDocument {
  IniDocument document;
  TextEncoding encoding = TextEncoding::ansi;
};

// A missing or unreadable file reads as an empty document, so every value
// takes its default. When the file is missing or empty and an interrupted
// save left "<path>.saving" beside it that is_whole accepts, that text is
// the file's: it is the last one the program wrote.
LoadedDocument load_document(ProfileStorage& storage, const std::string& path,
                             const WholeDocumentCheck& is_whole = {});

// Reads the file once (as load_document does), lets edit change it in
// memory and writes it back in one replace, in the encoding it was read in.
// A file that exists but cannot be read is left alone rather than
// overwritten without the keys it holds. Returns why it failed.
std::optional<std::string> save_document(ProfileStorage& storage, const std::string& path,
                                         const std::function<void(IniDocument&)>& edit,
                                         const WholeDocumentCheck& is_whole = {});

// The file's place: the program's folder (no trailing separator unless it
// is a drive root), a forward slash, then the file name.
std::string profile_path(std::string_view program_folder, std::string_view file_name);

}  // namespace vantrel::settings
