#include "platform/dialogs.h"

#include <algorithm>

namespace horalix::platform {

std::string nulSeparatedFilter(const std::string& filter) {
  std::string out = filter;
  std::replace(out.begin(), out.end(), '|', '\0');
  out.append(2, '\0');
  return out;
}

}  // namespace horalix::platform
