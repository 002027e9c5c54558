// The mirror clock on the extended screen.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class TimeGlassTwo : public platform::Form {
 public:
  explicit TimeGlassTwo(App& app);

  void park();

 protected:
  void Form_Load() override;

 private:
  App& app_;
};

}  // namespace horalix
