// The reference counting that every COM object of the library shares: it counts itself among
// the library's live objects while it exists, and deletes itself when its last reference goes.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "addin/win32/addin_module.h"

namespace horalix::addin::win32 {

template <typename Derived, typename... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject() { objectCreated(); }
  ~ComObject() { objectDestroyed(); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = InterlockedDecrement(&references_);
    if (left == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(left);
  }

 private:
  long references_ = 1;
};

}  // namespace horalix::addin::win32
