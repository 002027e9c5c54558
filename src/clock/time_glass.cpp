#include "clock/time_glass.h"

#include "app/app.h"

namespace horalix {

TimeGlass::TimeGlass(App& app) : Form(app.platform.forms, "time_glass"), app_(app) {
  move(0, 0, 2400, 900);
}

void TimeGlass::park() { move(-Width() - 5000, -Height() - 5000, Width(), Height()); }

void TimeGlass::Form_Load() { park(); }

}  // namespace horalix
