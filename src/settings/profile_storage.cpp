#include "settings/profile_storage.h"

namespace vantrel::settings {

IniDocument load_document(ProfileStorage& storage, const std::string& path) {
  const FileRead file = storage.read(path);
  if (file.status != FileRead::Status::ok) return {};
  return IniDocument::parse(file.bytes);
}

std::optional<std::string> save_document(ProfileStorage& storage, const std::string& path,
                                         const std::function<void(IniDocument&)>& edit) {
  FileRead file = storage.read(path);
  if (file.status == FileRead::Status::failed) return file.error;
  IniDocument document = IniDocument::parse(file.bytes);
  edit(document);
  return storage.replace(path, document.text());
}

std::string profile_path(std::string_view program_folder, std::string_view file_name) {
  return std::string(program_folder) + "/" + std::string(file_name);
}

}  // namespace vantrel::settings
