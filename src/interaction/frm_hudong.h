// The interaction countdown window.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmHudong : public platform::Form {
 public:
  explicit FrmHudong(Context& app);

  // Moves the window far off screen, where it waits while no interaction countdown runs.
  void park();

  // Sound file name (in the program's "sounds" folder) of the preset that was set up last.
  platform::Control& Label6;
  platform::Timer& Timer1;  // count tick
  platform::Timer& Timer2;  // blink

 protected:
  void Form_Load() override;

 private:
  Context& app_;
};

}  // namespace horalix
