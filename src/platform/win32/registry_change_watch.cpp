#include "platform/win32/registry_change_watch.h"

namespace horalix::win32 {

RegistryChangeWatch::RegistryChangeWatch() {
  if (RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, KEY_NOTIFY, &key_) != ERROR_SUCCESS) {
    key_ = nullptr;
    return;
  }
  // Reset by the wait that sees it, so that each change is counted once.
  event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  armed_ = arm();
}

RegistryChangeWatch::~RegistryChangeWatch() {
  if (key_ != nullptr) RegCloseKey(key_);
  if (event_ != nullptr) CloseHandle(event_);
}

bool RegistryChangeWatch::arm() {
  if (key_ == nullptr || event_ == nullptr) return false;
  constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
  return RegNotifyChangeKeyValue(key_, TRUE, kChanges, event_, TRUE) == ERROR_SUCCESS;
}

std::uint64_t RegistryChangeWatch::generation() {
  if (GetCurrentThreadId() != thread_) return ++generation_;
  if (!lookDue_) return generation_;
  lookDue_ = false;
  if (!armed_) {
    // Watched again from now on; what was read before may be stale.
    armed_ = arm();
    return ++generation_;
  }
  if (WaitForSingleObject(event_, 0) == WAIT_OBJECT_0) {
    // Watched again before anything is read afresh, so that no later change goes unseen.
    armed_ = arm();
    ++generation_;
  }
  return generation_;
}

}  // namespace horalix::win32
