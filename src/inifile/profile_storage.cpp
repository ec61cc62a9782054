#include "inifile/profile_storage.h"

namespace vantrel::settings {
namespace {

struct Source {
  FileRead file;
  std::optional<LoadedDocument> loaded;
};

LoadedDocument decode(const std::string& bytes, const AnsiCodePage& code_page) {
  DecodedText text = decode_profile_text(bytes, code_page);
  return {IniDocument::parse_owned(std::move(text.utf8)), text.encoding};
}

Source read_source(ProfileStorage& storage, const std::string& path, const WholeDocumentCheck& is_whole) {
  Source source{storage.read(path), std::nullopt};
  const bool gone = source.file.status == FileRead::Status::missing ||
                    (source.file.status == FileRead::Status::ok && source.file.bytes.empty());
  if (gone && is_whole) {
    const FileRead left = storage.read(path + std::string(kSavingSuffix));
    if (left.status == FileRead::Status::ok) {
      const DecodedText text = decode_profile_text(left.bytes, storage.code_page());
      // Every save ends its text with a line break: without one the file
      // was cut short.
      if (text.utf8.ends_with('\n') || text.utf8.ends_with('\r')) {
        LoadedDocument recovered{IniDocument::parse(text.utf8), text.encoding};
        if (is_whole(recovered.document)) source.loaded = std::move(recovered);
      }
    }
  }
  if (!source.loaded && source.file.status == FileRead::Status::ok)
    source.loaded = decode(source.file.bytes, storage.code_page());
  return source;
}

}  // namespace

LoadedDocument load_document(ProfileStorage& storage, const std::string& path,
                             const WholeDocumentCheck& is_whole) {
  Source source = read_source(storage, path, is_whole);
  return source.loaded ? std::move(*source.loaded) : LoadedDocument{};
}

std::optional<std::string> save_document(ProfileStorage& storage, const std::string& path,
                                         const std::function<void(IniDocument&)>& edit,
                                         const WholeDocumentCheck& is_whole) {
  Source source = read_source(storage, path, is_whole);
  if (source.file.status == FileRead::Status::failed) return source.file.error;
  LoadedDocument loaded = source.loaded ? std::move(*source.loaded) : LoadedDocument{};
  edit(loaded.document);
  loaded.document.end_with_line_break();
  return storage.replace(path,
                         encode_profile_text(loaded.document.text(), loaded.encoding, storage.code_page()));
}

std::string profile_path(std::string_view program_folder, std::string_view file_name) {
  return std::string(program_folder) + "/" + std::string(file_name);
}

}  // namespace vantrel::settings
