// The floating clock window.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class TimeGlass : public platform::Form {
 public:
  explicit TimeGlass(App& app);

  // Moves the clock far off screen, above and to the left of the primary screen.
  void park();

 protected:
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace horalix
