// Modal and timed message boxes.
#pragma once

#include <string>

namespace horalix::platform {

// Button sets and icons as the message box takes them (flags can be combined).
namespace mb {
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned OkCancel = 0x1;
inline constexpr unsigned YesNo = 0x4;
inline constexpr unsigned Critical = 0x10;
inline constexpr unsigned Question = 0x20;
inline constexpr unsigned Exclamation = 0x30;
inline constexpr unsigned Information = 0x40;
inline constexpr unsigned SystemModal = 0x1000;
inline constexpr unsigned Topmost = 0x40000;
}  // namespace mb

// Answers as the message box returns them.
namespace answer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
inline constexpr int TimedOut = 32000;
}  // namespace answer

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal box; other timers keep running while it is open.
  virtual int show(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // A box that closes itself after `timeoutMs` (answer::TimedOut).
  virtual int showTimed(const std::string& text, const std::string& caption, unsigned flags,
                        int timeoutMs) = 0;
};

}  // namespace horalix::platform
