// Message boxes over MessageBoxW. A timed box closes itself: through user32's MessageBoxTimeoutW
// where the system has it, and in any case through a timer of ours that ends the box when the
// time is up (some systems have the function but ignore its time-out).
#pragma once

#include "platform/message_boxes.h"

namespace horalix::win32 {

class Win32MessageBoxes final : public platform::MessageBoxes {
 public:
  int show(const std::string& text, const std::string& caption, unsigned flags) override;
  int showTimed(const std::string& text, const std::string& caption, unsigned flags,
                int timeoutMs) override;
};

}  // namespace horalix::win32
