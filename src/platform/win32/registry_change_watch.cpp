#include "platform/win32/registry_change_watch.h"

namespace horalix::win32 {

RegistryChangeWatch::RegistryChangeWatch() {
  if (RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, KEY_NOTIFY, &key_) != ERROR_SUCCESS) {
    key_ = nullptr;
    return;
  }
  // Reset by the wait that sees it, so that each report is taken once.
  event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (event_ == nullptr ||
      !RegisterWaitForSingleObject(&wait_, event_, &RegistryChangeWatch::reported, this, INFINITE,
                                   WT_EXECUTEDEFAULT)) {
    wait_ = nullptr;
    return;
  }
  armed_ = arm();
}

RegistryChangeWatch::~RegistryChangeWatch() {
  // Waits for a report being taken to finish before the watch goes.
  if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  if (key_ != nullptr) RegCloseKey(key_);
  if (event_ != nullptr) CloseHandle(event_);
}

void CALLBACK RegistryChangeWatch::reported(void* watch, BOOLEAN) {
  static_cast<RegistryChangeWatch*>(watch)->changed_ = true;
}

bool RegistryChangeWatch::arm() {
  if (key_ == nullptr || wait_ == nullptr) return false;
  constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
  return RegNotifyChangeKeyValue(key_, TRUE, kChanges, event_, TRUE) == ERROR_SUCCESS;
}

std::uint64_t RegistryChangeWatch::generation() {
  if (GetCurrentThreadId() != thread_) return ++generation_;
  if (!armed_) {
    // Watched again from now on; what was read before may be stale.
    armed_ = arm();
    return ++generation_;
  }
  if (changed_.exchange(false)) {
    // A report covers one change: the registry is asked to report again before anything is
    // read afresh, so that no later change goes unseen.
    armed_ = arm();
    ++generation_;
  }
  return generation_;
}

}  // namespace horalix::win32
