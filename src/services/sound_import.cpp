#include "services/sound_import.h"

#include "services/context.h"
#include "services/file_dialog.h"
#include "services/file_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

void tellNotChosen(Context& app) {
  app.platform.messageBoxes.showTimed("没有进行选择", "Horalix", platform::mb::Ok, 800);
}

// A shortcut is not a sound: the name "lnk" alone, or any name ending in ".lnk".
bool isShortcut(const std::string& name) {
  return name == "lnk" || LCase(GetFileExt(name)) == "lnk";
}

}  // namespace

std::optional<std::string> ImportSoundFile(Context& app) {
  platform::FileSystem& files = app.platform.files;
  const std::string folder = app.pathInProgramFolder("sounds");
  const std::string chosen = FileDialog(app.platform, false, "导入文件名称",
                                        "声音文件(*.wav),*.mp3|*.wav;*.mp3", "", "", folder + "\\");
  if (chosen.empty()) {
    app.platform.messageBoxes.show("没有选择文件", "Horalix",
                                   platform::mb::Question | platform::mb::Ok);
    return std::nullopt;
  }
  if (!files.folderExists(folder) && !files.createFolder(folder)) {
    tellNotChosen(app);
    return std::nullopt;
  }
  const std::string name = GetFileName(chosen);
  if (name.empty() || isShortcut(name)) return std::nullopt;
  const std::string target = folder + "\\" + name;
  if (!files.normalFileExists(target) && !files.copy(chosen, target, true)) {
    tellNotChosen(app);
    return std::nullopt;
  }
  return name;
}

}  // namespace horalix
