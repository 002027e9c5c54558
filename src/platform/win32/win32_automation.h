// Late-bound automation through IDispatch: objects by ProgID (GetActiveObject or
// CoCreateInstance), members by GetIDsOfNames and Invoke, tables as two-dimensional arrays of
// variants.
#pragma once

#include "platform/automation.h"

namespace horalix::win32 {

class Win32Automation final : public platform::Automation {
 public:
  platform::AutomationReply running(const std::string& progId) override;
  platform::AutomationReply create(const std::string& progId) override;
};

}  // namespace horalix::win32
