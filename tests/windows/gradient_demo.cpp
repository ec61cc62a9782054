// gradient_demo.exe [--bench]: a window at the screen's top left with five
// gradient buttons, 100 x 25 at y 20, from x 20 every 120 pixels: "Normal"
// (the Default button), "&Hot" (accelerator H), "Focused" (has the focus at
// start), "Pressed" (the Cancel button), "Disabled"; and a plain edit box at
// (20, 60). Each click is appended to "<own path>.log" as the button's name.
// --bench prints the median time of one repaint of a button instead.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ui/gradient_button_win32.h"
#include "win32/window.h"

namespace {

using vantrel::ui::TGradientButton;

std::string log_path() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length) + ".log";
}

// The demo's frame: the run ends with it.
class DemoWindow : public vantrel::win32::Window {
 public:
  explicit DemoWindow(HINSTANCE instance) {
    register_class(instance, L"GradientDemo", static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    create(instance, L"GradientDemo", L"Gradient demo", WS_POPUP | WS_VISIBLE, 0, RECT{0, 0, 640, 100},
           nullptr);
  }

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_DESTROY) {
      PostQuitMessage(0);
      return 0;
    }
    return Window::on_message(message, wparam, lparam);
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  const DemoWindow demo(instance);
  const HWND window = demo.handle();
  std::vector<std::unique_ptr<TGradientButton>> buttons;
  const wchar_t* captions[] = {L"Normal", L"&Hot", L"Focused", L"Pressed", L"Disabled"};
  for (int i = 0; i < 5; ++i) {
    const int x = 20 + 120 * i;
    buttons.push_back(
        std::make_unique<TGradientButton>(window, 100 + i, captions[i], RECT{x, 20, x + 100, 45}));
    buttons.back()->set_color(0xFFFFFF);
    const std::string name = i == 0   ? "Normal"
                             : i == 1 ? "Hot"
                             : i == 2 ? "Focused"
                             : i == 3 ? "Pressed"
                                      : "Disabled";
    buttons.back()->on_click = [name] {
      if (FILE* file = std::fopen(log_path().c_str(), "a")) {
        std::fprintf(file, "%s\n", name.c_str());
        std::fclose(file);
      }
    };
  }
  EnableWindow(buttons[4]->handle(), FALSE);
  buttons[0]->set_default(true);
  buttons[3]->set_cancel(true);
  CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 60, 100, 22, window,
                  nullptr, instance, nullptr);
  SetFocus(buttons[2]->handle());

  if (std::strstr(command_line, "--bench")) {
    TGradientButton& button = *buttons[0];
    const int builds = button.gradient_builds();
    std::vector<double> times;
    for (int i = 0; i < 1001; ++i) {
      const auto start = std::chrono::steady_clock::now();
      RedrawWindow(button.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      times.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("100 x 25 button: median repaint %.1f us over 1001; gradients computed during them: %d\n",
                times[times.size() / 2], button.gradient_builds() - builds);
    return 0;
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TGradientButton::handle_dialog_key(window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
