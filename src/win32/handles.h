#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vantrel::win32 {

// Ownership of the system's handles: each closes with its own function.
struct HandleCloser {
  void operator()(HANDLE h) const {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

inline UniqueHandle make_file_handle(HANDLE h) {
  return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

struct GdiObjectDeleter {
  void operator()(HGDIOBJ h) const {
    if (h) DeleteObject(h);
  }
};
template <typename T>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;

struct MenuDeleter {
  void operator()(HMENU h) const {
    if (h) DestroyMenu(h);
  }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct IconDeleter {
  void operator()(HICON h) const {
    if (h) DestroyIcon(h);
  }
};
// Only for icons the program made or loaded unshared; shared icons belong
// to the system.
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct DcDeleter {
  void operator()(HDC h) const {
    if (h) DeleteDC(h);
  }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A device context borrowed from a window, given back on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Puts an object into a device context and restores the previous one.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vantrel::win32
