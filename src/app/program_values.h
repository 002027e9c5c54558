// The program's own registry key, HKEY_CURRENT_USER\Vantrel, under the value-access convention.
#pragma once

#include "app/app.h"
#include "app/value_store.h"

namespace horalix {

inline ValueStore ProgramValues(App& app) {
  return ValueStore(app.platform.scriptingShell, app.platform.registry);
}

}  // namespace horalix
