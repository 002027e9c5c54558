#include "services/stored_version.h"

#include <cstdint>
#include <string>
#include <variant>

#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

double readStoredVersion(ValueStore& store) {
  if (const auto value = store.shellRead("Version")) {
    try {
      if (const auto* text = std::get_if<std::string>(&*value)) return CDbl(*text);
      if (const auto* number = std::get_if<std::int32_t>(&*value)) return *number;
    } catch (const RuntimeError&) {
    }
  }
  try {
    return Val(variantText(store.registryRead("Version")));
  } catch (const RuntimeError&) {
    return 0;
  }
}

}  // namespace horalix
