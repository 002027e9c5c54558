#include "services/office_addin_repair.h"

#include "services/ini_read_write.h"
#include "services/registry_routines.h"

namespace horalix {

namespace {

constexpr const char* kCaption = "Horalix";
constexpr const char* kNotice = "接下来将注册控件，杀毒软件提示请选择允许程序操作";
// The message's lines are separated by single carriage returns.
constexpr const char* kSucceeded =
    "修复成功，请重新设置计时参数，不计时或不准请关闭Office文件后再次修复：";
constexpr const char* kFailed = "修复未能完成，请关闭Office文件后再次修复：";
constexpr const char* kAdvice =
    "\r\r法1：【以管理员身份运行】后，再次修复"
    "\r\r法2：64位PPT，【PPTHoralix】程序可支持更多功能"
    "\r\r多次后不能正常使用请和作者联系";
constexpr int kResultShownMs = 8000;
// Regsvr32 registers one component in well under a second; one that hangs is given up on.
constexpr int kRegistrationTimeoutMs = 60000;

constexpr const char* kRegisteredComponent = "scrrun.dll";
constexpr const char* kComponents[] = {kRegisteredComponent, "user32.dll"};

}  // namespace

std::string componentFolder(const platform::FileSystem& files) {
  const std::string wow64 = files.windowsFolder() + "\\SysWOW64";
  return files.folderExists(wow64) ? wow64 : files.systemFolder();
}

std::vector<std::string> disabledItemsKeys() {
  static const char* const hosts[] = {"Word", "Excel", "PowerPoint"};
  static const char* const versions[] = {"11.0", "12.0", "14.0", "15.0",
                                         "16.0", "17.0", "18.0", "19.0"};
  std::vector<std::string> keys;
  for (const char* host : hosts) {
    for (const char* version : versions) {
      keys.push_back(std::string("Software\\Microsoft\\Office\\") + version + "\\" + host +
                     "\\Resiliency\\DisabledItems\\");
    }
  }
  return keys;
}

AddinRepairResult RepairOfficeAddin(platform::Platform& platform, const std::string& iniPath) {
  platform.messageBoxes.show(kNotice, kCaption, platform::mb::Ok);
  AddinRepairResult result;
  const std::string folder = componentFolder(platform.files);

  // System components are the system's own: one that is missing is reported, never replaced.
  for (const char* component : kComponents) {
    if (!platform.files.normalFileExists(folder + "\\" + component)) {
      result.missingComponents.push_back(component);
    }
  }
  if (platform.files.normalFileExists(folder + "\\" + kRegisteredComponent)) {
    const std::string command =
        std::string("Regsvr32  /s   \"") + folder + "\\" + kRegisteredComponent + "\"";
    const std::optional<std::uint32_t> exitCode = platform.shell.runAndWait(
        command, platform::Shell::Window::Minimized, kRegistrationTimeoutMs);
    result.registered = exitCode == 0u;
  }

  // A list that is not there is as good as a deleted one.
  for (const std::string& key : disabledItemsKeys()) {
    DeleteRegKey(platform.registry, platform::RegRoot::CurrentUser, key);
    if (platform.registry.keyExists(platform::RegRoot::CurrentUser, key)) {
      result.keysLeft.push_back(key);
    }
  }

  IniReadWrite(platform.files, "write", iniPath, "clocksite", "filename", "");

  const bool ok = result.ok();
  platform.messageBoxes.showTimed(std::string(ok ? kSucceeded : kFailed) + kAdvice, kCaption,
                                  ok ? platform::mb::Ok : platform::mb::Exclamation,
                                  kResultShownMs);
  return result;
}

}  // namespace horalix
