// The backdrop of the time-up prompt: a bare full-screen window that dims (translucent), darkens
// or whitens everything behind the prompt. Only the prompt shows and closes it.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class TimeUpBackdrop : public platform::Form {
 public:
  explicit TimeUpBackdrop(Context& context);

 protected:
  void Form_Load() override;

 private:
  Context& context_;
};

}  // namespace horalix
