#include "services/window_positions.h"

#include "services/attempt.h"
#include "services/context.h"
#include "services/program_ini.h"
#include "services/program_values.h"

namespace horalix {

void saveWindowPos(Context& app, const std::string& leftKey, const std::string& topKey,
                   std::int32_t left, std::int32_t top) {
  attempt(app, "window position",
          [&] { writeProgramIni(app, "clocksite", leftKey, std::to_string(left)); });
  attempt(app, "window position",
          [&] { writeProgramIni(app, "clocksite", topKey, std::to_string(top)); });
  attempt(app, "window position", [&] {
    programValues(app).writeGroup(
        {{leftKey, left, platform::regtype::Dword}, {topKey, top, platform::regtype::Dword}});
  });
}

void SaveClockPos(Context& app, std::int32_t left, std::int32_t top) {
  saveWindowPos(app, "clockleft", "clocktop", left, top);
}

void SaveClockTwoPos(Context& app, std::int32_t left, std::int32_t top) {
  saveWindowPos(app, "clocklefttwo", "clocktoptwo", left, top);
}

void SaveProcessPos(Context& app, std::int32_t left, std::int32_t top) {
  saveWindowPos(app, "processleft", "processtop", left, top);
}

void SaveProcessTwoPos(Context& app, std::int32_t left, std::int32_t top) {
  saveWindowPos(app, "processtwo_left", "processtwo_top", left, top);
}

}  // namespace horalix
