#include "services/program_ini.h"

#include "services/context.h"
#include "services/ini_read_write.h"

namespace horalix {

std::string readProgramIni(Context& context, const std::string& section, const std::string& key,
                           const std::string& fallback) {
  return variantText(
      IniReadWrite(context.platform.files, "readpart", context.iniPath(), section, key, fallback));
}

void writeProgramIni(Context& context, const std::string& section, const std::string& key,
                     const std::string& value) {
  IniReadWrite(context.platform.files, "write", context.iniPath(), section, key, value);
}

}  // namespace horalix
