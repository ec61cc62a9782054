#pragma once

#include <objbase.h>

namespace vantrel::win32 {

// COM for the calling thread, single-threaded, for as long as the object
// lives: the shell's launches and the sound endpoints need it on the thread
// that calls them.
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

}  // namespace vantrel::win32
