#include "platform/ini_file.h"

#include <string_view>

#include "platform/name_compare.h"
#include "platform/utf8_text.h"

namespace horalix::platform {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\r\n";

// One line of the file with its own line end ("\r\n", "\n", or "" for a last line without
// one), so that lines we do not change are written back byte for byte.
struct Line {
  std::string text;
  std::string end;
};

struct Document {
  std::string bom;
  std::vector<Line> lines;
};

// A section occurrence: its header line and the index after its last line.
struct Range {
  std::size_t header;
  std::size_t end;
};

struct Entry {
  std::string key;
  std::string value;
};

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// Cuts to at most `limit` bytes of the file's code page, never inside a character.
std::string cutBytes(const FileSystem& files, std::string text, std::size_t limit) {
  if (files.utf8ToAnsi(text).size() <= limit) return text;
  std::size_t end = 0;
  std::size_t bytes = 0;
  while (end < text.size()) {
    const std::size_t next = utf8::charEnd(text, end);
    bytes += files.utf8ToAnsi(std::string_view(text).substr(end, next - end)).size();
    if (bytes > limit) break;
    end = next;
  }
  text.resize(end);
  return text;
}

// Names and values are single lines: a line break in them would forge further lines.
std::string firstLine(std::string_view text) {
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

Document parse(std::string content) {
  Document doc;
  if (std::string_view(content).substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    doc.bom = kUtf8Bom;
    content.erase(0, kUtf8Bom.size());
  }
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t newline = content.find('\n', start);
    if (newline == std::string::npos) {
      doc.lines.push_back({content.substr(start), ""});
      break;
    }
    std::size_t textEnd = newline;
    if (textEnd > start && content[textEnd - 1] == '\r') --textEnd;
    doc.lines.push_back(
        {content.substr(start, textEnd - start), content.substr(textEnd, newline + 1 - textEnd)});
    start = newline + 1;
  }
  return doc;
}

std::string render(const Document& doc) {
  std::string content = doc.bom;
  for (const auto& line : doc.lines) content += line.text + line.end;
  return content;
}

// The file holds text in the system's code page (a file that starts with the UTF-8 byte order
// mark is UTF-8); the engine works on UTF-8.
Document load(const FileSystem& files, const std::optional<std::string>& content) {
  Document doc = parse(content.value_or(""));
  if (!doc.bom.empty()) return doc;
  for (auto& line : doc.lines) line.text = files.ansiToUtf8(line.text);
  return doc;
}

std::string store(const FileSystem& files, const Document& doc) {
  if (!doc.bom.empty()) return render(doc);
  std::string content;
  for (const auto& line : doc.lines) content += files.utf8ToAnsi(line.text) + line.end;
  return content;
}

// The name of a section header line ("[name]", the name up to the last "]"), or nullopt.
std::optional<std::string_view> headerName(std::string_view line) {
  line = trimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.rfind(']');
  return trimBlanks(close == std::string_view::npos ? line : line.substr(0, close));
}

bool isBlankOrComment(std::string_view line) {
  line = trimBlanks(line);
  return line.empty() || line.front() == ';';
}

// A "key=value" line; other lines (blank, comment, header, text without "=") are no entry.
std::optional<Entry> entryOf(std::string_view line) {
  if (isBlankOrComment(line) || headerName(line)) return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{std::string(trimBlanks(line.substr(0, equals))),
               std::string(trimBlanks(line.substr(equals + 1)))};
}

// A value in matching single or double quotes is read without them.
std::string unquoted(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::vector<Range> sections(const Document& doc, std::string_view name) {
  std::vector<Range> found;
  const std::string_view wanted = trimBlanks(name);
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    auto header = headerName(doc.lines[i].text);
    if (!header) continue;
    if (!found.empty() && found.back().end == doc.lines.size()) found.back().end = i;
    if (sameName(*header, wanted)) found.push_back({i, doc.lines.size()});
  }
  return found;
}

// When a section appears more than once, its first occurrence is the one read and written.
std::optional<Range> firstSection(const Document& doc, std::string_view name) {
  auto found = sections(doc, name);
  if (found.empty()) return std::nullopt;
  return found.front();
}

// The line of the first entry of that key in the range, or npos.
std::size_t findEntry(const Document& doc, const Range& range, std::string_view key) {
  const std::string_view wanted = trimBlanks(key);
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    auto entry = entryOf(doc.lines[i].text);
    if (entry && sameName(entry->key, wanted)) return i;
  }
  return std::string::npos;
}

