#include "services/program_ini.h"

#include "platform/platform.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"

namespace horalix {

std::string readProgramIni(platform::Platform& platform, const std::string& section,
                           const std::string& key, const std::string& fallback) {
  return variantText(
      IniReadWrite(platform.files, "readpart", iniPath(platform), section, key, fallback));
}

void writeProgramIni(platform::Platform& platform, const std::string& section,
                     const std::string& key, const std::string& value) {
  IniReadWrite(platform.files, "write", iniPath(platform), section, key, value);
}

}  // namespace horalix
