// One running instance per user session, by a named mutex that the first instance holds for
// the life of its process.
#pragma once

#include <windows.h>

#include "platform/single_instance.h"

namespace horalix::win32 {

class Win32SingleInstance final : public platform::SingleInstance {
 public:
  Win32SingleInstance() = default;
  ~Win32SingleInstance() override;
  Win32SingleInstance(const Win32SingleInstance&) = delete;
  Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

  bool claim() override;

 private:
  HANDLE mutex_ = nullptr;
  bool owner_ = false;
};

}  // namespace horalix::win32
