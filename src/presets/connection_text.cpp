#include "presets/connection_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace horalix::presets {

namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

// Keywords that may follow the data source in a connection text.
constexpr std::array<std::string_view, 7> kKeywords = {
    "provider=", "data source=",           "jet oledb:", "user id=",
    "password=", "persist security info=", "mode=",
};

}  // namespace

std::string officeDataPath(std::string_view programFolder) {
  std::string path(programFolder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += kOfficeDataFileName;
  return path;
}

std::string connectionText(std::string_view dataSourcePath, std::string_view password) {
  std::string text = "provider=Microsoft.jet.OLEDB.4.0;data source=";
  text += dataSourcePath;
  text += ";Jet OLEDB:Database Password=";
  text += password;
  return text;
}

std::optional<std::string> dataSourceOf(std::string_view connectionText) {
  const std::string lower = lowered(connectionText);
  constexpr std::string_view key = "data source=";
  std::size_t start = std::string::npos;
  for (std::size_t at = lower.find(key); at != std::string::npos; at = lower.find(key, at + 1)) {
    if (at == 0 || lower[at - 1] == ';') {
      start = at + key.size();
      break;
    }
  }
  if (start == std::string::npos) return std::nullopt;
  std::size_t end = start;
  for (end = lower.find(';', start); end != std::string::npos; end = lower.find(';', end + 1)) {
    std::string_view rest = std::string_view(lower).substr(end + 1);
    bool keyword = std::any_of(kKeywords.begin(), kKeywords.end(),
                               [&](std::string_view k) { return rest.starts_with(k); });
    if (keyword) break;
  }
  if (end == std::string::npos) end = connectionText.size();
  return std::string(connectionText.substr(start, end - start));
}

}  // namespace horalix::presets
