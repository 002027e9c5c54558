#include "platform/win32/com_apartment.h"

#include <objbase.h>

namespace horalix::win32 {

namespace {

class ThreadApartment {
 public:
  ThreadApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ThreadApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ThreadApartment(const ThreadApartment&) = delete;
  ThreadApartment& operator=(const ThreadApartment&) = delete;

  // RPC_E_CHANGED_MODE: someone made this thread multi-threaded first; COM still works.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace

bool ensureComApartment() {
  thread_local ThreadApartment apartment;
  return apartment.usable();
}

}  // namespace horalix::win32
