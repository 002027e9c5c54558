// A text prompt bar: the primary one (Frm_process) and the extended screen's (Frm_process_two).
#pragma once

#include <string>

#include "platform/forms.h"

namespace horalix {

class App;

class FrmProcess : public platform::Form {
 public:
  FrmProcess(App& app, const std::string& name);

  // Moves the bar above the top edge of the screen, centred horizontally.
  void park();

  platform::Timer& Timer1;  // blink
  platform::Timer& Timer2;  // text update from the run state, once a second
  platform::Timer& Timer3;  // start and placement, one shot
  platform::Timer& Timer4;  // keep-on-top run

 protected:
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace horalix
