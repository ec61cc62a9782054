#include "frame/window_frame_win32.h"

#include "frame/frame_layout.h"
#include "win32/colour.h"

namespace vantrel::app {
namespace {

constexpr wchar_t kFrameLineClass[] = L"VantrelFrameLine";
// Navy until a colour scheme gives the lines its own colour.
constexpr base::ColourValue kNavy = base::rgb(0, 0, 128);

RECT to_rect(const ui::Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

FrameLine::FrameLine(HWND parent, RECT bounds, base::ColourValue colour)
    : brush_(CreateSolidBrush(win32::colour_ref(colour))) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  register_class(instance, kFrameLineClass);
  create(instance, kFrameLineClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent);
}

void FrameLine::set_colour(base::ColourValue colour) {
  brush_.reset(CreateSolidBrush(win32::colour_ref(colour)));
  InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT FrameLine::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(handle(), &paint);
      FillRect(dc, &paint.rcPaint, brush_.get());
      EndPaint(handle(), &paint);
      return 0;
    }
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

WindowFrame::WindowFrame(HWND window, int width, int height)
    : label_left_(window, to_rect(frame_lines(width, height).left), kNavy),
      label_right_(window, to_rect(frame_lines(width, height).right), kNavy),
      label_bottom_(window, to_rect(frame_lines(width, height).bottom), kNavy) {
  fit(width, height);
}

void WindowFrame::fit(int width, int height, win32::DpiLayout* layout) {
  const FrameLines lines = frame_lines(width, height);
  const std::pair<FrameLine*, ui::Rect> placed[] = {
      {&label_left_, lines.left}, {&label_right_, lines.right}, {&label_bottom_, lines.bottom}};
  for (const auto& [line, bounds] : placed) {
    // On top: the shorter window puts the bottom line over the panel it
    // cuts off.
    if (layout) {
      layout->place(line->handle(), to_rect(bounds), HWND_TOP);
      continue;
    }
    SetWindowPos(line->handle(), HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE);
  }
}

void WindowFrame::set_colour(base::ColourValue colour) {
  for (FrameLine* line : {&label_left_, &label_right_, &label_bottom_}) line->set_colour(colour);
}

}  // namespace vantrel::app
