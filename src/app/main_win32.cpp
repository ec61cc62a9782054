#include <windows.h>
#include <commctrl.h>

#include <objbase.h>

#include "app/main_window_win32.h"
#include "app/single_instance_win32.h"
#include "audio/no_mixer.h"
#include "settings/settings_store.h"

namespace {

// The display is drawn by the on-screen display window once it exists.
class UndrawnDisplay : public vantrel::osd::Display {
 public:
  void show_text(const std::string&) override {}
  void show_volume_progress(double, double) override {}
  void clear() override {}
};

// The shell's launches need COM on the thread that calls them.
class ComApartment {
 public:
  ComApartment()
      : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool ok_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const auto instance_mutex = vantrel::app::claim_single_instance();
  if (!instance_mutex) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const ComApartment com;
  vantrel::settings::DefaultSettings settings;
  UndrawnDisplay display;
  vantrel::audio::NoMixer volume;
  vantrel::app::MainWindow main_window(instance, settings, display, volume);
  if (!main_window.handle()) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    main_window.application_events_message(message);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
