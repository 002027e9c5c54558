// The routines over the registry functions. Each opens its key, does one thing and closes the
// key again; none raises an error: failures become result codes, Empty, "" or nothing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "services/variant.h"

namespace horalix {

// A key opened for the length of one routine.
struct OpenKey {
  platform::Registry& registry;
  platform::RegRoot root;
  std::string path;
};

// Writes a value into an open key: REG_SZ as text with its terminating NUL, REG_DWORD as a
// 32-bit number. Any other type writes nothing and gives 0. A value that is no number cannot
// be written as REG_DWORD: nothing is written and the result is ERROR_INVALID_PARAMETER.
long SetValueData(const OpenKey& key, const std::string& name, std::uint32_t type,
                  const Variant& value);
// Reads a value of an open key: REG_SZ as the stored text, terminating NUL included;
// REG_DWORD as a number. Another type gives -1. `value` is set only on success.
long QueryValueData(const OpenKey& key, const std::string& name, Variant& value);

// Creates the key and every missing key along the path; failures are silent.
void CreateNewKey(platform::Registry& registry, platform::RegRoot root, const std::string& subkey);
// Writes into an existing key (a missing key is not created and gives an error code).
long SetKeyValue(platform::Registry& registry, platform::RegRoot root, const std::string& subkey,
                 const std::string& name, const Variant& value, std::uint32_t type);
// The value as QueryValueData reads it; Empty when the key or value is missing, unreadable or
// of another type.
Variant QueryValue(platform::Registry& registry, platform::RegRoot root, const std::string& subkey,
                   const std::string& name);
void DeleteKeyValue(platform::Registry& registry, platform::RegRoot root, const std::string& subkey,
                    const std::string& name);
// Deletes the key itself; a key with subkeys stays, silently.
void DeleteRegKey(platform::Registry& registry, platform::RegRoot root, const std::string& subkey);

// A text value of at most 255 bytes without its terminating NUL; "" when the key or value is
// missing, longer, empty or not text. A key that cannot be closed afterwards is reported in a
// critical message box.
std::string ReadRegString(platform::Registry& registry, platform::MessageBoxes& boxes,
                          platform::RegRoot root, const std::string& subkey,
                          const std::string& name);
// Whether a value under HKEY_CLASSES_ROOT ("" for the default value) holds text.
bool RegKeyExists(platform::Registry& registry, platform::MessageBoxes& boxes,
                  const std::string& subkey, const std::string& name);

}  // namespace horalix
