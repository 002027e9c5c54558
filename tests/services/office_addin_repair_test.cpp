#include "services/office_addin_repair.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "services/ini_read_write.h"
#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::RegRoot;

const std::string kSucceeded =
    "修复成功，请重新设置计时参数，不计时或不准请关闭Office文件后再次修复：\r\r"
    "法1：【以管理员身份运行】后，再次修复\r\r"
    "法2：64位PPT，【PPTHoralix】程序可支持更多功能\r\r"
    "多次后不能正常使用请和作者联系";
const std::string kFailed =
    "修复未能完成，请关闭Office文件后再次修复：\r\r"
    "法1：【以管理员身份运行】后，再次修复\r\r"
    "法2：64位PPT，【PPTHoralix】程序可支持更多功能\r\r"
    "多次后不能正常使用请和作者联系";

class AddinRepairTest : public HeadlessFixture {
 protected:
  AddinRepairTest() {
    // A 64-bit Windows whose 32-bit components are where they belong.
    files.seedFile("C:\\Windows\\SysWOW64\\scrrun.dll", "MZ");
    files.seedFile("C:\\Windows\\SysWOW64\\user32.dll", "MZ");
    installFile("TimeData.db", "[clocksite]\r\nfilename=C:\\talks\\keynote.pptx\r\n");
    for (const std::string& key : disabledItemsKeys()) {
      registry.setRaw(RegRoot::CurrentUser, key, "addin", platform::regSzData("Horalink32"));
    }
  }

  AddinRepairResult repair() { return RepairOfficeAddin(platform, programPath("TimeData.db")); }

  // The result message: the last box shown.
  const platform::MessageBoxRecord& result() const { return messageBoxes.shown().back(); }
  int keysLeft() const {
    int n = 0;
    for (const std::string& key : disabledItemsKeys())
      n += registry.hasKey(RegRoot::CurrentUser, key);
    return n;
  }
  std::string lastDocument() {
    return variantText(
        IniReadWrite(files, "readpart", programPath("TimeData.db"), "clocksite", "filename", "-"));
  }
};

TEST_F(AddinRepairTest, EverythingWorkingShowsTheSuccessText) {
  EXPECT_TRUE(repair().ok());
  ASSERT_EQ(messageBoxes.shown().size(), 2u);
  const platform::MessageBoxRecord& notice = messageBoxes.shown()[0];
  EXPECT_EQ(notice.text, "接下来将注册控件，杀毒软件提示请选择允许程序操作");
  EXPECT_EQ(notice.caption, "Horalix");
  EXPECT_EQ(notice.timeoutMs, 0) << "the notice waits for the user";
  EXPECT_EQ(result().text, kSucceeded);
  EXPECT_EQ(result().caption, "Horalix");
  EXPECT_EQ(result().flags, platform::mb::Ok);
  EXPECT_EQ(result().timeoutMs, 8000);
  EXPECT_EQ(keysLeft(), 0);
  EXPECT_EQ(lastDocument(), "-") << "the last run's document is forgotten";
}

TEST_F(AddinRepairTest, RegistrationIsWaitedForAndItsExitCodeDecides) {
  struct Case {
    const char* what;
    std::optional<std::uint32_t> exitCode;
    bool ok;
  };
  const Case cases[] = {
      {"registered", 0u, true},
      {"DllRegisterServer failed (no administrator rights)", 5u, false},
      {"the component could not be loaded", 3u, false},
      {"Regsvr32 could not be started or did not end", std::nullopt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell.queueExitCode(c.exitCode);
    const std::size_t before = shell.started().size();
    EXPECT_EQ(repair().registered, c.ok);
    ASSERT_EQ(shell.started().size(), before + 1);
    const platform::ProgramStart& run = shell.started().back();
    EXPECT_EQ(run.commandLine, "Regsvr32  /s   \"C:\\Windows\\SysWOW64\\scrrun.dll\"");
    EXPECT_EQ(run.window, platform::Shell::Window::Minimized);
    EXPECT_TRUE(run.waited);
    EXPECT_GT(run.timeoutMs, 0);
    EXPECT_EQ(result().text, c.ok ? kSucceeded : kFailed);
    EXPECT_EQ(result().flags, c.ok ? platform::mb::Ok : platform::mb::Exclamation);
    EXPECT_EQ(result().timeoutMs, 8000);
    EXPECT_EQ(keysLeft(), 0) << "the other steps run all the same";
    EXPECT_EQ(lastDocument(), "-");
  }
}

TEST_F(AddinRepairTest, A32BitWindowsRegistersFromTheSystemFolder) {
  files.setSystemFolders("D:\\WinNT", "D:\\WinNT\\System32");
  files.seedFile("D:\\WinNT\\System32\\scrrun.dll", "MZ");
  files.seedFile("D:\\WinNT\\System32\\user32.dll", "MZ");
  EXPECT_TRUE(repair().ok());
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine, "Regsvr32  /s   \"D:\\WinNT\\System32\\scrrun.dll\"");
}