// Inserts a line; a last line without a line end gets one first.
void insertLine(Document& doc, std::size_t at, std::string text) {
  if (at > 0 && doc.lines[at - 1].end.empty()) doc.lines[at - 1].end = kNewLine;
  doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), std::string(kNewLine)});
}

}  // namespace

std::string IniFile::readString(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& fallback,
                                std::size_t capacity) const {
  if (capacity == 0) return "";
  std::string result = fallback;
  const Document doc = load(files_, files_.readAll(path));
  if (auto range = firstSection(doc, section)) {
    const std::size_t line = findEntry(doc, *range, key);
    if (line != std::string::npos) result = unquoted(entryOf(doc.lines[line].text)->value);
  }
  return cutBytes(files_, std::move(result), capacity - 1);
}

std::string IniFile::readSection(const std::string& path, const std::string& section,
                                 std::size_t capacity) const {
  const Document doc = load(files_, files_.readAll(path));
  auto range = firstSection(doc, section);
  if (!range) return "";
  std::string listed;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const std::string& text = doc.lines[i].text;
    if (isBlankOrComment(text)) continue;
    if (auto entry = entryOf(text))
      listed += entry->key + "=" + entry->value;  // quotes stay: only key reads drop them
    else
      listed += trimBlanks(text);
    listed += '\0';
  }
  // Everything and the closing NUL fit; otherwise the last entry is cut and still ends with a
  // NUL, and the count is two less than the room.
  if (files_.utf8ToAnsi(listed).size() + 1 <= capacity) return listed;
  if (capacity < 3) return "";
  return cutBytes(files_, std::move(listed), capacity - 3) + '\0';
}

bool IniFile::writeString(const std::string& path, const std::string& section,
                          const std::string& key, const std::optional<std::string>& value) {
  const auto existing = files_.readAll(path);
  Document doc = load(files_, existing);
  const std::string sectionName = firstLine(trimBlanks(section));
  const std::string keyName = firstLine(trimBlanks(key));
  auto range = firstSection(doc, sectionName);
  const std::size_t line = range ? findEntry(doc, *range, keyName) : std::string::npos;

  if (!value) {
    if (line == std::string::npos) return true;  // nothing to delete
    doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(line));
    return files_.writeAll(path, store(files_, doc));
  }

  const std::string newText = keyName + "=" + firstLine(*value);
  if (line != std::string::npos) {
    // The stored spelling of the key stays.
    doc.lines[line].text = entryOf(doc.lines[line].text)->key + "=" + firstLine(*value);
  } else if (range) {
    std::size_t last = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i)
      if (!trimBlanks(doc.lines[i].text).empty()) last = i;
    insertLine(doc, last + 1, newText);
  } else {
    insertLine(doc, doc.lines.size(), "[" + sectionName + "]");
    insertLine(doc, doc.lines.size(), newText);
  }
  return files_.writeAll(path, store(files_, doc));
}

// Every occurrence of the section goes, so that no later copy of it comes to light.
bool IniFile::deleteSection(const std::string& path, const std::string& section) {
  const auto existing = files_.readAll(path);
  if (!existing) return true;
  Document doc = load(files_, existing);
  auto found = sections(doc, section);
  if (found.empty()) return true;
  for (auto it = found.rbegin(); it != found.rend(); ++it)
    doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(it->header),
                    doc.lines.begin() + static_cast<std::ptrdiff_t>(it->end));
  return files_.writeAll(path, store(files_, doc));
}

}  // namespace horalix::platform
