#include "bars/bar_position.h"

#include "platform/platform.h"
#include "services/attempt.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The number slot of the value store, except that a value missing from the registry reads as
// `missing` instead of 0.
ReadSlot whenMissing(ReadSlot slot, std::int32_t& target, std::int32_t missing) {
  slot.fromRegistry = [inner = slot.fromRegistry, &target, missing](const Variant& value) {
    if (isEmpty(value)) {
      target = missing;
    } else {
      inner(value);
    }
  };
  return slot;
}

}  // namespace

BarPosition readBarPosition(platform::Platform& platform, const std::string& leftKey,
                            const std::string& topKey, std::int32_t storedNowhere) {
  BarPosition at;
  auto readIni = [&](const std::string& key) {
    return CLng(Val(readProgramIni(platform, "clocksite", key, std::to_string(kBarNotStored))));
  };
  attempt(platform.log, "bar position", [&] { at.left = readIni(leftKey); });
  attempt(platform.log, "bar position", [&] { at.top = readIni(topKey); });
  if (at.left == kBarNotStored || at.top == kBarNotStored) {
    attempt(platform.log, "bar position", [&] {
      // The position is a pair: both coordinates come from the registry.
      programValues(platform).readGroup(
          {whenMissing(ReadSlot::int32(leftKey, at.left), at.left, storedNowhere),
           whenMissing(ReadSlot::int32(topKey, at.top), at.top, storedNowhere)});
    });
  }
  return at;
}

}  // namespace horalix
