// Opening documents and addresses (ShellExecuteW), starting programs (CreateProcessW) and the
// HTML help viewer (HtmlHelpW from hhctrl.ocx, loaded when first needed).
#pragma once

#include <functional>

#include "platform/shell.h"

namespace horalix::win32 {

class Win32FormHost;

class Win32Shell final : public platform::Shell {
 public:
  // The program's message loop, run while `stillWaiting()` holds; without one, waiting for a
  // started program blocks the thread. Without a form host, help windows have no owner.
  using ModalLoop = std::function<void(const std::function<bool()>& stillWaiting)>;
  explicit Win32Shell(const Win32FormHost* forms = nullptr, ModalLoop modalLoop = {})
      : forms_(forms), modalLoop_(std::move(modalLoop)) {}

  int open(const std::string& target, const std::string& parameters,
           const std::string& folder) override;
  bool startProgram(const std::string& commandLine, Window window) override;
  std::optional<std::uint32_t> runAndWait(const std::string& commandLine, Window window,
                                          int timeoutMs) override;
  bool htmlHelp(const std::string& chmPath, const platform::Form& owner) override;

 private:
  const Win32FormHost* forms_;
  ModalLoop modalLoop_;
};

}  // namespace horalix::win32
