#include "services/file_dialog.h"

#include "services/text_runtime.h"

namespace horalix {

namespace {

// A dialog that a user saw and answered stays open longer than this.
constexpr std::uint32_t kShownAtLeastMs = 20;

}  // namespace

std::string FileDialog(platform::Platform& platform, bool save, const std::string& title,
                       const std::string& filter, const std::string& initialFile,
                       const std::string& defaultExtension, const std::string& initialDirectory,
                       bool multiSelect) {
  if (Len(initialFile) > kFileDialogMaxPath) {
    platform.messageBoxes.show("Filename Length Overflow", "Horalix - FileDialog Function",
                               platform::mb::Exclamation);
    return "";
  }
  platform::FileDialogRequest request{
      save, title, filter, initialFile, defaultExtension, initialDirectory, multiSelect};
  std::optional<std::string> chosen;
  try {
    const std::uint32_t before = platform.loop.tickCount();
    chosen = platform.dialogs.fileDialog(request);
    // The tick count wraps: the difference is taken modulo 2^32.
    if (platform.loop.tickCount() - before < kShownAtLeastMs) {
      request.initialFile.clear();
      chosen = platform.dialogs.fileDialog(request);
    }
  } catch (const std::exception& e) {
    if (platform.log) platform.log(std::string("FileDialog: ") + e.what());
    return "";
  }
  if (!chosen) return "";
  if (multiSelect) return *chosen;
  // One path: anything after a NUL is not part of it.
  return chosen->substr(0, chosen->find('\0'));
}

}  // namespace horalix
