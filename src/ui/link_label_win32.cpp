#include "ui/link_label_win32.h"

#include "ui/shell_open_win32.h"
#include "win32/colour.h"
#include "win32/text.h"

namespace vantrel::ui {
namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

win32::UniqueGdi<HFONT> underlined(HFONT font) {
  LOGFONTW look{};
  GetObjectW(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof look, &look);
  look.lfUnderline = TRUE;
  return win32::UniqueGdi<HFONT>(CreateFontIndirectW(&look));
}

}  // namespace

TLinkLabel::TLinkLabel(HWND parent, int id, POINT at, HFONT font) : font_(underlined(font)) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  register_class(instance, kClassName);
  create(instance, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, RECT{at.x, at.y, at.x, at.y},
         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  fit();
}

void TLinkLabel::set_caption(const std::string& caption) {
  if (caption == text_.caption()) return;
  text_.set_caption(caption);
  fit();
}

void TLinkLabel::set_hyper_link(const std::string& hyper_link) {
  const std::string before = text_.caption();
  text_.set_hyper_link(hyper_link);
  if (text_.caption() != before) fit();
}

void TLinkLabel::set_link_type(tLinkType type) {
  text_.set_link_type(type);
}

void TLinkLabel::set_background(base::ColourValue colour) {
  if (colour == background_) return;
  background_ = colour;
  InvalidateRect(handle(), nullptr, TRUE);
}

void TLinkLabel::fit() {
  const std::wstring caption = win32::widen(text_.caption());
  SetWindowTextW(handle(), caption.c_str());
  const win32::WindowDc dc(handle());
  const win32::SelectedObject selected(dc.get(), shown_font());
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  if (caption.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    extent.cy = metrics.tmHeight;
  }
  SetWindowPos(handle(), nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT TLinkLabel::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN: {
      // Taken here: the press neither starts a drag of the window beneath
      // nor reaches anything else.
      const HWND owner = GetParent(handle());
      open_through_shell(owner, owner, L"Open", text_.address());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    // The label keeps its underlined copy of a font given at another DPI
    // and grows or shrinks with it.
    case WM_SETFONT: {
      const auto font = reinterpret_cast<HFONT>(wparam);
      scaled_font_ = font && font != font_.get() ? underlined(font) : nullptr;
      fit();
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(handle(), &paint);
      RECT all{};
      GetClientRect(handle(), &all);
      const win32::UniqueGdi<HBRUSH> background(CreateSolidBrush(win32::colour_ref(background_)));
      FillRect(dc, &all, background.get());
      const win32::SelectedObject selected(dc, shown_font());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, kLinkBlue);
      const std::wstring caption = win32::widen(text_.caption());
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &all,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      EndPaint(handle(), &paint);
      return 0;
    }
    default:
      return Window::on_message(message, wparam, lparam);
  }
}

}  // namespace vantrel::ui
