#include "bars/bar_position.h"

#include "app/ini_read_write.h"
#include "app/program_values.h"
#include "app/text_runtime.h"
#include "main/attempt.h"

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

BarPosition ReadBarPosition(App& app, const std::string& leftKey, const std::string& topKey) {
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

void SaveBarPosition(App& app, const std::string& leftKey, const std::string& topKey,
                     std::int32_t left, std::int32_t top) {
  const std::string ini = app.iniPath();
  Attempt(app, "bar position", [&] {
    IniReadWrite(app.platform.files, "write", ini, "clocksite", leftKey, std::to_string(left));
  });
  Attempt(app, "bar position", [&] {
    IniReadWrite(app.platform.files, "write", ini, "clocksite", topKey, std::to_string(top));
  });
  Attempt(app, "bar position", [&] {
    ProgramValues(app).writeGroup(
        {{leftKey, left, platform::regtype::Dword}, {topKey, top, platform::regtype::Dword}});
  });
}

void SaveProcessPos(App& app, std::int32_t left, std::int32_t top) {
  SaveBarPosition(app, "processleft", "processtop", left, top);
}

void SaveProcessTwoPos(App& app, std::int32_t left, std::int32_t top) {
  SaveBarPosition(app, "processtwo_left", "processtwo_top", left, top);
}

}  // namespace horalix
