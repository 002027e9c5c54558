#include "platform/headless/headless_scripting_shell.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_registry.h"

namespace horalix::platform {
namespace {

constexpr auto HKCU = RegRoot::CurrentUser;

struct HeadlessShell : ::testing::Test {
  HeadlessRegistry registry;
  HeadlessScriptingShell shell{registry};
};

TEST_F(HeadlessShell, WriteStoresTypedValues) {
  struct Case {
    ShellValue value;
    const char* type;
    std::optional<RegData> stored;  // nullopt: the write fails
  };
  const Case cases[] = {
      {std::string("abc"), "REG_SZ", regSzData("abc")},
      {std::string("手动计时"), "REG_SZ", regSzData("手动计时")},
      {std::int32_t{5}, "REG_SZ", regSzData("5")},
      {std::string("x"), "REG_EXPAND_SZ", RegData{regtype::ExpandSz, std::string("x\0", 2)}},
      {std::int32_t{-100}, "REG_DWORD", regDwordData(-100)},
      {std::string("12"), "REG_DWORD", regDwordData(12)},
      {std::string(" -7 "), "REG_DWORD", regDwordData(-7)},
      {std::string("abc"), "REG_DWORD", std::nullopt},
      {std::string(""), "REG_DWORD", std::nullopt},
      {std::string("12abc"), "REG_DWORD", std::nullopt},
      {std::string("4294967296"), "REG_DWORD", std::nullopt},
      {std::int32_t{1}, "REG_BINARY", RegData{regtype::Binary, std::string("\1\0\0\0", 4)}},
      {std::vector<std::uint8_t>{1, 2}, "REG_BINARY", RegData{regtype::Binary, "\1\2"}},
      {std::vector<std::string>{"a"}, "REG_SZ", std::nullopt},
      {std::string("x"), "REG_QWORD", std::nullopt},
  };
  for (const auto& c : cases) {
    HeadlessRegistry fresh;
    HeadlessScriptingShell freshShell(fresh);
    EXPECT_EQ(freshShell.regWrite("HKEY_CURRENT_USER\\Vantrel\\v", c.value, c.type),
              c.stored.has_value())
        << c.type;
    EXPECT_EQ(fresh.raw(HKCU, "Vantrel", "v"), c.stored) << c.type;
  }
}

TEST_F(HeadlessShell, ReadGivesTheShellsTypedResult) {
  struct Case {
    RegData stored;
    std::optional<ShellValue> read;  // nullopt: the read fails
  };
  const Case cases[] = {
      {regSzData("abc"), ShellValue{std::string("abc")}},
      {{regtype::Sz, std::string("ab\0cd\0", 6)}, ShellValue{std::string("ab")}},
      {{regtype::Sz, "no NUL"}, ShellValue{std::string("no NUL")}},
      {{regtype::ExpandSz, std::string("%x%\0", 4)}, ShellValue{std::string("%x%")}},
      {regDwordData(-1), ShellValue{std::int32_t{-1}}},
      {{regtype::Binary, "\x01\xff"}, ShellValue{std::vector<std::uint8_t>{1, 255}}},
      {{regtype::MultiSz, std::string("a\0bc\0\0", 6)},
       ShellValue{std::vector<std::string>{"a", "bc"}}},
      {{11, std::string(8, '\0')}, std::nullopt},
  };
  for (const auto& c : cases) {
    registry.setRaw(HKCU, "Vantrel", "v", c.stored);
    EXPECT_EQ(shell.regRead("HKEY_CURRENT_USER\\Vantrel\\v"), c.read) << c.stored.type;
  }
}

TEST_F(HeadlessShell, PathsTakeLongAndShortRootNames) {
  registry.setRaw(HKCU, "Vantrel", "v", regSzData("1"));
  registry.setRaw(RegRoot::LocalMachine, "Software\\Classes", "v", regSzData("2"));
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"HKEY_CURRENT_USER\\Vantrel\\v", "1"},
      {"HKCU\\Vantrel\\v", "1"},
      {"hkcu\\VANTREL\\V", "1"},
      {"HKLM\\Software\\Classes\\v", "2"},
      {"HKEY_USERS\\Vantrel\\v", std::nullopt},
      {"Vantrel\\v", std::nullopt},
      {"HKCU", std::nullopt},
      {"HKCU\\Vantrel\\missing", std::nullopt},
      {"HKCU\\Missing\\v", std::nullopt},
  };
  for (const auto& [path, expected] : cases) {
    auto read = shell.regRead(path);
    if (expected)
      EXPECT_EQ(read, ShellValue{*expected}) << path;
    else
      EXPECT_FALSE(read.has_value()) << path;
  }
}

