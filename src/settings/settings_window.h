// The settings window. While it is open it keeps the clocks from jumping in front of it; closing
// it hands the keep-on-top duty back to the clock windows. Applying nothing, it closes unchanged.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class SettingsWindow : public platform::Form {
 public:
  explicit SettingsWindow(Context& app);

  // Every 200 ms while the window is open: holds the main window's keep-on-top hold-off at "30".
  platform::Timer& Timer1;

 protected:
  void Form_Unload(bool& cancel) override;

 private:
  Context& app_;
};

}  // namespace horalix
