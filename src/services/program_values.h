// The program's own registry key, HKEY_CURRENT_USER\Vantrel, under the value-access convention.
#pragma once

#include "platform/platform.h"
#include "services/value_store.h"

namespace horalix {

inline ValueStore programValues(platform::Platform& platform) {
  return ValueStore(platform.scriptingShell, platform.registry);
}

}  // namespace horalix