TEST_F(HeadlessShell, WriteCreatesMissingKeysUnlessTheyAreRefused) {
  EXPECT_TRUE(shell.regWrite("HKCU\\A\\B\\C\\v", std::string("x"), "REG_SZ"));
  EXPECT_TRUE(registry.hasKey(HKCU, "A\\B\\C"));

  registry.setFaults(HKCU, "D", HeadlessRegistry::NoCreate);
  EXPECT_FALSE(shell.regWrite("HKCU\\D\\v", std::string("x"), "REG_SZ"));
  EXPECT_FALSE(registry.hasKey(HKCU, "D"));
}

TEST_F(HeadlessShell, DeleteOfValuesAndKeys) {
  registry.setRaw(HKCU, "Vantrel", "v", regSzData("1"));
  registry.setRaw(HKCU, "Parent\\Child", "", regSzData("d"));

  EXPECT_TRUE(shell.regDelete("HKCU\\Vantrel\\v"));
  EXPECT_FALSE(shell.regDelete("HKCU\\Vantrel\\v"));  // a missing value fails
  EXPECT_FALSE(shell.regDelete("HKCU\\Parent\\"));    // has a subkey
  EXPECT_TRUE(registry.hasKey(HKCU, "Parent\\Child"));
  EXPECT_TRUE(shell.regDelete("HKCU\\Parent\\Child\\"));
  EXPECT_TRUE(shell.regDelete("HKCU\\Parent\\"));
  EXPECT_FALSE(registry.hasKey(HKCU, "Parent"));
  EXPECT_FALSE(shell.regDelete("HKCU\\Parent\\"));  // gone
  EXPECT_FALSE(shell.regDelete("HKCU\\"));          // never the root
}

TEST_F(HeadlessShell, KeyPathAddressesTheDefaultValue) {
  registry.setRaw(HKCU, "Excel.Sheet\\CurVer", "v", regSzData("x"));
  EXPECT_FALSE(shell.regRead("HKCU\\Excel.Sheet\\CurVer\\").has_value());  // no default set

  EXPECT_TRUE(
      shell.regWrite("HKCU\\Excel.Sheet\\CurVer\\", std::string("Excel.Sheet.12"), "REG_SZ"));
  EXPECT_EQ(registry.raw(HKCU, "Excel.Sheet\\CurVer", ""), regSzData("Excel.Sheet.12"));
  EXPECT_EQ(shell.regRead("HKCU\\Excel.Sheet\\CurVer\\"),
            ShellValue{std::string("Excel.Sheet.12")});
}

TEST_F(HeadlessShell, UnavailableShellFailsEveryVerbAndTouchesNothing) {
  registry.setRaw(HKCU, "Vantrel", "v", regSzData("1"));
  shell.setAvailable(false);
  registry.clearJournal();

  EXPECT_FALSE(shell.regWrite("HKCU\\Vantrel\\w", std::string("2"), "REG_SZ"));
  EXPECT_FALSE(shell.regRead("HKCU\\Vantrel\\v").has_value());
  EXPECT_FALSE(shell.regDelete("HKCU\\Vantrel\\v"));
  EXPECT_TRUE(registry.journal().empty());
  EXPECT_EQ(shell.journal().size(), 3u);

  shell.setAvailable(true);
  EXPECT_EQ(shell.regRead("HKCU\\Vantrel\\v"), ShellValue{std::string("1")});
}

TEST_F(HeadlessShell, FailOnOnePathLeavesOthersWorking) {
  shell.failOn("HKEY_CURRENT_USER\\Vantrel\\bad");
  EXPECT_FALSE(shell.regWrite("HKEY_CURRENT_USER\\vantrel\\BAD", std::int32_t{1}, "REG_DWORD"));
  EXPECT_TRUE(shell.regWrite("HKEY_CURRENT_USER\\Vantrel\\good", std::int32_t{1}, "REG_DWORD"));
}

}  // namespace
}  // namespace horalix::platform
