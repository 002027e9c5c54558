// The time-up prompt: a small dialog with the run's end text, centred on the primary screen
// above its backdrop. The count ticks show it modally and wait until it closes; meanwhile it
// keeps itself on top and keeps the clock face drawn. Its button closes it on a click or as
// soon as the pointer moves over it. The prompt owns its backdrop.
#pragma once

#include "platform/forms.h"
#include "platform/owned_form.h"

namespace horalix {

struct BarsNeeds;
class TimeUpBackdrop;

class TimeUpPrompt : public platform::Form {
 public:
  explicit TimeUpPrompt(BarsNeeds& needs);

  // The message, sizing itself to its text.
  platform::Control& Label2;
  // "关闭".
  platform::Control& Command1;
  // Keep on top and redraw the clock, every 500 ms while the prompt is open.
  platform::Timer& Timer1;

  // The pointer moved over the button: the prompt closes as on a click.
  void Command1_MouseMove(int Button, int Shift, float X, float Y);

  TimeUpBackdrop& backdrop() const { return backdrop_.window(); }

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(bool& cancel) override;

 private:
  void Timer1_Timer();
  // Stops the timer, closes the backdrop and the prompt and puts the clock on top again.
  void closePrompt();

  BarsNeeds& needs_;
  platform::OwnedForm<TimeUpBackdrop> backdrop_;
  bool unloading_ = false;
};

}  // namespace horalix
