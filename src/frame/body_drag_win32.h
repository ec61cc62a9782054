#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "frame/frame_layout.h"

namespace vantrel::app {

// Dragging a window by its body: its own surface, which reports its mouse
// messages here, and the controls watched here (the hotkey list, and the
// properties panel's parts where they take the mouse themselves). A press
// anywhere on the body anchors the drag; a move with the left button held
// shifts the window by the mouse's travel while "Easy Window Move" is on.
class BodyDrag {
 public:
  BodyDrag(HWND window, std::function<bool()> easy_move);
  ~BodyDrag();
  BodyDrag(const BodyDrag&) = delete;
  BodyDrag& operator=(const BodyDrag&) = delete;

  // Presses and moves over this control count as over the body. A control
  // that dies first is forgotten by itself.
  void watch(HWND control);

  // FormMouseDown and FormMouseMove; positions in the coordinates of the
  // control under the mouse, which moves with the window.
  void form_mouse_down(POINT at);
  void form_mouse_move(POINT at, bool left_button_down);

  // Every move over the body, whatever the option and the buttons.
  std::function<void()> on_mouse_move;

 private:
  static LRESULT CALLBACK watch_control(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);

  HWND window_;
  std::function<bool()> easy_move_;
  WindowDrag drag_;
  std::vector<HWND> watched_;
};

}  // namespace vantrel::app
