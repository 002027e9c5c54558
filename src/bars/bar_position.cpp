#include "bars/bar_position.h"

#include "services/attempt.h"
#include "services/ini_read_write.h"
#include "services/program_values.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr std::int32_t kNotStored = -100;

// The number slot of the value store, except that a value missing from the registry reads as
// "not stored" (-100) instead of 0.
ReadSlot UnsetWhenMissing(ReadSlot slot, std::int32_t& target) {
  slot.fromRegistry = [inner = slot.fromRegistry, &target](const Variant& value) {
    if (isEmpty(value)) {
      target = kNotStored;
    } else {
      inner(value);
    }
  };
  return slot;
}

}  // namespace

BarPosition ReadBarPosition(Context& app, const std::string& leftKey, const std::string& topKey) {
  BarPosition at;
  auto readIni = [&](const std::string& key) {
    return CLng(Val(variantText(IniReadWrite(app.platform.files, "readpart", app.iniPath(),
                                             "clocksite", key, std::to_string(kNotStored)))));
  };
  Attempt(app, "bar position", [&] { at.left = readIni(leftKey); });
  Attempt(app, "bar position", [&] { at.top = readIni(topKey); });
  if (at.left == kNotStored || at.top == kNotStored) {
    Attempt(app, "bar position", [&] {
      // The position is a pair: both coordinates come from the registry.
      ProgramValues(app).readGroup({UnsetWhenMissing(ReadSlot::int32(leftKey, at.left), at.left),
                                    UnsetWhenMissing(ReadSlot::int32(topKey, at.top), at.top)});
    });
  }
  return at;
}

}  // namespace horalix
