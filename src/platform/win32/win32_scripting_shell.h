// The scripting shell's registry verbs through IDispatch on "WScript.Shell". One shell object
// serves the verbs of its thread; any COM failure or script error is the verb's failure.
#pragma once

#include <memory>

#include "platform/scripting_shell.h"

namespace horalix::win32 {

class Win32ScriptingShell final : public platform::ScriptingShell {
 public:
  Win32ScriptingShell();
  ~Win32ScriptingShell() override;
  Win32ScriptingShell(const Win32ScriptingShell&) = delete;
  Win32ScriptingShell& operator=(const Win32ScriptingShell&) = delete;

  bool regWrite(const std::string& path, const platform::ShellValue& value,
                const std::string& type) override;
  std::optional<platform::ShellValue> regRead(const std::string& path) override;
  bool regDelete(const std::string& path) override;

 private:
  class ShellObject;
  ShellObject& shell();
  std::unique_ptr<ShellObject> shell_;
};

}  // namespace horalix::win32
