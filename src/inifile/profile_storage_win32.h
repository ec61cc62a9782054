#pragma once

#include <cstddef>
#include <functional>

#include "inifile/ansi_code_page_win32.h"
#include "inifile/profile_storage.h"

namespace vantrel::settings {

// Stages of a replace, for tests that stop a save part-way as a crash or a
// power cut would.
enum class ReplaceStage { temp_created, chunk_written, temp_flushed, before_swap, after_swap };

// Files on disk. A replace writes a temporary file beside the target,
// flushes it to the disk and swaps it in with one rename that replaces the
// target in a single step, so a save cut off at any moment leaves either
// the old file or the new one, never a mix and never neither.
class Win32ProfileStorage : public ProfileStorage {
 public:
  // Called at each stage; returning false stops the replace right there,
  // leaving the disk as it is, without cleaning up.
  using StageHook = std::function<bool(ReplaceStage)>;

  explicit Win32ProfileStorage(StageHook hook = {}, std::size_t chunk_size = 64 * 1024);

  FileRead read(const std::string& path) override;
  std::optional<std::string> replace(const std::string& path, std::string_view bytes) override;
  const AnsiCodePage& code_page() const override { return code_page_; }

 private:
  bool proceed(ReplaceStage stage) const { return !hook_ || hook_(stage); }
  std::optional<std::string> write_in_place(const std::wstring& target, std::string_view bytes);

  Win32AnsiCodePage code_page_;
  StageHook hook_;
  std::size_t chunk_size_;
};

}  // namespace vantrel::settings
