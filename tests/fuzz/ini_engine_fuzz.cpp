// The INI engine on any file content: reads stay within their room, and a write, a key's
// delete or a section's delete changes what it names and nothing else that can be read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_seeds.h"
#include "memory_files.h"
#include "platform/ini_file.h"
#include "platform/name_compare.h"
#include "services/ini_read_write.h"

namespace horalix::fuzz {

std::vector<std::string> seeds() {
  return {
      "[clocksite]\r\nclockleft=100\r\nclocktop=200\r\n[Hotkey]\r\nkey1=Alt+1\r\n",
      "[s]\r\na=1\r\n[t]\r\nb=2\r\n[s]\r\na=shadowed\r\nc=3\r\n",
      "[ s ]\n  key with blanks  =  value with blanks  \n",
      "[s]\nurl=http://a/?x=1&y=2\nexpr=a=b=c\n",
      "; comment\n[s]\n;a=commented\na=1 ; not a comment\n",
      "[s]\r\na=1",
      "[s]\na=1\r\nb=2\n[t]\r\nc=3",
      "[s]\na=" + std::string(12000, 'x') + "\n",
      "[s]\na=1\n[empty]\n",
      "[s]\nq=\"quoted\"\nr='single'\nu=\"unbalanced\n",
      "\xEF\xBB\xBF[s]\na=bom\n",
      "[s]\nline without equals\n=no key\n[unclosed\nb=2\n",
      "[Hotkey]\nname=您的发言\n[hudongset1]\ntime=00:01:00\n",
  };
}

namespace {

const std::string kPath = "C:\\Horalix\\TimeData.db";

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// Section and key names as a plain reader of the file finds them: "[name]" lines and the text
// before the first "=" of the other lines.
std::vector<std::pair<std::string, std::string>> namesIn(std::string_view content) {
  std::vector<std::pair<std::string, std::string>> names;
  std::string section;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = trimmed(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (line.starts_with('[')) {
      const std::size_t close = line.rfind(']');
      section = std::string(
          trimmed(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      names.emplace_back(section, std::string(trimmed(line.substr(0, equals))));
    }
    if (names.size() >= 10) break;
  }
  names.emplace_back("clocksite", "clockleft");
  names.emplace_back("new section", "new key");
  return names;
}

// A name that a write stores as one line and a read finds again under the same spelling.
bool plainName(std::string_view name, bool isKey) {
  if (name.empty() || trimmed(name) != name) return false;
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  if (isKey) return name.find('=') == name.npos && name.front() != ';' && name.front() != '[';
  return name.find(']') == name.npos;
}

struct Reads {
  std::vector<std::string> values;
};

Reads readAll(platform::IniFile& ini,
              const std::vector<std::pair<std::string, std::string>>& names) {
  Reads reads;
  for (const auto& [section, key] : names)
    reads.values.push_back(ini.readString(kPath, section, key, "<none>", 10000));
  return reads;
}

// Every name read again: those the change did not name read as before.
void othersUnchanged(platform::IniFile& ini,
                     const std::vector<std::pair<std::string, std::string>>& names,
                     const Reads& before, const std::string& section,
                     const std::optional<std::string>& key, const char* change) {
  const Reads after = readAll(ini, names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool named = platform::sameName(trimmed(names[i].first), trimmed(section)) &&
                       (!key || platform::sameName(trimmed(names[i].second), trimmed(*key)));
    if (!named && after.values[i] != before.values[i])
      finding(std::string(change) + " of [" + section + "] changed [" + names[i].first + "] " +
              names[i].second + " from '" + before.values[i] + "' to '" + after.values[i] + "'");
  }
}

}  // namespace

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix;
  using namespace horalix::fuzz;
  const std::string content(reinterpret_cast<const char*>(data), size);
  MemoryFiles files;
  platform::IniFile ini(files);
  files.content[kPath] = content;
  const auto names = namesIn(content);

  for (const auto& [section, key] : names) {
    for (std::size_t capacity :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{10000}}) {
      if (capacity && ini.readString(kPath, section, key, "", capacity).size() >= capacity)
        finding("a read of " + key + " fills more than its room of " + std::to_string(capacity));
      const std::string listed = ini.readSection(kPath, section, capacity);
      if (capacity && listed.size() >= capacity)
        finding("a section read fills more than its room of " + std::to_string(capacity));
      if (listed.size() >= 2 && listed.back() != '\0')
        finding("a section read does not end its last entry with a NUL");
      (void)SectionToList(listed);
    }
    (void)IniReadWrite(files, "readall", kPath, section, key, "<default>");
  }
  if (files.content[kPath] != content) finding("a read changed the file");

  // Writes, deletes of a key and of a section, each on a fresh copy of the file.
  std::size_t n = 0;
  for (const auto& [section, key] : names) {
    if (++n > 4) break;
    files.content[kPath] = content;
    const Reads before = readAll(ini, names);
    const std::string value = "v" + std::to_string(n) + "=x;y";
    ini.writeString(kPath, section, key, value);
    const std::string once = files.content[kPath];
    if (plainName(section, false) && plainName(key, true)) {
      const std::string read = ini.readString(kPath, section, key, "<none>", 10000);
      if (read != value)
        finding("[" + section + "] " + key + " reads '" + read + "' after a write");
      othersUnchanged(ini, names, before, section, key, "a write");
      ini.writeString(kPath, section, key, value);
      if (files.content[kPath] != once) finding("writing the same value twice changed the file");

      ini.writeString(kPath, section, key, std::nullopt);
      if (ini.readString(kPath, section, key, "<none>", 10000) != "<none>" &&
          before.values[n - 1] == "<none>")
        finding("a deleted key that was new reads back");
      othersUnchanged(ini, names, before, section, key, "a key's delete");
    }

    files.content[kPath] = content;
    ini.deleteSection(kPath, section);
    if (!ini.readSection(kPath, section, 10000).empty() && plainName(section, false))
      finding("[" + section + "] still lists entries after its delete");
    othersUnchanged(ini, names, before, section, std::nullopt, "a section's delete");
  }
  return 0;
}
