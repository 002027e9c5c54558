// Our INI engine against the system's own profile functions (kernel32's "A" forms): the same
// odd files read and written through both. Reads agree, and writes leave the same entries.
// The differences that remain are deliberate, each explained where the test allows for it:
// - Untouched lines: the system writes the whole file anew from its parsed copy, so blanks
//   around names and values and blank lines go, every line ends with CRLF and the last line gets
//   a line end;
//   ours keeps every line it does not change byte for byte (a presenter's hand-edited file
//   stays as it was). The written files are compared after that normalisation.
// - A line beginning with ";": a comment to us; the system finds it as a key named ";a" when
//   asked by that very name (its section read leaves it out, as ours does). No caller names a
//   key beginning with ";", so the probes ask none.
// - Deleting a section that appears twice: the system removes the first copy only, so the keys
//   of the second come to light; ours removes every copy, so a deleted section stays deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "platform/ini_file.h"
#include "platform/win32/win32_file_system.h"

namespace horalix::win32::test {
namespace {

// The odd files. Names and values are ASCII: the profile functions read the file in the
// system's ANSI code page, our engine in UTF-8, and only ASCII is the same in both.
struct OddFile {
  const char* what;
  std::string content;
};

std::vector<OddFile> oddFiles() {
  return {
      {"duplicate sections", "[s]\r\na=1\r\n[t]\r\nb=2\r\n[s]\r\na=shadowed\r\nc=3\r\n"},
      {"duplicate keys", "[s]\r\na=1\r\na=2\r\n"},
      {"keys with blanks", "[s]\r\n  key one  =  value one  \r\n\tkey two\t=\tvalue two\t\r\n"},
      {"values with =", "[s]\r\nurl=http://a/?x=1&y=2\r\nexpr = a = b = c\r\n=no key\r\n"},
      {"comments", "; top\r\n[s]\r\n;a=commented\r\nb=2 ; not a comment\r\n"},
      {"no final line end", "[s]\r\na=1\r\n[t]\r\nb=2"},
      {"LF and CRLF mixed", "[s]\na=1\r\nb=2\n[t]\r\nc=3\n"},
      {"very long value", "[s]\r\nlong=" + std::string(9000, 'x') + "\r\nafter=1\r\n"},
      {"section at the end without keys", "[s]\r\na=1\r\n[empty]\r\n"},
      {"blank lines and case", "\r\n[S]\r\n\r\nA=1\r\n\r\n[T]\r\nb=2\r\n"},
      {"quoted values", "[s]\r\nq=\"quoted\"\r\nr='single'\r\nu=\"open\r\n"},
      {"line without =", "[s]\r\nplain text\r\na=1\r\n"},
  };
}

// What the reads ask of every file: present and missing sections and keys, other letter case.
const std::vector<std::pair<std::string, std::string>> kProbes = {
    {"s", "a"},     {"S", "A"},       {"s", "b"},       {"s", "c"},         {"t", "b"},
    {"t", "c"},     {"s", "key one"}, {"s", "key two"}, {"s", "url"},       {"s", "expr"},
    {"s", "long"},  {"s", "after"},   {"s", "q"},       {"s", "r"},         {"s", "u"},
    {"empty", "a"}, {"missing", "a"}, {"s", "missing"}, {"s", "plain text"}};

class IniDifferentialTest : public ::testing::Test {
 protected:
  std::string systemRead(const std::string& path, const std::string& section,
                         const std::string& key) {
    std::string buffer(10000, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<default>",
                                             buffer.data(), 10000, path.c_str());
    return buffer.substr(0, n);
  }
  std::string systemSection(const std::string& path, const std::string& section) {
    std::string buffer(10000, '\0');
    const DWORD n = GetPrivateProfileSectionA(section.c_str(), buffer.data(), 10000, path.c_str());
    return buffer.substr(0, n);
  }

  // Every probe and every section, read by both, must agree.
  void readsAgree(const std::string& path) {
    for (const auto& [section, key] : kProbes) {
      EXPECT_EQ(ini.readString(path, section, key, "<default>", 10000),
                systemRead(path, section, key))
          << "[" << section << "] " << key;
    }
    for (const char* section : {"s", "t", "empty", "missing"}) {
      EXPECT_EQ(ini.readSection(path, section, 10000), systemSection(path, section))
          << "section [" << section << "]";
    }
  }

  TempFolder folder;
  Win32FileSystem files;
  platform::IniFile ini{files};
  int serial = 0;
  std::string freshPath(const std::string& content) {
    const std::string path = folder.file("odd" + std::to_string(++serial) + ".ini");
    EXPECT_TRUE(files.writeAll(path, content));
    return path;
  }
};

// The system's way of writing a file, applied to ours: entry lines without blanks around the
// key and the value, no blank lines, CRLF after every line.
std::string normalised(const std::string& content) {
  auto trim = [](std::string text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
  };
  std::string out;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = trim(line);
    const auto equals = line.find('=');
    if (equals != std::string::npos && !line.starts_with(';') && !line.starts_with('['))
      line = trim(line.substr(0, equals)) + "=" + trim(line.substr(equals + 1));
    if (!line.empty()) out += line + "\r\n";
    start = end + 1;
  }
  return out;
}

TEST_F(IniDifferentialTest, ReadsAgreeOnEveryOddFile) {
  for (const OddFile& file : oddFiles()) {
    SCOPED_TRACE(file.what);
    readsAgree(freshPath(file.content));
  }
}

// One write through both: our engine on one copy, the system on another.
struct Write {
  const char* what;
  std::string section, key;
  std::optional<std::string> value;  // nullopt deletes the key; a null key deletes the section
  bool wholeSection = false;
};

TEST_F(IniDifferentialTest, WritesLeaveFilesThatReadAlike) {
  const Write writes[] = {
      {"an existing key", "s", "a", "new"},
      {"a key in other letter case", "S", "A", "cased"},
      {"a new key of an existing section", "s", "added", "1"},
      {"a new key of the last section", "t", "added", "2"},
      {"a new section", "new", "k", "v"},
      {"a value with = and ;", "s", "a", "x=y;z"},
      {"a key's delete", "s", "a", std::nullopt},
      {"a section's delete", "s", "", std::nullopt, true},
  };
  for (const OddFile& file : oddFiles()) {
    for (const Write& w : writes) {
      SCOPED_TRACE(std::string(file.what) + ", " + w.what);
      const std::string ours = freshPath(file.content);
      const std::string theirs = freshPath(file.content);
      if (w.wholeSection) {
        ini.deleteSection(ours, w.section);
        WritePrivateProfileSectionA(w.section.c_str(), nullptr, theirs.c_str());
      } else {
        ini.writeString(ours, w.section, w.key, w.value);
        WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(),
                                   w.value ? w.value->c_str() : nullptr, theirs.c_str());
      }
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());  // flush the cache
      readsAgree(ours);
      readsAgree(theirs);
      const bool secondCopyComesBack =
          w.wholeSection && file.content.find("a=shadowed") != std::string::npos;
      if (secondCopyComesBack) {
        EXPECT_EQ(ini.readString(ours, "s", "a", "<default>", 10000), "<default>");
        EXPECT_EQ(ini.readString(theirs, "s", "a", "<default>", 10000), "shadowed");
        continue;
      }
      EXPECT_EQ(normalised(files.readAll(ours).value_or("")),
                normalised(files.readAll(theirs).value_or("")));
    }
  }
}

}  // namespace
}  // namespace horalix::win32::test
