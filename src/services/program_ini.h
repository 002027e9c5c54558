// Keys of the program's own INI file TimeData.db, read and written by section and key.
#pragma once

#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// The key's text, or `fallback` when it is empty or missing.
std::string readProgramIni(platform::Platform& platform, const std::string& section,
                           const std::string& key, const std::string& fallback);
void writeProgramIni(platform::Platform& platform, const std::string& section,
                     const std::string& key, const std::string& value);

}  // namespace horalix
