// hold_hotkey.exe MODIFIERS KEY: registers that global hotkey for itself and
// keeps it until killed, as another program holding a combination would.
// Prints "held" or "refused".
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: hold_hotkey MODIFIERS KEY\n");
    return 2;
  }
  const UINT modifiers = static_cast<UINT>(std::strtoul(argv[1], nullptr, 0));
  const UINT key = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
  if (!RegisterHotKey(nullptr, 1, modifiers, key)) {
    std::printf("refused\n");
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
  }
  return 0;
}
