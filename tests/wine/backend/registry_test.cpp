// The registry over advapi32 and the scripting shell over WScript.Shell, against the real
// registry, in a key of the tests' own under HKEY_CURRENT_USER.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "platform/win32/registry_change_watch.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_scripting_shell.h"

namespace horalix::win32::test {
namespace {

using platform::RegData;
using platform::RegRoot;
using platform::ShellValue;
namespace regtype = platform::regtype;
namespace regresult = platform::regresult;

constexpr char kKey[] = "Software\\HoralixBackendTest";
constexpr char kShellKey[] = "HKEY_CURRENT_USER\\Software\\HoralixBackendTest\\";

bool runningOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\HoralixBackendTest");
    ASSERT_EQ(registry.createKey(RegRoot::CurrentUser, kKey), regresult::Success);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\HoralixBackendTest"); }

  RegData query(const std::string& name, long expected = regresult::Success) {
    RegData out;
    EXPECT_EQ(registry.queryValue(RegRoot::CurrentUser, kKey, name, out), expected) << name;
    return out;
  }

  Win32Registry registry;
  Win32ScriptingShell shell;
};

TEST_F(RegistryTest, ValuesReadBackAsStored) {
  struct Case {
    const char* name;
    RegData written;
    RegData read;
  };
  const std::vector<Case> cases = {
      // A text is stored with one terminating NUL, which a read keeps.
      {"latin", {regtype::Sz, "abc"}, {regtype::Sz, std::string("abc\0", 4)}},
      {"given NUL", platform::regSzData("abc"), {regtype::Sz, std::string("abc\0", 4)}},
      {"empty", {regtype::Sz, ""}, {regtype::Sz, std::string(1, '\0')}},
      {"chinese", platform::regSzData("手动计时"), platform::regSzData("手动计时")},
      {"control", platform::regSzData("a\tb"), platform::regSzData("a\tb")},
      {"dword", platform::regDwordData(-2), platform::regDwordData(-2)},
      {"binary",
       {regtype::Binary, std::string("\x01\x00\xff", 3)},
       {regtype::Binary, std::string("\x01\x00\xff", 3)}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, c.name, c.written), regresult::Success)
        << c.name;
    EXPECT_EQ(query(c.name), c.read) << c.name;
  }
}

TEST_F(RegistryTest, MissingValuesAndKeysLeaveTheResultUntouched) {
  RegData out{regtype::Dword, "keep"};
  EXPECT_EQ(registry.queryValue(RegRoot::CurrentUser, kKey, "missing", out),
            regresult::FileNotFound);
  EXPECT_EQ(registry.queryValue(RegRoot::CurrentUser, "Software\\HoralixNoSuchKey", "x", out),
            regresult::FileNotFound);
  EXPECT_EQ(out, (RegData{regtype::Dword, "keep"}));
}

TEST_F(RegistryTest, WritingIntoAMissingKeyFailsAndCreatesNothing) {
  const std::string missing = std::string(kKey) + "\\missing";
  EXPECT_NE(registry.setValue(RegRoot::CurrentUser, missing, "x", platform::regSzData("1")),
            regresult::Success);
  EXPECT_FALSE(registry.keyExists(RegRoot::CurrentUser, missing));
}

TEST_F(RegistryTest, AKeyWithSubkeysIsNotDeleted) {
  const std::string parent = std::string(kKey) + "\\parent";
  ASSERT_EQ(registry.createKey(RegRoot::CurrentUser, parent + "\\child"), regresult::Success);
  EXPECT_NE(registry.deleteKey(RegRoot::CurrentUser, parent), regresult::Success);
  EXPECT_TRUE(registry.keyExists(RegRoot::CurrentUser, parent));
  EXPECT_EQ(registry.deleteKey(RegRoot::CurrentUser, parent + "\\child"), regresult::Success);
  EXPECT_EQ(registry.deleteKey(RegRoot::CurrentUser, parent), regresult::Success);
  EXPECT_FALSE(registry.keyExists(RegRoot::CurrentUser, parent));
}

