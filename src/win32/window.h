#pragma once

#include <windows.h>

namespace vantrel::win32 {

// The base of every window the program creates: the window finds its object
// from its first message (WM_NCCREATE) to its last, and the object forgets
// the window when it dies. Whoever destroys the window (the object, a
// parent, DestroyWindow anywhere), WM_NCDESTROY unbinds the two, so no
// message reaches an object that is gone and no object keeps a handle that
// may by now name another window.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it is still alive. The object is unbound first:
  // by now the derived part is gone, so the last messages get the default
  // handling. A class that must see its own WM_DESTROY calls destroy() in
  // its destructor.
  virtual ~Window();

  // Null before creation and once the window is destroyed.
  HWND handle() const { return window_; }

  // The object bound to a window of a class registered through
  // register_class; null for every other window.
  static Window* from(HWND window);

 protected:
  Window() = default;

  // Registers a class whose windows are served by this base; a class
  // already registered stays as it is.
  static void register_class(HINSTANCE instance, const wchar_t* class_name, HBRUSH background = nullptr);

  // Creates the window bound to this object; false when the system refuses.
  // Called from a derived constructor's body, messages sent during creation
  // reach the derived on_message.
  bool create(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title, DWORD style,
              DWORD ex_style, RECT bounds, HWND parent, HMENU menu = nullptr);
  void destroy();

  // Every message from WM_NCCREATE on, except WM_NCDESTROY, which the base
  // keeps to itself (handle WM_DESTROY for the end of the window).
  virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void unbind();

  HWND window_ = nullptr;
};

}  // namespace vantrel::win32