TEST_F(AddinRepairTest, MissingSystemComponentsAreReportedNeverCopied) {
  struct Case {
    const char* missing;
    bool regsvr32Runs;
  };
  const Case cases[] = {{"user32.dll", true}, {"scrrun.dll", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.missing);
    const std::string inSystem = std::string("C:\\Windows\\SysWOW64\\") + c.missing;
    files.remove(inSystem);
    installFile(c.missing, "MZ");  // a file of that name in the program folder is not used
    const std::size_t before = shell.started().size();
    const AddinRepairResult outcome = repair();
    EXPECT_EQ(outcome.missingComponents, std::vector<std::string>{c.missing});
    EXPECT_FALSE(files.normalFileExists(inSystem)) << "nothing is copied into the system";
    EXPECT_EQ(shell.started().size() - before, c.regsvr32Runs ? 1u : 0u);
    EXPECT_EQ(result().text, kFailed);
    files.seedFile(inSystem, "MZ");
  }
}

TEST_F(AddinRepairTest, AListThatIsNotThereIsNoFailureOneThatStaysIs) {
  // No lists at all: nothing to delete, nothing failed.
  for (const std::string& key : disabledItemsKeys()) {
    registry.deleteKey(RegRoot::CurrentUser, key);
  }
  EXPECT_TRUE(repair().ok());
  EXPECT_EQ(result().text, kSucceeded);

  // A list that cannot be deleted (here: one with a subkey) is reported.
  const std::string stuck =
      "Software\\Microsoft\\Office\\16.0\\PowerPoint\\Resiliency\\DisabledItems\\";
  registry.setRaw(RegRoot::CurrentUser, stuck + "inner", "x", platform::regSzData("1"));
  const AddinRepairResult outcome = repair();
  EXPECT_EQ(outcome.keysLeft, std::vector<std::string>{stuck});
  EXPECT_EQ(result().text, kFailed);
}

TEST(DisabledItemsKeys, TwentyFourListsWordExcelPowerPointWithoutVersion13) {
  const std::vector<std::string> keys = disabledItemsKeys();
  ASSERT_EQ(keys.size(), 24u);
  EXPECT_EQ(keys[0], "Software\\Microsoft\\Office\\11.0\\Word\\Resiliency\\DisabledItems\\");
  EXPECT_EQ(keys[2], "Software\\Microsoft\\Office\\14.0\\Word\\Resiliency\\DisabledItems\\");
  EXPECT_EQ(keys[7], "Software\\Microsoft\\Office\\19.0\\Word\\Resiliency\\DisabledItems\\");
  EXPECT_EQ(keys[8], "Software\\Microsoft\\Office\\11.0\\Excel\\Resiliency\\DisabledItems\\");
  EXPECT_EQ(keys[23], "Software\\Microsoft\\Office\\19.0\\PowerPoint\\Resiliency\\DisabledItems\\");
  for (const std::string& key : keys) EXPECT_EQ(key.find("13.0"), std::string::npos) << key;
}

}  // namespace
}  // namespace horalix::test
