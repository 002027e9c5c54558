#include "services/run_state_record.h"

#include "services/option_names.h"
#include "services/text_runtime.h"

namespace horalix {

bool runBound(const RunState& run) { return Len(run.binding.bound) > 3; }

bool runCounts(const RunState& run, const SettingsBlock& settings) {
  return runBound(run) && optionOn(settings.checkvalue, CheckFlag::TimedDuration);
}

}  // namespace horalix
