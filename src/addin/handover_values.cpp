#include "addin/handover_values.h"

#include <functional>
#include <vector>

#include "addin/action_gate.h"
#include "services/file_names.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix::addin {

namespace {

// A text slot of a group read. The shell gives the text up to its first NUL; the registry
// functions give the stored bytes with their terminating NUL, which `cut` takes off.
ReadSlot textSlot(const std::string& name, std::string& target,
                  std::function<std::string(std::string)> cut) {
  ReadSlot slot = ReadSlot::text(name, target);
  slot.fromRegistry = [&target, cut](const Variant& value) { target = cut(variantText(value)); };
  return slot;
}

std::string cutAtNul(std::string text) { return text.substr(0, text.find('\0')); }

std::string cutAtLineEnd(std::string text) { return CutAtLineEnd(text); }

// A document value is free while it holds at most 3 characters.
bool isFree(const std::string& text) { return Len(text) <= 3; }

// The values of the other kinds of host, which decide whether clockopen may go.
std::vector<std::string> otherHostValues(HostKind kind) {
  switch (kind) {
    case HostKind::WordProcessor:
      return {"filename1", kShowValue, "filename5"};
    case HostKind::Spreadsheet:
      return {"filename2", kShowValue, "filename5"};
    case HostKind::Presentation:
      break;
  }
  return {"filename1", "filename2"};
}

std::vector<std::string> ownValues(HostKind kind) {
  if (kind == HostKind::Presentation) return {kShowValue, "filename5"};
  return {documentValueName(kind)};
}

void publish(AddinServices& services, const std::string& valueName, const std::string& text) {
  programValues(services).writeGroup({{valueName, text, platform::regtype::Sz},
                                      {kClockOpen, kClockOpenValue, platform::regtype::Dword}});
}

}  // namespace

ValueStore programValues(AddinServices& services) {
  return ValueStore(services.scriptingShell, services.registry, "Vantrel");
}

const char* documentValueName(HostKind kind) {
  switch (kind) {
    case HostKind::WordProcessor:
      return "filename2";
    case HostKind::Spreadsheet:
      return "filename1";
    case HostKind::Presentation:
      break;
  }
  return "filename5";
}

std::optional<bool> isWpsHost(HostApplication* host) {
  if (host == nullptr) return std::nullopt;
  const auto path = host->path();
  if (!path) return std::nullopt;
  return path->find("WPS") != std::string::npos;
}

int wpsBuildThreshold(const std::string& path) {
  std::vector<std::string> pieces = Split(path, "\\");
  if (pieces.size() == 1) pieces = Split(path, "/");
  if (pieces.size() < 2) return 1;
  const std::vector<std::string> fields = Split(pieces[pieces.size() - 2], ".");
  double build = 0;
  try {
    if (!fields.empty()) build = Val(fields.back());
  } catch (const RuntimeError&) {
    build = 0;
  }
  return build > 10214 ? 1 : 0;
}

void announceAddin(AddinServices& services) {
  programValues(services).writeNumber(kClockOpen, kClockOpenValue);
}

void PublishDocumentName(AddinServices& services, HostKind kind, const std::string& name) {
  const std::string valueName = documentValueName(kind);
  std::string stored;
  programValues(services).readGroup({textSlot(valueName, stored, cutAtNul)});
  if (!ActionGate(services)) return;
  // A new, unsaved document has no extension and is never published.
  if (Len(GetFileExt(name)) <= 2) return;
  if (!isFree(stored)) return;
  publish(services, valueName, name);
}

void publishSlideShow(AddinServices& services, HostApplication& host) {
  // A second show while one runs: the first keeps the value. A count the host does not give
  // does not hold the show back.
  if (host.slideShowWindowCount().value_or(0) >= 2) return;
  if (!ActionGate(services)) return;
  const auto name = host.activePresentationName();
  if (!name) return;
  publish(services, kShowValue, *name);
}

void withdrawSlideShow(AddinServices& services, HostApplication* showHost,
                       HostApplication* connected) {
  int threshold = 1;
  if (showHost != nullptr) {
    const auto path = showHost->path();
    if (path && path->find("WPS") != std::string::npos) threshold = wpsBuildThreshold(*path);
  }
  // A show whose windows cannot be counted has ended with the event.
  const int count = showHost != nullptr ? showHost->slideShowWindowCount().value_or(0) : 0;
  const int limit = isWpsHost(connected).value_or(false) ? threshold : 1;
  if (count <= limit) programValues(services).remove(kShowValue);
}

void withdrawHostValues(AddinServices& services, HostKind kind) {
  const std::vector<std::string> others = otherHostValues(kind);
  std::vector<std::string> texts(others.size());
  std::vector<ReadSlot> slots;
  for (std::size_t i = 0; i < others.size(); ++i) {
    slots.push_back(textSlot(others[i], texts[i], cutAtLineEnd));
  }
  ValueStore store = programValues(services);
  store.readGroup(slots);
  int total = 0;
  for (const auto& text : texts) total += Len(text);
  if (total == 0) store.remove(kClockOpen);
  for (const auto& name : ownValues(kind)) store.remove(name);
}

}  // namespace horalix::addin
