// The scripting shell's registry verbs (RegWrite, RegRead, RegDelete), as the program uses them
// before falling back to the registry functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace horalix::platform {

// What RegRead hands back: text for REG_SZ/REG_EXPAND_SZ (up to the first NUL), a 32-bit integer
// for REG_DWORD, bytes for REG_BINARY, a list of texts for REG_MULTI_SZ.
using ShellValue = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>,
                                std::vector<std::string>>;

// Each verb creates and releases its own shell object. A verb that fails returns false or
// nullopt: that is the "error raised" that sends callers to the registry functions. Paths are
// full: "HKEY_CURRENT_USER\Vantrel\name"; a path ending in "\" names a key.
class ScriptingShell {
 public:
  virtual ~ScriptingShell() = default;

  // `type` is "REG_SZ" or "REG_DWORD" (a text that is not a number fails for REG_DWORD).
  // Creates missing keys along the path.
  virtual bool regWrite(const std::string& path, const ShellValue& value,
                        const std::string& type) = 0;
  virtual std::optional<ShellValue> regRead(const std::string& path) = 0;
  // A path ending in "\" deletes that key (it must have no subkeys).
  virtual bool regDelete(const std::string& path) = 0;
};

}  // namespace horalix::platform
