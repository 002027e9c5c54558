// The program's own registry key, HKEY_CURRENT_USER\Vantrel, under the value-access convention.
#pragma once

#include "services/context.h"
#include "services/value_store.h"

namespace horalix {

inline ValueStore programValues(Context& app) {
  return ValueStore(app.platform.scriptingShell, app.platform.registry);
}

}  // namespace horalix
