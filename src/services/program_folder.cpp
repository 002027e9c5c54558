#include "services/program_folder.h"

namespace horalix {

std::string programFolder(const platform::Platform& platform) {
  return platform.files.programFolder();
}

std::string pathInProgramFolder(const platform::Platform& platform, const std::string& name) {
  std::string folder = programFolder(platform);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + name;
}

std::string iniPath(const platform::Platform& platform) {
  return pathInProgramFolder(platform, "TimeData.db");
}

}  // namespace horalix
