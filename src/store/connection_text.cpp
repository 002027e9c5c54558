#include "store/connection_text.h"

#include <algorithm>
#include <cctype>

namespace horalix {

namespace {

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

// The keyword that follows the data source in the program's connection text: the database
// password's.
constexpr std::string_view kAfterDataSource = ";jet oledb:";

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
  // The last such keyword is the real one: a folder name may hold the same text, the password
  // (digits and capital letters) cannot.
  std::size_t end = lower.rfind(kAfterDataSource);
  if (end == std::string::npos || end < start) end = connectionText.size();
  return std::string(connectionText.substr(start, end - start));
}

}  // namespace horalix
