#include "services/window_positions.h"

#include "platform/platform.h"
#include "services/attempt.h"
#include "services/program_ini.h"
#include "services/program_values.h"

namespace horalix {

void saveWindowPos(platform::Platform& platform, const std::string& leftKey,
                   const std::string& topKey, std::int32_t left, std::int32_t top) {
  attempt(platform.log, "window position",
          [&] { writeProgramIni(platform, "clocksite", leftKey, std::to_string(left)); });
  attempt(platform.log, "window position",
          [&] { writeProgramIni(platform, "clocksite", topKey, std::to_string(top)); });
  attempt(platform.log, "window position", [&] {
    programValues(platform).writeGroup(
        {{leftKey, left, platform::regtype::Dword}, {topKey, top, platform::regtype::Dword}});
  });
}

void SaveClockPos(platform::Platform& platform, std::int32_t left, std::int32_t top) {
  saveWindowPos(platform, "clockleft", "clocktop", left, top);
}

void SaveClockTwoPos(platform::Platform& platform, std::int32_t left, std::int32_t top) {
  saveWindowPos(platform, "clocklefttwo", "clocktoptwo", left, top);
}

void SaveProcessPos(platform::Platform& platform, std::int32_t left, std::int32_t top) {
  saveWindowPos(platform, "processleft", "processtop", left, top);
}

void SaveProcessTwoPos(platform::Platform& platform, std::int32_t left, std::int32_t top) {
  saveWindowPos(platform, "processtwo_left", "processtwo_top", left, top);
}

}  // namespace horalix
