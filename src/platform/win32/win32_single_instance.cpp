#include "platform/win32/win32_single_instance.h"

namespace horalix::win32 {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\Horalix.SingleInstance";
}  // namespace

Win32SingleInstance::~Win32SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool Win32SingleInstance::claim() {
  if (mutex_ != nullptr) return owner_;
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  // A mutex that already existed belongs to a running instance. A mutex that cannot be made at
  // all says nothing about other instances; the program then runs.
  owner_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
  return owner_;
}

}  // namespace horalix::win32
