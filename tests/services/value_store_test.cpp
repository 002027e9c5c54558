#include "services/value_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless_registry.h"
#include "platform/headless/headless_scripting_shell.h"

namespace horalix {
namespace {

using platform::HeadlessRegistry;
using platform::RegData;
using platform::regDwordData;
using platform::regSzData;
namespace regtype = platform::regtype;
constexpr auto HKCU = platform::RegRoot::CurrentUser;

struct ValueStoreConvention : ::testing::Test {
  HeadlessRegistry registry;
  platform::HeadlessScriptingShell shell{registry};
  ValueStore store{shell, registry};

  std::optional<RegData> stored(const std::string& name) {
    return registry.raw(HKCU, "Vantrel", name);
  }
  // How many calls of this kind reached the registry for the value.
  long calls(const std::string& verb, const std::string& name) {
    const std::string entry = verb + " HKCU\\Vantrel:" + name;
    return std::count(registry.journal().begin(), registry.journal().end(), entry);
  }
};

TEST_F(ValueStoreConvention, FullPathOfAValue) {
  EXPECT_EQ(store.fullPath("clockopen"), "HKEY_CURRENT_USER\\Vantrel\\clockopen");
  EXPECT_EQ(ValueStore(shell, registry, "Morventa").fullPath("pathget"),
            "HKEY_CURRENT_USER\\Morventa\\pathget");
}

TEST_F(ValueStoreConvention, WriteReachesTheRegistryEitherWay) {
  struct Case {
    const char* what;
    bool shellAvailable;
    bool keyExists;
    bool written;
  };
  const Case cases[] = {
      {"shell, key present", true, true, true},
      {"shell creates the missing key", true, false, true},
      {"registry fallback, key present", false, true, true},
      {"registry fallback never creates the key", false, false, false},
  };
  for (const auto& c : cases) {
    HeadlessRegistry fresh;
    platform::HeadlessScriptingShell freshShell(fresh);
    freshShell.setAvailable(c.shellAvailable);
    if (c.keyExists) fresh.createKey(HKCU, "Vantrel");
    ValueStore values(freshShell, fresh);
    values.writeText("tellouttext", "时间到");
    values.writeNumber("clockleft", -100);
    EXPECT_EQ(fresh.raw(HKCU, "Vantrel", "tellouttext"),
              c.written ? std::optional(regSzData("时间到")) : std::nullopt)
        << c.what;
    EXPECT_EQ(fresh.raw(HKCU, "Vantrel", "clockleft"),
              c.written ? std::optional(regDwordData(-100)) : std::nullopt)
        << c.what;
  }
}

TEST_F(ValueStoreConvention, OneFailedShellWriteRewritesTheWholeGroup) {
  registry.createKey(HKCU, "Vantrel");
  shell.failOn(store.fullPath("Time_one"));
  store.writeGroup({{"Time_all", std::string("00:02:30"), regtype::Sz},
                    {"Time_one", std::int32_t{60}, regtype::Dword},
                    {"checkvalue", std::string("111"), regtype::Sz}});

  EXPECT_EQ(stored("Time_all"), regSzData("00:02:30"));
  EXPECT_EQ(stored("Time_one"), regDwordData(60));
  EXPECT_EQ(stored("checkvalue"), regSzData("111"));
  // The shell wrote two of them; the fallback wrote all three again.
  EXPECT_EQ(calls("setValue", "Time_all"), 2);
  EXPECT_EQ(calls("setValue", "Time_one"), 1);
  EXPECT_EQ(calls("setValue", "checkvalue"), 2);

  registry.clearJournal();
  store.writeGroup({{"Time_all", std::string("00:01:00"), regtype::Sz}});
  EXPECT_EQ(calls("setValue", "Time_all"), 1);  // no failure, no second round
}

TEST_F(ValueStoreConvention, TextReadsAsTheShellGivesItOrCutOnTheFallback) {
  struct Case {
    RegData stored;
    const char* throughShell;
    const char* throughRegistry;
  };
  const Case cases[] = {
      {regSzData("abc"), "abc", "abc"},
      {regSzData("a\tb"), "a\tb", "a"},
      {regSzData("a\r\nb"), "a\r\nb", "a"},
      {{regtype::Sz, std::string("ab\0\0", 4)}, "ab", "ab"},
      {regSzData(""), "", ""},
      {regDwordData(32), "32", "32"},
      {{regtype::Binary, "xy"}, "", ""},
  };
  for (const auto& c : cases) {
    registry.setRaw(HKCU, "Vantrel", "v", c.stored);
    shell.setAvailable(true);
    EXPECT_EQ(store.readText("v"), c.throughShell) << c.throughShell;
    shell.setAvailable(false);
    EXPECT_EQ(store.readText("v"), c.throughRegistry) << c.throughShell;
  }
  EXPECT_EQ(store.readText("missing"), "");
}

TEST_F(ValueStoreConvention, NumbersReadThroughEitherWay) {
  struct Case {
    const char* what;
    std::optional<RegData> stored;
    std::int32_t int32;
    std::int16_t int16;
  };
  const Case cases[] = {
      {"number", regDwordData(32), 32, 32},
      {"negative number", regDwordData(-100), -100, -100},
      {"number text", regSzData("12"), 12, 12},
      {"leading number of a text", regSzData("12abc"), 12, 12},
      {"half rounds to even", regSzData("2.5"), 2, 2},
      {"text without a number", regSzData("abc"), 0, 0},
      {"too large for 16 bits", regDwordData(70000), 70000, 0},
      {"missing", std::nullopt, 0, 0},
      {"binary", RegData{regtype::Binary, "\x05"}, 0, 0},
  };
  for (const bool shellAvailable : {true, false}) {
    shell.setAvailable(shellAvailable);
    for (const auto& c : cases) {
      HeadlessRegistry fresh;
      platform::HeadlessScriptingShell freshShell(fresh);
      freshShell.setAvailable(shellAvailable);
      fresh.createKey(HKCU, "Vantrel");
      if (c.stored) fresh.setRaw(HKCU, "Vantrel", "v", *c.stored);
      ValueStore values(freshShell, fresh);
      EXPECT_EQ(values.readInt32("v"), c.int32) << c.what << " shell " << shellAvailable;
      EXPECT_EQ(values.readInt16("v"), c.int16) << c.what << " shell " << shellAvailable;
    }
  }
}

TEST_F(ValueStoreConvention, OneFailedShellReadRereadsTheWholeGroup) {
  registry.setRaw(HKCU, "Vantrel", "filename1", regSzData("Book1.xlsx\tjunk"));
  registry.setRaw(HKCU, "Vantrel", "clockopen", regDwordData(32));
  std::string workbook = "unset", document = "unset";
  std::int16_t clockopen = -1;

  store.readGroup({ReadSlot::text("filename1", workbook), ReadSlot::text("filename2", document),
                   ReadSlot::int16("clockopen", clockopen)});
  EXPECT_EQ(workbook, "Book1.xlsx");  // the fallback's cut, not the shell's text
  EXPECT_EQ(document, "");
  EXPECT_EQ(clockopen, 32);
  EXPECT_EQ(calls("queryValue", "filename1"), 2);  // read by the shell, then by QueryValue
}

TEST_F(ValueStoreConvention, SuccessfulGroupReadNeverFallsBack) {
  registry.setRaw(HKCU, "Vantrel", "filename1", regSzData("a\tb"));
  std::string workbook;
  store.readGroup({ReadSlot::text("filename1", workbook)});
  EXPECT_EQ(workbook, "a\tb");
  EXPECT_EQ(calls("queryValue", "filename1"), 1);
}

TEST_F(ValueStoreConvention, DeleteFallsBackForTheWholeGroup) {
  for (const char* name : {"Time_all", "clockopen", "pathget"})
    registry.setRaw(HKCU, "Vantrel", name, regSzData("x"));
  shell.failOn(store.fullPath("clockopen"));

  store.removeGroup({"Time_all", "clockopen", "missing", "pathget"});
  EXPECT_TRUE(registry.valueNames(HKCU, "Vantrel").empty());
  EXPECT_EQ(calls("deleteValue", "Time_all"), 2);  // the shell's delete, then the fallback's

  registry.setRaw(HKCU, "Vantrel", "clockopen", regDwordData(32));
  shell.setAvailable(false);
  store.remove("clockopen");
  EXPECT_FALSE(stored("clockopen").has_value());
}

TEST_F(ValueStoreConvention, RemoveKeyDeletesOnlyAKeyWithoutSubkeys) {
  const std::string disabled = "Software\\Microsoft\\Office\\16.0\\Word\\Resiliency";
  registry.setRaw(HKCU, disabled + "\\DisabledItems", "x", {regtype::Binary, "1"});
  ValueStore parent(shell, registry, disabled);
  parent.removeKey();
  EXPECT_TRUE(registry.hasKey(HKCU, disabled + "\\DisabledItems"));

  ValueStore items(shell, registry, disabled + "\\DisabledItems");
  shell.setAvailable(false);
  items.removeKey();  // through DeleteRegKey
  EXPECT_FALSE(registry.hasKey(HKCU, disabled + "\\DisabledItems"));
  EXPECT_TRUE(registry.hasKey(HKCU, disabled));
}

TEST_F(ValueStoreConvention, ValueThatNeitherWayCanWriteStaysUnwritten) {
  registry.setRaw(HKCU, "Vantrel", "clockmode", regDwordData(0));
  registry.setFaults(HKCU, "Vantrel", HeadlessRegistry::NoWrite);
  store.writeNumber("clockmode", 1);
  EXPECT_EQ(stored("clockmode"), regDwordData(0));
  EXPECT_EQ(store.readInt16("clockmode"), 0);
}

}  // namespace
}  // namespace horalix
