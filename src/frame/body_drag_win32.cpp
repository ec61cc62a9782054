#include "frame/body_drag_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace vantrel::app {
namespace {

// Set apart from the list's own watch (identifier 1), which stays.
constexpr UINT_PTR kBodyDragId = 0x426f6479;

POINT position(LPARAM lparam) {
  return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

}  // namespace

BodyDrag::BodyDrag(HWND window, std::function<bool()> easy_move)
    : window_(window), easy_move_(std::move(easy_move)) {}

BodyDrag::~BodyDrag() {
  for (HWND control : watched_) RemoveWindowSubclass(control, watch_control, kBodyDragId);
}

void BodyDrag::watch(HWND control) {
  if (!control || std::find(watched_.begin(), watched_.end(), control) != watched_.end()) return;
  if (SetWindowSubclass(control, watch_control, kBodyDragId, reinterpret_cast<DWORD_PTR>(this)))
    watched_.push_back(control);
}

void BodyDrag::form_mouse_down(POINT at) {
  drag_.press({at.x, at.y});
}

void BodyDrag::form_mouse_move(POINT at, bool left_button_down) {
  if (on_mouse_move) on_mouse_move();
  RECT bounds{};
  GetWindowRect(window_, &bounds);
  const auto moved =
      drag_.move(DragSource::body, easy_move_(), left_button_down, {bounds.left, bounds.top}, {at.x, at.y});
  if (moved && (moved->x != bounds.left || moved->y != bounds.top))
    SetWindowPos(window_, nullptr, moved->x, moved->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK BodyDrag::watch_control(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR id, DWORD_PTR self) {
  auto& drag = *reinterpret_cast<BodyDrag*>(self);
  switch (message) {
    // Any button anchors the drag, as the control's own press handling
    // (selection, check boxes) goes on as usual.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      drag.form_mouse_down(position(lparam));
      break;
    case WM_MOUSEMOVE:
      drag.form_mouse_move(position(lparam), (wparam & MK_LBUTTON) != 0);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, watch_control, id);
      std::erase(drag.watched_, control);
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace vantrel::app
