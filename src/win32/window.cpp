#include "win32/window.h"

#include "win32/window_class.h"

namespace vantrel::win32 {

Window::~Window() {
  if (!window_) return;
  const HWND window = window_;
  unbind();
  DestroyWindow(window);
}

Window* Window::from(HWND window) {
  // The class's procedure, not the window's: a tooltip that subclasses one
  // of our buttons leaves it ours. Any other class may keep its own data in
  // GWLP_USERDATA, which is no object of ours.
  if (!window || GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&procedure))
    return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::register_class(HINSTANCE instance, const wchar_t* class_name, HBRUSH background) {
  register_window_class(instance, class_name, &procedure, background);
}

bool Window::create(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title, DWORD style,
                    DWORD ex_style, RECT bounds, HWND parent, HMENU menu) {
  CreateWindowExW(ex_style, class_name, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                  bounds.bottom - bounds.top, parent, menu, instance, this);
  // The handle was stored on WM_NCCREATE; a window that failed later in its
  // creation has been through WM_NCDESTROY and cleared it again.
  return window_ != nullptr;
}

void Window::destroy() {
  if (window_) DestroyWindow(window_);
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Window::unbind() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (self) {
      self->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    self->unbind();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->on_message(message, wparam, lparam);
}

}  // namespace vantrel::win32
