#include "services/context.h"

#include "services/program_folder.h"

namespace horalix {

std::string Context::programFolder() const { return horalix::programFolder(platform); }

std::string Context::pathInProgramFolder(const std::string& name) const {
  return horalix::pathInProgramFolder(platform, name);
}

std::string Context::iniPath() const { return horalix::iniPath(platform); }

void Context::endProcess(int exitCode) {
  ended_ = true;
  platform.loop.quit(exitCode);
}

}  // namespace horalix
