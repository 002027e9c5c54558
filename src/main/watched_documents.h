// What the two watch timers of the main window see of the open documents: the add-in's
// hand-over values while it reports (clockopen = 32), the window titles otherwise; PDF files
// and drawings always by their window titles.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "main/title_scanners.h"

namespace horalix {

namespace platform {
struct Platform;
}  // namespace platform

// The value of clockopen while a host with the add-in is connected.
inline constexpr std::int16_t kAddinReporting = 32;

// A document kind's switch in AImode and the value the add-in publishes it in (nullptr for the
// kinds only window titles tell).
struct KindSource {
  DocumentKind kind;
  int aiModeCharacter;
  const char* handOverValue;
};

const KindSource& sourceOf(DocumentKind kind);

// The kind's character of AImode is "1".
bool kindEnabled(const std::string& aiMode, DocumentKind kind);

// One look at the open documents.
struct DocumentSight {
  bool fromAddin = false;
  // By kind (index kind - 1): the add-in's value of the kind, on its road.
  std::array<std::string, 6> reported;
  // By kind: the names that window titles show, for the kinds enabled in AImode that are read
  // from titles on this road.
  std::array<FileList, 6> titled;

  const std::string& reportedOf(DocumentKind kind) const {
    return reported[static_cast<int>(kind) - 1];
  }
  const FileList& titledOf(DocumentKind kind) const { return titled[static_cast<int>(kind) - 1]; }
  // The kind's documents come from the add-in rather than from titles.
  bool reportedByAddin(DocumentKind kind) const {
    return fromAddin && sourceOf(kind).handOverValue != nullptr;
  }
};

// clockopen as a whole number; 0 when missing or unreadable.
std::int16_t readClockOpen(platform::Platform& platform);

// Reads the hand-over values (on the add-in road) and walks the windows once for the title
// lists of the enabled kinds.
DocumentSight lookForDocuments(platform::Platform& platform, std::int16_t clockopen,
                               const std::string& aiMode);

}  // namespace horalix
