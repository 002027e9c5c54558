#include "platform/win32/com_apartment.h"

#include <objbase.h>

namespace horalix::win32 {

namespace {

// The thread's own share of COM: held from the first call that initialised COM on a thread where
// nobody had, until the thread ends.
class ThreadApartment {
 public:
  ThreadApartment() = default;
  ~ThreadApartment() {
    if (owned_) CoUninitialize();
  }
  ThreadApartment(const ThreadApartment&) = delete;
  ThreadApartment& operator=(const ThreadApartment&) = delete;

  bool usable() {
    if (owned_) return true;
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (result == S_OK) {
      owned_ = true;
      return true;
    }
    // S_FALSE: the thread's owner (a host that loaded the add-in, say) initialised COM first. Its
    // share is given back at once, so that the owner's own shutdown of COM is not held up by ours.
    if (result == S_FALSE) {
      CoUninitialize();
      return true;
    }
    // RPC_E_CHANGED_MODE: someone made this thread multi-threaded first; COM still works.
    return result == RPC_E_CHANGED_MODE;
  }

 private:
  bool owned_ = false;
};

}  // namespace

bool ensureComApartment() {
  thread_local ThreadApartment apartment;
  return apartment.usable();
}

}  // namespace horalix::win32
