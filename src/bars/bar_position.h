// Where the prompt bars are kept between runs: TimeData.db [clocksite] first, the registry
// values of the same names when the file holds none.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

namespace platform {
struct Platform;
}  // namespace platform

// A bar position in twips; kBarNotStored in either coordinate means "not stored".
constexpr std::int32_t kBarNotStored = -100;
struct BarPosition {
  std::int32_t left = kBarNotStored;
  std::int32_t top = kBarNotStored;
};

// Reads both coordinates from [clocksite]; when either is -100 (or missing), both again from the
// registry, through the scripting shell and, when that fails, the registry functions. A value
// the registry does not hold either reads as `storedNowhere`: by default -100, so that the
// caller can tell "stored nowhere" from a stored 0.
BarPosition readBarPosition(platform::Platform& platform, const std::string& leftKey,
                            const std::string& topKey, std::int32_t storedNowhere = kBarNotStored);

}  // namespace horalix
