#include "platform/headless/headless_scripting_shell.h"

#include <charconv>
#include <cstdint>

namespace horalix::platform {

namespace {

struct RootName {
  const char* longName;
  const char* shortName;
  RegRoot root;
};

constexpr RootName kRoots[] = {
    {"HKEY_CURRENT_USER", "HKCU", RegRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RegRoot::LocalMachine},
    {"HKEY_CLASSES_ROOT", "HKCR", RegRoot::ClassesRoot},
};

// A whole number in text, as the shell converts it for REG_DWORD: blanks around it allowed,
// nothing else; out of the 32-bit range fails.
std::optional<std::int32_t> wholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<RegData> encode(const ShellValue& value, const std::string& type) {
  const auto* text = std::get_if<std::string>(&value);
  const auto* number = std::get_if<std::int32_t>(&value);
  if (sameName(type, "REG_SZ") || sameName(type, "REG_EXPAND_SZ")) {
    const std::uint32_t kind = sameName(type, "REG_SZ") ? regtype::Sz : regtype::ExpandSz;
    if (text) return RegData{kind, *text + '\0'};
    if (number) return RegData{kind, std::to_string(*number) + '\0'};
    return std::nullopt;
  }
  if (sameName(type, "REG_DWORD")) {
    if (number) return regDwordData(*number);
    if (text) {
      if (auto parsed = wholeNumber(*text)) return regDwordData(*parsed);
    }
    return std::nullopt;
  }
  if (sameName(type, "REG_BINARY")) {
    if (number) return RegData{regtype::Binary, regDwordData(*number).data};
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value))
      return RegData{regtype::Binary, std::string(bytes->begin(), bytes->end())};
  }
  return std::nullopt;
}

std::optional<ShellValue> decode(const RegData& value) {
  switch (value.type) {
    case regtype::Sz:
    case regtype::ExpandSz:
      return ShellValue{value.data.substr(0, value.data.find('\0'))};
    case regtype::Dword:
      return ShellValue{regDwordNumber(value)};
    case regtype::Binary:
      return ShellValue{std::vector<std::uint8_t>(value.data.begin(), value.data.end())};
    case regtype::MultiSz: {
      std::vector<std::string> texts;
      std::size_t start = 0;
      while (start < value.data.size()) {
        std::size_t end = value.data.find('\0', start);
        if (end == std::string::npos) end = value.data.size();
        if (end == start) break;  // the empty text that ends the list
        texts.push_back(value.data.substr(start, end - start));
        start = end + 1;
      }
      return ShellValue{texts};
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<HeadlessScriptingShell::Target> HeadlessScriptingShell::begin(
    const char* verb, const std::string& path) {
  journal_.push_back(std::string(verb) + " " + path);
  if (!available_ || failing_.count(path) > 0) return std::nullopt;
  const auto firstSlash = path.find('\\');
  if (firstSlash == std::string::npos) return std::nullopt;
  const std::string rootText = path.substr(0, firstSlash);
  for (const auto& root : kRoots) {
    if (!sameName(rootText, root.longName) && !sameName(rootText, root.shortName)) continue;
    Target target{root.root, "", "", path.back() == '\\'};
    const std::string rest = path.substr(firstSlash + 1);
    if (target.isKey) {
      target.key = rest.substr(0, rest.size() - (rest.empty() ? 0 : 1));
    } else {
      const auto lastSlash = rest.rfind('\\');
      target.key = lastSlash == std::string::npos ? "" : rest.substr(0, lastSlash);
      target.name = lastSlash == std::string::npos ? rest : rest.substr(lastSlash + 1);
    }
    return target;
  }
  return std::nullopt;
}

bool HeadlessScriptingShell::regWrite(const std::string& path, const ShellValue& value,
                                      const std::string& type) {
  auto target = begin("RegWrite", path);
  if (!target) return false;
  auto data = encode(value, type);
  if (!data) return false;
  if (registry_.createKey(target->root, target->key) != regresult::Success) return false;
  return registry_.setValue(target->root, target->key, target->name, *data) == regresult::Success;
}

// A key path reads the key's default value; a key without one fails like a missing value.
std::optional<ShellValue> HeadlessScriptingShell::regRead(const std::string& path) {
  auto target = begin("RegRead", path);
  if (!target) return std::nullopt;
  RegData data;
  if (registry_.queryValue(target->root, target->key, target->name, data) != regresult::Success)
    return std::nullopt;
  return decode(data);
}

bool HeadlessScriptingShell::regDelete(const std::string& path) {
  auto target = begin("RegDelete", path);
  if (!target) return false;
  if (target->isKey) return registry_.deleteKey(target->root, target->key) == regresult::Success;
  return registry_.deleteValue(target->root, target->key, target->name) == regresult::Success;
}

}  // namespace horalix::platform
