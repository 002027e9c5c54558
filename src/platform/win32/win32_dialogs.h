// The common open, save and colour dialogs of comdlg32.
#pragma once

#include <string>

#include "platform/dialogs.h"

namespace horalix::win32 {

class Win32Dialogs final : public platform::Dialogs {
 public:
  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& folder) override;
  std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                      const std::string& folder, const std::string& name) override;
  std::optional<std::string> fileDialog(const platform::FileDialogRequest& request) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
};

// "Text (*.txt)|*.txt|All|*.*" as the dialogs take it: NUL-separated, ending in two NULs.
std::wstring dialogFilter(const std::string& filter);

}  // namespace horalix::win32