TEST_F(RegistryTest, DeletedValueIsGone) {
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "v", platform::regSzData("1")),
            regresult::Success);
  EXPECT_EQ(registry.deleteValue(RegRoot::CurrentUser, kKey, "v"), regresult::Success);
  query("v", regresult::FileNotFound);
  EXPECT_NE(registry.deleteValue(RegRoot::CurrentUser, kKey, "v"), regresult::Success);
}

// Reads keep their keys open: what others do to a key meanwhile must still be seen.
TEST_F(RegistryTest, ReadsSeeTheKeyAsOthersLeftIt) {
  const std::wstring key = L"Software\\HoralixBackendTest";
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "v", {regtype::Sz, "one"}),
            regresult::Success);
  EXPECT_EQ(query("v").data, std::string("one\0", 4));
  ASSERT_TRUE(registry.keyExists(RegRoot::CurrentUser, kKey));

  // Deleted and made again by someone else, with another value.
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"v", REG_SZ, L"two", 8),
            ERROR_SUCCESS);
  EXPECT_EQ(query("v").data, std::string("two\0", 4));
  EXPECT_TRUE(registry.keyExists(RegRoot::CurrentUser, kKey));

  // Deleted for good: neither the key nor its value is found.
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
  EXPECT_FALSE(registry.keyExists(RegRoot::CurrentUser, kKey));
  query("v", regresult::FileNotFound);

  // A value longer than a first read takes comes back whole.
  ASSERT_EQ(registry.createKey(RegRoot::CurrentUser, kKey), regresult::Success);
  const std::string longText(3000, 'x');
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "long", {regtype::Sz, longText}),
            regresult::Success);
  EXPECT_EQ(query("long").data, longText + std::string(1, '\0'));
}

// With a watch, reads are kept while the handler runs; the next handler sees what another
// program changed, and a write of the program's own is seen at once, by both ways of reading.
TEST_F(RegistryTest, KeptReadsFollowEveryChange) {
  const std::wstring key = L"Software\\HoralixBackendTest";
  const std::string path = std::string(kShellKey) + "v";
  RegistryChangeWatch watch;
  Win32Registry keptRegistry(&watch);
  Win32ScriptingShell keptShell(&watch);
  auto outside = [&](const wchar_t* text) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"v", REG_SZ, text,
                              static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  };
  auto read = [&] {
    RegData out;
    keptRegistry.queryValue(RegRoot::CurrentUser, kKey, "v", out);
    return out.data;
  };
  outside(L"one");
  EXPECT_EQ(read(), std::string("one\0", 4));
  EXPECT_EQ(keptShell.regRead(path), ShellValue(std::string("one")));

  // Within the handler the reads are kept; the next handler reads afresh.
  outside(L"two");
  EXPECT_EQ(read(), std::string("one\0", 4));
  watch.lookAgain();
  EXPECT_EQ(read(), std::string("two\0", 4));
  EXPECT_EQ(keptShell.regRead(path), ShellValue(std::string("two")));

  // The program's own writes, either way, and deletes.
  ASSERT_TRUE(keptShell.regWrite(path, std::string("three"), "REG_SZ"));
  EXPECT_EQ(read(), platform::regSzData("three").data);
  ASSERT_EQ(keptRegistry.setValue(RegRoot::CurrentUser, kKey, "v", platform::regSzData("four")),
            regresult::Success);
  EXPECT_EQ(keptShell.regRead(path), ShellValue(std::string("four")));
  ASSERT_EQ(keptRegistry.deleteValue(RegRoot::CurrentUser, kKey, "v"), regresult::Success);
  EXPECT_FALSE(keptShell.regRead(path).has_value());

  // A key made by another program is found by the next handler.
  const std::string inner = std::string(kKey) + "\\inner";
  EXPECT_FALSE(keptRegistry.keyExists(RegRoot::CurrentUser, inner));
  ASSERT_EQ(registry.createKey(RegRoot::CurrentUser, inner), regresult::Success);
  watch.lookAgain();
  EXPECT_TRUE(keptRegistry.keyExists(RegRoot::CurrentUser, inner));
}

