#include "services/registry_routines.h"

#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::RegData;
using platform::Registry;
using platform::RegRoot;
namespace regtype = platform::regtype;
namespace regresult = platform::regresult;

namespace {

constexpr const char* kCaption = "Horalix";
// The read buffer of ReadRegString holds 255 bytes, its terminating NUL included.
constexpr std::size_t kReadRegStringBuffer = 255;

}  // namespace

long SetValueData(const OpenKey& key, const std::string& name, std::uint32_t type,
                  const Variant& value) {
  if (type == regtype::Sz)
    return key.registry.setValue(key.root, key.path, name, platform::regSzData(variantText(value)));
  if (type != regtype::Dword) return regresult::Success;
  std::int32_t number = 0;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) {
    number = *whole;
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    try {
      number = CLng(std::string_view(*text));
    } catch (const RuntimeError&) {
      return regresult::InvalidParameter;
    }
  }
  return key.registry.setValue(key.root, key.path, name, platform::regDwordData(number));
}

long QueryValueData(const OpenKey& key, const std::string& name, Variant& value) {
  RegData data;
  const long result = key.registry.queryValue(key.root, key.path, name, data);
  if (result != regresult::Success) return result;
  switch (data.type) {
    case regtype::Sz:
      value = data.data;
      return result;
    case regtype::Dword:
      value = platform::regDwordNumber(data);
      return result;
    default:
      return -1;
  }
}

void CreateNewKey(Registry& registry, RegRoot root, const std::string& subkey) {
  registry.createKey(root, subkey);
}

long SetKeyValue(Registry& registry, RegRoot root, const std::string& subkey,
                 const std::string& name, const Variant& value, std::uint32_t type) {
  if (!registry.keyExists(root, subkey)) return regresult::FileNotFound;
  return SetValueData({registry, root, subkey}, name, type, value);
}

Variant QueryValue(Registry& registry, RegRoot root, const std::string& subkey,
                   const std::string& name) {
  Variant value;
  if (registry.keyExists(root, subkey)) QueryValueData({registry, root, subkey}, name, value);
  return value;
}

void DeleteKeyValue(Registry& registry, RegRoot root, const std::string& subkey,
                    const std::string& name) {
  if (registry.keyExists(root, subkey)) registry.deleteValue(root, subkey, name);
}

void DeleteRegKey(Registry& registry, RegRoot root, const std::string& subkey) {
  if (registry.keyExists(root, subkey)) registry.deleteKey(root, subkey);
}

std::string ReadRegString(Registry& registry, platform::MessageBoxes& boxes, RegRoot root,
                          const std::string& subkey, const std::string& name) {
  if (!registry.keyExists(root, subkey)) return "";
  RegData data;
  std::string text;
  const bool isText = registry.queryValue(root, subkey, name, data) == regresult::Success &&
                      (data.type == regtype::Sz || data.type == regtype::ExpandSz);
  if (isText && data.data.size() > 1 && data.data.size() <= kReadRegStringBuffer)
    text = data.data.substr(0, data.data.size() - 1);
  if (registry.lastCloseFailed())
    boxes.show("RegCloseKey Failed: " + subkey, kCaption, platform::mb::Critical);
  return text;
}

bool RegKeyExists(Registry& registry, platform::MessageBoxes& boxes, const std::string& subkey,
                  const std::string& name) {
  return !ReadRegString(registry, boxes, RegRoot::ClassesRoot, subkey, name).empty();
}

}  // namespace horalix
