// The scripting shell's registry verbs through IDispatch on "WScript.Shell". One shell object
// serves the verbs of its thread; any COM failure or script error is the verb's failure. Given a
// watch of HKEY_CURRENT_USER, what RegRead gave from there is kept until the watch sees a
// change.
#pragma once

#include <memory>

#include "platform/scripting_shell.h"
#include "platform/win32/registry_change_watch.h"

namespace horalix::win32 {

class Win32ScriptingShell final : public platform::ScriptingShell {
 public:
  explicit Win32ScriptingShell(RegistryChangeWatch* watch = nullptr);
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
  std::optional<platform::ShellValue> readThroughShell(const std::string& path);
  // Whether a read of this path may be answered from what was read before; drops those kept
  // from before the latest change.
  bool keepsRead(const std::string& path);

  std::unique_ptr<ShellObject> shell_;
  KeptReads<std::optional<platform::ShellValue>> reads_;  // by path
};

}  // namespace horalix::win32
