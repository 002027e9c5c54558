#include "services/file_import.h"

#include "services/file_dialog.h"
#include "services/file_names.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

void tellNotChosen(platform::Platform& platform) {
  platform.messageBoxes.showTimed("没有进行选择", "Horalix", platform::mb::Ok, 800);
}

// A shortcut is not a file to use: the name "lnk" alone, or any name ending in ".lnk".
bool isShortcut(const std::string& name) {
  return name == "lnk" || LCase(GetFileExt(name)) == "lnk";
}

// The file to import from the dialog's answer: one path, or the folder and the bare names
// separated by NULs; "" when every file picked is a shortcut.
std::string firstFileChosen(const std::string& answer) {
  const std::size_t end = answer.find('\0');
  if (end == std::string::npos) return isShortcut(GetFileName(answer)) ? "" : answer;
  std::string folder = answer.substr(0, end);
  if (!folder.ends_with('\\')) folder += '\\';
  for (std::size_t start = end + 1; start < answer.size();) {
    std::size_t stop = answer.find('\0', start);
    if (stop == std::string::npos) stop = answer.size();
    const std::string name = answer.substr(start, stop - start);
    if (!name.empty() && !isShortcut(name)) return folder + name;
    start = stop + 1;
  }
  return "";
}

}  // namespace

std::optional<std::string> importFile(platform::Platform& platform, const FileImport& kind) {
  platform::FileSystem& files = platform.files;
  const std::string folder = pathInProgramFolder(platform, kind.folder);
  const std::string answer =
      FileDialog(platform, false, "导入文件名称", kind.filter, "", "", folder + "\\", true);
  if (answer.empty()) {
    platform.messageBoxes.show(kind.nothingChosen, "Horalix",
                               platform::mb::Question | platform::mb::Ok);
    return std::nullopt;
  }
  const std::string chosen = firstFileChosen(answer);
  const std::string name = GetFileName(chosen);
  if (name.empty()) return std::nullopt;
  if (!files.folderExists(folder) && !files.createFolder(folder)) {
    tellNotChosen(platform);
    return std::nullopt;
  }
  const std::string target = folder + "\\" + name;
  if (!files.normalFileExists(target) && !files.copy(chosen, target, false)) {
    tellNotChosen(platform);
    return std::nullopt;
  }
  return name;
}

std::optional<std::string> importSoundFile(platform::Platform& platform) {
  return importFile(platform, {"sounds", "声音文件(*.wav),*.mp3|*.wav;*.mp3", "没有选择文件"});
}

std::optional<std::string> importPictureFile(platform::Platform& platform) {
  return importFile(
      platform,
      {"picture", "图片文件(*.jpg),*.ico,*.bmp,*.gif)|*.jpg;*.ico;*.bmp;*.gif", "没有加载图片"});
}

}  // namespace horalix
