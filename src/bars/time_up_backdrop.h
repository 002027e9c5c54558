// The backdrop of the time-up prompt: a bare full-screen window that dims (translucent), darkens
// or whitens everything behind the prompt. Only the prompt shows and closes it.
#pragma once

#include "platform/forms.h"

namespace horalix {

struct BarsNeeds;

class TimeUpBackdrop : public platform::Form {
 public:
  explicit TimeUpBackdrop(BarsNeeds& needs);

 protected:
  void Form_Load() override;

 private:
  BarsNeeds& needs_;
};

}  // namespace horalix
