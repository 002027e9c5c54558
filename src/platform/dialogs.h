// The common open, save and colour dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace horalix::platform {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // `filter` as the dialogs take it: "Text (*.txt)|*.txt|All|*.*". nullopt when cancelled.
  virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                              const std::string& folder) = 0;
  virtual std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                              const std::string& folder,
                                              const std::string& name) = 0;
  virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
};

}  // namespace horalix::platform
