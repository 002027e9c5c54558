#include "clock/time_glass_two.h"

#include "app/app.h"

namespace horalix {

TimeGlassTwo::TimeGlassTwo(App& app) : Form(app.platform.forms, "time_glasstwo"), app_(app) {
  move(0, 0, 2400, 900);
}

void TimeGlassTwo::park() { move(-Width() - 5000, -Height() - 5000, Width(), Height()); }

void TimeGlassTwo::Form_Load() { park(); }

}  // namespace horalix
