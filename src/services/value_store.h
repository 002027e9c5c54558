// How the program writes, reads and deletes its registry values: through the scripting shell
// first and, when the shell fails, through the registry routines. Nothing is cached: every
// call reaches the registry afresh, since the add-in changes the same key at any time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/scripting_shell.h"
#include "services/variant.h"

namespace horalix {

// One value of a group write, with its registry type (REG_SZ or REG_DWORD).
struct NamedValue {
  std::string name;
  Variant value;
  std::uint32_t type = platform::regtype::Sz;
};

// One value of a group read and where its result goes. `fromShell` converts what RegRead gave
// to the caller's type and returns false when it cannot (the conversion error that sends the
// group to the registry routines); `fromRegistry` takes what QueryValue gave (Empty when
// missing).
struct ReadSlot {
  std::string name;
  std::function<bool(const platform::ShellValue&)> fromShell;
  std::function<void(const Variant&)> fromRegistry;

  // Text: through the shell as it is; through the registry cut at the first control character.
  static ReadSlot text(std::string name, std::string& target);
  // Numbers: through the shell converted with rounding (a text that is no number, or a number
  // out of range, fails); through the registry the leading number of the value's text,
  // rounded, 0 when missing or out of range.
  static ReadSlot int32(std::string name, std::int32_t& target);
  static ReadSlot int16(std::string name, std::int16_t& target);
};

class ValueStore {
 public:
  // The program's own key is HKEY_CURRENT_USER\Vantrel; other keys of the current user (a
  // sibling program's, the Office hosts') follow the same convention.
  ValueStore(platform::ScriptingShell& shell, platform::Registry& registry,
             std::string key = "Vantrel", platform::RegRoot root = platform::RegRoot::CurrentUser);

  const std::string& key() const { return key_; }
  // The path the shell takes: "HKEY_CURRENT_USER\Vantrel\" and the value name.
  std::string fullPath(const std::string& name) const;

  // RegWrite, and when it fails the same write with SetKeyValue (which needs the key to exist).
  void write(const std::string& name, const Variant& value, std::uint32_t type);
  void writeText(const std::string& name, const std::string& text);
  void writeNumber(const std::string& name, std::int32_t number);
  // Every value through the shell; when any one failed, the whole group again, in order,
  // through SetKeyValue.
  void writeGroup(const std::vector<NamedValue>& values);

  // RegRead, and when it fails QueryValue (see ReadSlot for the conversions).
  std::string readText(const std::string& name);
  std::int32_t readInt32(const std::string& name);
  std::int16_t readInt16(const std::string& name);
  // Every slot through the shell (a slot whose read fails keeps its target); when any one
  // failed, every slot again through QueryValue.
  void readGroup(const std::vector<ReadSlot>& slots);

  // RegDelete, and when it fails DeleteKeyValue.
  void remove(const std::string& name);
  // Every value through the shell; when any one failed (a missing value is a failure), the
  // whole group again through DeleteKeyValue.
  void removeGroup(const std::vector<std::string>& names);
  // The key itself (it must have no subkeys): RegDelete of its path ending in "\", and when
  // that fails DeleteRegKey.
  void removeKey();

  // The single steps, for routines that order them their own way.
  bool shellWrite(const NamedValue& value);
  long registryWrite(const NamedValue& value);
  std::optional<platform::ShellValue> shellRead(const std::string& name);
  Variant registryRead(const std::string& name);
  bool shellDelete(const std::string& name);
  void registryDelete(const std::string& name);

 private:
  platform::ScriptingShell& shell_;
  platform::Registry& registry_;
  std::string key_;
  platform::RegRoot root_;
};

}  // namespace horalix
