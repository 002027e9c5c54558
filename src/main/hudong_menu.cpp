// The interaction presets in the tray menu: one item per stored preset, captioned with its
// duration and shown while the preset is in use.
#include "main/frm_exit.h"
#include "services/context.h"
#include "services/ini_read_write.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

// Read once at load. Each item stands on its own: a preset that cannot be read hides its own
// item (it would start a wrong duration) and leaves the others as they are.
void FrmExit::LoadHudongMenu() {
  for (int i = 1; i <= 5; ++i) {
    platform::MenuItem& item = hd_time_one(i - 1);
    try {
      const std::string section = "hudongset" + std::to_string(i);
      auto read = [&](const std::string& key, const std::string& fallback) {
        return Trim(variantText(
            IniReadWrite(app_.platform.files, "readpart", app_.iniPath(), section, key, fallback)));
      };
      const std::string caption = TimeToMinSec(read("sname", "00:01:00"));
      const bool shown = Val(horalix::Left(read("checkvalue", "00000"), 1)) != 0;
      item.setCaption(caption);
      item.setVisible(shown);
    } catch (const std::exception& e) {
      if (app_.platform.log) app_.platform.log(std::string("LoadHudongMenu: ") + e.what());
      item.setVisible(false);
    }
  }
}

}  // namespace horalix
