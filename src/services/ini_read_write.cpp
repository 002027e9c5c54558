#include "services/ini_read_write.h"

#include "platform/ini_file.h"

namespace horalix {

namespace {

// The read buffer holds 10000 characters, one of them for the NUL: a value reads as at most
// 9999 bytes.
constexpr std::size_t kReadBuffer = 10000;

std::string trimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

Variant IniReadWrite(platform::FileSystem& files, const std::string& verb, const std::string& file,
                     const std::string& section, const std::string& key, const std::string& value) {
  platform::IniFile ini(files);
  if (verb == "readpart") {
    std::string stored = ini.readString(file, section, key, "", kReadBuffer);
    return stored.empty() ? value : stored;
  }
  if (verb == "readall") {
    std::string list = SectionToList(ini.readSection(file, section, kReadBuffer));
    return list.empty() ? value : list;
  }
  if (verb == "write") {
    ini.writeString(file, section, key, value);
  } else if (verb == "delpart") {
    ini.writeString(file, section, key, std::nullopt);
  } else if (verb == "delall") {
    ini.deleteSection(file, section);
  }
  return {};
}

// The last character, the NUL that ends the last entry, is never looked at.
std::string SectionToList(const std::string& text) {
  std::string list;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '\0')
      list += text[i];
    else if (list.empty() || list.back() != ',')
      list += ',';
  }
  list = trimSpaces(list);
  if (!list.empty() && list.back() == ',') list.pop_back();
  return list;
}

}  // namespace horalix
