// The online-help window, shown modally from the tray menu; the command waits until it closes.
// A click on the picture opens the online help in the default browser and closes the window; a
// click on the line of text beneath it only closes the window.
#pragma once

#include "platform/forms.h"

namespace horalix {

struct BarsNeeds;

class OnlineHelpWindow : public platform::Form {
 public:
  explicit OnlineHelpWindow(BarsNeeds& needs);

  // The address the picture opens.
  static const char* const kOnlineHelpAddress;

  platform::Control& Picture1;  // picture\online-help.bmp, made by the build
  platform::Control& Label1;    // the invitation to watch the help videos

  void Picture1_Click();
  void Label1_Click();

 protected:
  void Form_Load() override;

 private:
  BarsNeeds& needs_;
};

}  // namespace horalix
