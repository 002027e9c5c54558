// Opening documents and addresses (ShellExecuteW), starting programs (CreateProcessW) and the
// HTML help viewer (HtmlHelpW from hhctrl.ocx, loaded when first needed).
#pragma once

#include "platform/shell.h"

namespace horalix::win32 {

class Win32Shell final : public platform::Shell {
 public:
  int open(const std::string& target, const std::string& parameters,
           const std::string& folder) override;
  bool startProgram(const std::string& commandLine, Window window) override;
  bool htmlHelp(const std::string& chmPath) override;
};

}  // namespace horalix::win32
