#include "services/context.h"

namespace horalix {

std::string Context::programFolder() const { return platform.files.programFolder(); }

std::string Context::pathInProgramFolder(const std::string& name) const {
  std::string folder = programFolder();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + name;
}

void Context::endProcess(int exitCode) {
  ended_ = true;
  platform.loop.quit(exitCode);
}

}  // namespace horalix