TEST_F(RegistryTest, ShellWritesTextsAndNumbersThatBothWaysReadBack) {
  ASSERT_TRUE(
      shell.regWrite(std::string(kShellKey) + "pathget", std::string("C:\\计时"), "REG_SZ"));
  ASSERT_TRUE(shell.regWrite(std::string(kShellKey) + "clockmode", std::int32_t{2}, "REG_DWORD"));
  ASSERT_TRUE(shell.regWrite(std::string(kShellKey) + "Timeout", std::string("30"), "REG_DWORD"));

  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "pathget"), ShellValue(std::string("C:\\计时")));
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "clockmode"), ShellValue(std::int32_t{2}));
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "Timeout"), ShellValue(std::int32_t{30}));
  EXPECT_EQ(query("pathget"), platform::regSzData("C:\\计时"));
  EXPECT_EQ(query("clockmode"), platform::regDwordData(2));
}

TEST_F(RegistryTest, ShellFailuresAreReportedNotRaised) {
  // A number value that is given no number, a value that is not there, a key that is not there.
  EXPECT_FALSE(shell.regWrite(std::string(kShellKey) + "n", std::string("abc"), "REG_DWORD"));
  query("n", regresult::FileNotFound);
  EXPECT_FALSE(shell.regRead(std::string(kShellKey) + "missing").has_value());
  EXPECT_FALSE(shell.regDelete(std::string(kShellKey) + "missing"));
  EXPECT_FALSE(shell.regRead("HKEY_CURRENT_USER\\Software\\HoralixNoSuchKey\\x").has_value());
}

TEST_F(RegistryTest, ShellReadsATextUpToItsFirstNul) {
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "cut",
                              {regtype::Sz, std::string("ab\0cd\0", 6)}),
            regresult::Success);
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "cut"), ShellValue(std::string("ab")));
}

TEST_F(RegistryTest, ShellReadsBinaryAndMultiTextValuesAsLists) {
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "bytes",
                              {regtype::Binary, std::string("\x01\x00\xff", 3)}),
            regresult::Success);
  ASSERT_EQ(registry.setValue(RegRoot::CurrentUser, kKey, "texts",
                              {regtype::MultiSz, std::string("会议\0课堂\0\0", 15)}),
            regresult::Success);
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "bytes"),
            ShellValue(std::vector<std::uint8_t>{1, 0, 255}));
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "texts"),
            ShellValue(std::vector<std::string>{"会议", "课堂"}));
}

TEST_F(RegistryTest, ShellCreatesMissingKeysOnWrite) {
  ASSERT_TRUE(shell.regWrite(std::string(kShellKey) + "a\\b\\v", std::string("1"), "REG_SZ"));
  EXPECT_TRUE(registry.keyExists(RegRoot::CurrentUser, std::string(kKey) + "\\a\\b"));
  EXPECT_EQ(shell.regRead(std::string(kShellKey) + "a\\b\\v"), ShellValue(std::string("1")));
}

TEST_F(RegistryTest, ShellDeletesValuesAndKeys) {
  // Wine's scripting shell has RegDelete as a stub that always fails: there the program's
  // deletes take the registry functions' way.
  if (runningOnWine()) GTEST_SKIP() << "RegDelete is a stub under Wine";
  const std::string deep = std::string(kShellKey) + "a\\b\\";
  ASSERT_TRUE(shell.regWrite(deep + "v", std::string("1"), "REG_SZ"));
  EXPECT_TRUE(shell.regDelete(deep + "v"));
  EXPECT_FALSE(shell.regRead(deep + "v").has_value());
  // A path that ends in "\" names the key itself.
  EXPECT_TRUE(shell.regDelete(deep));
  EXPECT_FALSE(registry.keyExists(RegRoot::CurrentUser, std::string(kKey) + "\\a\\b"));
  EXPECT_TRUE(registry.keyExists(RegRoot::CurrentUser, std::string(kKey) + "\\a"));
}

}  // namespace
}  // namespace horalix::win32::test
