// The interaction presets in the tray menu: one item per stored preset, captioned with its
// duration and shown while the preset is in use.
#include "interaction/interaction.h"
#include "main/main_window.h"
#include "services/context.h"
#include "services/ini_read_write.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

// Read once at load. Each item stands on its own: a preset that cannot be read hides its own
// item (it would start a wrong duration) and leaves the others as they are.
void MainWindow::LoadHudongMenu() {
  for (int i = 1; i <= 5; ++i) {
    platform::MenuItem& item = hd_time_one(i - 1);
    try {
      const InteractionMenuEntry entry =
          readInteractionMenuEntry({context_.platform.files, context_.iniPath()}, i);
      const std::string caption = TimeToMinSec(entry.sname);
      const bool shown = Val(horalix::Left(entry.checkvalue, 1)) != 0;
      item.setCaption(caption);
      item.setVisible(shown);
    } catch (const std::exception& e) {
      if (context_.platform.log) context_.platform.log(std::string("LoadHudongMenu: ") + e.what());
      item.setVisible(false);
    }
  }
}

}  // namespace horalix
