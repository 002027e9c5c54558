// The interaction presets in the tray menu: one item per stored preset, captioned with its
// duration and shown while the preset is in use.
#include "main/frm_exit.h"
#include "services/context.h"
#include "services/ini_read_write.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

// Read once at load. A preset that cannot be read hides all five items: a half-filled menu
// would start the wrong durations.
void FrmExit::LoadHudongMenu() {
  try {
    for (int i = 1; i <= 5; ++i) {
      const std::string section = "hudongset" + std::to_string(i);
      auto read = [&](const std::string& key, const std::string& fallback) {
        return Trim(variantText(
            IniReadWrite(app_.platform.files, "readpart", app_.iniPath(), section, key, fallback)));
      };
      const std::string sname = read("sname", "00:01:00");
      const std::string flags = read("checkvalue", "00000");
      platform::MenuItem& item = hd_time_one(i - 1);
      item.setVisible(Val(horalix::Left(flags, 1)) != 0);
      item.setCaption(TimeToMinSec(sname));
    }
  } catch (const std::exception& e) {
    if (app_.platform.log) app_.platform.log(std::string("LoadHudongMenu: ") + e.what());
    for (int i = 0; i < 5; ++i) hd_time_one(i).setVisible(false);
  }
}

}  // namespace horalix
