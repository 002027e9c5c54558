#include "services/value_store.h"

#include <string_view>

#include "services/registry_routines.h"
#include "services/runtime_error.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ShellValue;

namespace {

const char* rootPath(platform::RegRoot root) {
  switch (root) {
    case platform::RegRoot::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case platform::RegRoot::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case platform::RegRoot::CurrentUser:
      break;
  }
  return "HKEY_CURRENT_USER";
}

// A number slot. Through the shell the value is converted with `convert` (CLng or CInt), which
// raises for text that is no number, a number out of range or a list; the slot then fails.
// Through the registry it is the leading number of the value's text, converted the same way;
// 0 when it is missing or does not fit.
template <typename Integer, typename Convert>
ReadSlot numberSlot(std::string name, Integer& target, Convert convert) {
  return {std::move(name),
          [&target, convert](const ShellValue& value) {
            try {
              if (const auto* number = std::get_if<std::int32_t>(&value)) {
                target = convert(static_cast<double>(*number));
                return true;
              }
              if (const auto* text = std::get_if<std::string>(&value)) {
                target = convert(std::string_view(*text));
                return true;
              }
            } catch (const RuntimeError&) {
            }
            return false;
          },
          [&target, convert](const Variant& value) {
            try {
              target = convert(Val(variantText(value)));
            } catch (const RuntimeError&) {
              target = 0;
            }
          }};
}

}  // namespace

ReadSlot ReadSlot::text(std::string name, std::string& target) {
  return {std::move(name),
          [&target](const ShellValue& value) {
            if (const auto* text = std::get_if<std::string>(&value)) {
              target = *text;
              return true;
            }
            if (const auto* number = std::get_if<std::int32_t>(&value)) {
              target = std::to_string(*number);
              return true;
            }
            return false;  // a list of bytes or texts is no text
          },
          [&target](const Variant& value) {
            target = CutAtControlChar(std::string_view(variantText(value)));
          }};
}

ReadSlot ReadSlot::int32(std::string name, std::int32_t& target) {
  return numberSlot(std::move(name), target, [](auto v) { return CLng(v); });
}

ReadSlot ReadSlot::int16(std::string name, std::int16_t& target) {
  return numberSlot(std::move(name), target, [](auto v) { return CInt(v); });
}

ValueStore::ValueStore(platform::ScriptingShell& shell, platform::Registry& registry,
                       std::string key, platform::RegRoot root)
    : shell_(shell), registry_(registry), key_(std::move(key)), root_(root) {}

std::string ValueStore::fullPath(const std::string& name) const {
  return std::string(rootPath(root_)) + "\\" + key_ + "\\" + name;
}

bool ValueStore::shellWrite(const NamedValue& value) {
  const bool dword = value.type == platform::regtype::Dword;
  ShellValue shellValue = variantText(value.value);
  if (const auto* number = std::get_if<std::int32_t>(&value.value)) shellValue = *number;
  if (dword && isEmpty(value.value)) shellValue = std::int32_t{0};
  return shell_.regWrite(fullPath(value.name), shellValue, dword ? "REG_DWORD" : "REG_SZ");
}

long ValueStore::registryWrite(const NamedValue& value) {
  return SetKeyValue(registry_, root_, key_, value.name, value.value, value.type);
}

std::optional<ShellValue> ValueStore::shellRead(const std::string& name) {
  return shell_.regRead(fullPath(name));
}

Variant ValueStore::registryRead(const std::string& name) {
  return QueryValue(registry_, root_, key_, name);
}

bool ValueStore::shellDelete(const std::string& name) { return shell_.regDelete(fullPath(name)); }

void ValueStore::registryDelete(const std::string& name) {
  DeleteKeyValue(registry_, root_, key_, name);
}

void ValueStore::write(const std::string& name, const Variant& value, std::uint32_t type) {
  writeGroup({{name, value, type}});
}

void ValueStore::writeText(const std::string& name, const std::string& text) {
  write(name, text, platform::regtype::Sz);
}

void ValueStore::writeNumber(const std::string& name, std::int32_t number) {
  write(name, number, platform::regtype::Dword);
}

void ValueStore::writeGroup(const std::vector<NamedValue>& values) {
  bool failed = false;
  for (const auto& value : values) failed = !shellWrite(value) || failed;
  if (!failed) return;
  for (const auto& value : values) registryWrite(value);
}

std::string ValueStore::readText(const std::string& name) {
  std::string text;
  readGroup({ReadSlot::text(name, text)});
  return text;
}

std::int32_t ValueStore::readInt32(const std::string& name) {
  std::int32_t number = 0;
  readGroup({ReadSlot::int32(name, number)});
  return number;
}

std::int16_t ValueStore::readInt16(const std::string& name) {
  std::int16_t number = 0;
  readGroup({ReadSlot::int16(name, number)});
  return number;
}

void ValueStore::readGroup(const std::vector<ReadSlot>& slots) {
  bool failed = false;
  for (const auto& slot : slots) {
    auto value = shellRead(slot.name);
    failed = !(value && slot.fromShell(*value)) || failed;
  }
  if (!failed) return;
  for (const auto& slot : slots) slot.fromRegistry(registryRead(slot.name));
}

void ValueStore::remove(const std::string& name) { removeGroup({name}); }

void ValueStore::removeGroup(const std::vector<std::string>& names) {
  bool failed = false;
  for (const auto& name : names) failed = !shellDelete(name) || failed;
  if (!failed) return;
  for (const auto& name : names) registryDelete(name);
}

void ValueStore::removeKey() {
  if (!shell_.regDelete(fullPath(""))) DeleteRegKey(registry_, root_, key_);
}

}  // namespace horalix
