#include "win32/common_dialogs.h"

#include "win32/system_library.h"

namespace vantrel::win32 {
namespace {

// Loaded once and kept to the end of the process: a dialog's windows and
// hooks may outlive the call that opened them by a message or two.
class CommonDialogLibrary {
 public:
  CommonDialogLibrary() : module_(load_system_library(L"comdlg32.dll")) {}
  ~CommonDialogLibrary() {
    if (module_) FreeLibrary(module_);
  }
  CommonDialogLibrary(const CommonDialogLibrary&) = delete;
  CommonDialogLibrary& operator=(const CommonDialogLibrary&) = delete;

  template <typename Dialog>
  BOOL open(const char* function, Dialog& dialog) const {
    using Function = BOOL(WINAPI*)(Dialog*);
    const FARPROC found = module_ ? GetProcAddress(module_, function) : nullptr;
    if (!found) return FALSE;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found))(&dialog);
  }

 private:
  HMODULE module_;
};

const CommonDialogLibrary& library() {
  static const CommonDialogLibrary loaded;
  return loaded;
}

}  // namespace

BOOL choose_font_dialog(CHOOSEFONTW& dialog) {
  return library().open("ChooseFontW", dialog);
}

BOOL choose_colour_dialog(CHOOSECOLORW& dialog) {
  return library().open("ChooseColorW", dialog);
}

BOOL open_file_dialog(OPENFILENAMEW& dialog) {
  return library().open("GetOpenFileNameW", dialog);
}

}  // namespace vantrel::win32
