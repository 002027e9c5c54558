// Where an error that was caught and passed over is reported, so that the program goes on.
#pragma once

#include <functional>
#include <string>

namespace horalix::platform {

using Log = std::function<void(const std::string&)>;

}  // namespace horalix::platform
