// The interaction countdown window.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmHudong : public platform::Form {
 public:
  explicit FrmHudong(App& app);

  // Moves the window far off screen, where it waits while no interaction countdown runs.
  void park();

 protected:
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace horalix
