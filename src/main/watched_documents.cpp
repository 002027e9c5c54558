#include "main/watched_documents.h"

#include <vector>

#include "platform/platform.h"
#include "services/attempt.h"
#include "services/program_values.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr std::array<KindSource, 6> kKindSources{{
    {DocumentKind::Workbook, 4, "filename1"},
    {DocumentKind::WordDocument, 3, "filename2"},
    {DocumentKind::SlideShow, 5, "filename3"},
    {DocumentKind::Pdf, 6, nullptr},
    {DocumentKind::Presentation, 7, "filename5"},
    {DocumentKind::Drawing, 8, nullptr},
}};

}  // namespace

const KindSource& sourceOf(DocumentKind kind) { return kKindSources[static_cast<int>(kind) - 1]; }

bool kindEnabled(const std::string& aiMode, DocumentKind kind) {
  return Mid(aiMode, sourceOf(kind).aiModeCharacter, 1) == "1";
}

std::int16_t readClockOpen(platform::Platform& platform) {
  std::int16_t clockopen = 0;
  programValues(platform).readGroup({ReadSlot::int16("clockopen", clockopen)});
  return clockopen;
}

// The windows are taken once for all kinds: the desktop is walked once a look.
DocumentSight lookForDocuments(platform::Platform& platform, std::int16_t clockopen,
                               const std::string& aiMode) {
  DocumentSight sight;
  sight.fromAddin = clockopen == kAddinReporting;
  if (sight.fromAddin) {
    std::vector<ReadSlot> slots;
    for (const KindSource& source : kKindSources) {
      if (source.handOverValue == nullptr) continue;
      slots.push_back(
          ReadSlot::text(source.handOverValue, sight.reported[static_cast<int>(source.kind) - 1]));
    }
    attempt(platform.log, "hand-over values", [&] { programValues(platform).readGroup(slots); });
  }
  std::vector<platform::TopWindow> windows;
  bool walked = false;
  for (const KindSource& source : kKindSources) {
    if (sight.reportedByAddin(source.kind) || !kindEnabled(aiMode, source.kind)) continue;
    if (!walked) {
      attempt(platform.log, "window titles", [&] { windows = platform.desktop.topWindows(); });
      walked = true;
    }
    sight.titled[static_cast<int>(source.kind) - 1] = documentFileList(source.kind, windows);
  }
  return sight;
}

}  // namespace horalix
