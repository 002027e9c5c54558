#include "services/window_positions.h"

#include "services/attempt.h"
#include "services/context.h"
#include "services/program_ini.h"
#include "services/program_values.h"

namespace horalix {

void saveWindowPos(Context& context, const std::string& leftKey, const std::string& topKey,
                   std::int32_t left, std::int32_t top) {
  attempt(context.platform.log, "window position",
          [&] { writeProgramIni(context, "clocksite", leftKey, std::to_string(left)); });
  attempt(context.platform.log, "window position",
          [&] { writeProgramIni(context, "clocksite", topKey, std::to_string(top)); });
  attempt(context.platform.log, "window position", [&] {
    programValues(context).writeGroup(
        {{leftKey, left, platform::regtype::Dword}, {topKey, top, platform::regtype::Dword}});
  });
}

void SaveClockPos(Context& context, std::int32_t left, std::int32_t top) {
  saveWindowPos(context, "clockleft", "clocktop", left, top);
}

void SaveClockTwoPos(Context& context, std::int32_t left, std::int32_t top) {
  saveWindowPos(context, "clocklefttwo", "clocktoptwo", left, top);
}

void SaveProcessPos(Context& context, std::int32_t left, std::int32_t top) {
  saveWindowPos(context, "processleft", "processtop", left, top);
}

void SaveProcessTwoPos(Context& context, std::int32_t left, std::int32_t top) {
  saveWindowPos(context, "processtwo_left", "processtwo_top", left, top);
}

}  // namespace horalix
