// The version value that the program and its add-in keep under the program's key: the decimal
// text of major + minor / 10, written and read with "." as the decimal point.
#pragma once

#include "services/value_store.h"

namespace horalix {

// The stored version as a number: through the shell a text must be a number as a whole (a
// number value is taken as it is); otherwise the leading number of what the registry functions
// give, 0 when the value is missing or holds no number.
double readStoredVersion(ValueStore& store);

}  // namespace horalix
