// Where the windows are kept between runs: TimeData.db [clocksite] and the registry values of
// the same names (twips). The windows write their place while the user drags them and read it
// back when they load.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// Writes left and top as decimal text into [clocksite] under the two keys, then as REG_DWORD
// values of the same names (through the scripting shell, both again through the registry
// functions when either fails). Every value is written as given, 0 and negative ones too; a
// failing step loses only its own value and nothing is reported.
void saveWindowPos(platform::Platform& platform, const std::string& leftKey,
                   const std::string& topKey, std::int32_t left, std::int32_t top);

// The floating clock: clockleft, clocktop.
void SaveClockPos(platform::Platform& platform, std::int32_t left, std::int32_t top);
// The mirror clock on the extended screen: clocklefttwo, clocktoptwo.
void SaveClockTwoPos(platform::Platform& platform, std::int32_t left, std::int32_t top);
// The primary prompt bar: processleft, processtop.
void SaveProcessPos(platform::Platform& platform, std::int32_t left, std::int32_t top);
// The extended screen's prompt bar: processtwo_left, processtwo_top.
void SaveProcessTwoPos(platform::Platform& platform, std::int32_t left, std::int32_t top);

}  // namespace horalix
