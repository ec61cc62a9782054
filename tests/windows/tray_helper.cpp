// tray_helper.exe remove | broadcast: what Explorer does to a running
// program's notification-area icon. "remove" deletes Vantrel's icon (its
// hidden tray window, identifier 1) as a restarting shell loses every icon;
// "broadcast" sends the TaskbarCreated message a new shell sends to every
// top-level window. Prints "done" or "failed".
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

bool remove_icon() {
  const HWND tray = FindWindowW(L"VantrelTrayIcon", nullptr);
  if (!tray) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = tray;
  data.uID = 1;
  return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

bool broadcast_taskbar_created() {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  DWORD_PTR ignored = 0;
  return message != 0 &&
         SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tray_helper remove|broadcast\n");
    return 2;
  }
  bool done = false;
  if (std::strcmp(argv[1], "remove") == 0) done = remove_icon();
  if (std::strcmp(argv[1], "broadcast") == 0) done = broadcast_taskbar_created();
  std::printf(done ? "done\n" : "failed\n");
  return done ? 0 : 1;
}
