// Opening documents and addresses (ShellExecuteW), starting programs (CreateProcessW) and the
// HTML help viewer (HtmlHelpW from hhctrl.ocx, loaded when first needed).
#pragma once

#include "platform/shell.h"

namespace horalix::win32 {

class Win32FormHost;

class Win32Shell final : public platform::Shell {
 public:
  // Without a form host, help windows have no owner.
  explicit Win32Shell(const Win32FormHost* forms = nullptr) : forms_(forms) {}

  int open(const std::string& target, const std::string& parameters,
           const std::string& folder) override;
  bool startProgram(const std::string& commandLine, Window window) override;
  bool htmlHelp(const std::string& chmPath, const platform::Form& owner) override;

 private:
  const Win32FormHost* forms_;
};

}  // namespace horalix::win32
