// The scripting shell's registry verbs through IDispatch on "WScript.Shell". Each verb creates
// and releases its own shell object; any COM failure or script error is the verb's failure.
#pragma once

#include "platform/scripting_shell.h"

namespace horalix::win32 {

class Win32ScriptingShell final : public platform::ScriptingShell {
 public:
  bool regWrite(const std::string& path, const platform::ShellValue& value,
                const std::string& type) override;
  std::optional<platform::ShellValue> regRead(const std::string& path) override;
  bool regDelete(const std::string& path) override;
};

}  // namespace horalix::win32
