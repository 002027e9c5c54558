// The program's own registry key, HKEY_CURRENT_USER\Vantrel, under the value-access convention.
#pragma once

#include "services/context.h"
#include "services/value_store.h"

namespace horalix {

inline ValueStore programValues(Context& context) {
  return ValueStore(context.platform.scriptingShell, context.platform.registry);
}

}  // namespace horalix
