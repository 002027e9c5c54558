#include "services/program_ini.h"

#include "services/context.h"
#include "services/ini_read_write.h"

namespace horalix {

std::string readProgramIni(Context& app, const std::string& section, const std::string& key,
                           const std::string& fallback) {
  return variantText(
      IniReadWrite(app.platform.files, "readpart", app.iniPath(), section, key, fallback));
}

void writeProgramIni(Context& app, const std::string& section, const std::string& key,
                     const std::string& value) {
  IniReadWrite(app.platform.files, "write", app.iniPath(), section, key, value);
}

}  // namespace horalix
