#include "services/file_names.h"

#include "platform/files.h"
#include "services/text_runtime.h"

namespace horalix {

std::string GetFileName(std::string_view path) {
  const auto slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string GetFileExt(std::string_view path) {
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  const auto slash = path.rfind('\\');
  if (slash != std::string_view::npos && slash > dot) return {};
  return std::string(path.substr(dot + 1));
}

bool IsOfficeFile(std::string_view path) {
  const std::string ext = UCase(GetFileExt(path));
  for (const char* kind : {"DO", "XL", "PDF", "PP", "DWG"}) {
    if (ext.find(kind) != std::string::npos) return true;
  }
  return false;
}

bool IsFileInUse(const platform::FileSystem& files, const std::string& path) {
  return !files.normalFileExists(path) || files.isInUse(path);
}

}  // namespace horalix
