// The hidden main window: it carries the tray icon, the tray menu and the run state.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmExit : public platform::Form {
 public:
  explicit FrmExit(App& app);

 protected:
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace horalix
