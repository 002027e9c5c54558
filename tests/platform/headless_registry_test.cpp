#include "platform/headless/headless_registry.h"

#include <gtest/gtest.h>

namespace horalix::platform {
namespace {

constexpr auto HKCU = RegRoot::CurrentUser;

TEST(HeadlessRegistry, KeyAndValueNamesIgnoreLetterCase) {
  HeadlessRegistry registry;
  ASSERT_EQ(registry.createKey(HKCU, "Vantrel"), regresult::Success);
  ASSERT_EQ(registry.setValue(HKCU, "vantrel", "ClockMode", regDwordData(2)), regresult::Success);

  RegData read;
  EXPECT_EQ(registry.queryValue(HKCU, "VANTREL", "clockmode", read), regresult::Success);
  EXPECT_EQ(regDwordNumber(read), 2);
  // One key and one value, kept under their first spelling.
  EXPECT_EQ(registry.subkeyNames(HKCU, ""), std::vector<std::string>{"Vantrel"});
  EXPECT_EQ(registry.valueNames(HKCU, "Vantrel"), std::vector<std::string>{"ClockMode"});
}

TEST(HeadlessRegistry, ValuesAreKeptByteForByte) {
  const RegData cases[] = {
      {regtype::Sz, std::string("abc\0\0", 5)},
      {regtype::Sz, std::string("a\tb\r\n", 5)},
      {regtype::Sz, "no terminator"},
      {regtype::ExpandSz, std::string("%TEMP%\0", 7)},
      {regtype::Binary, std::string("\x01\x00\xff", 3)},
      {11, std::string(8, '\x7f')},
  };
  for (const auto& value : cases) {
    HeadlessRegistry registry;
    registry.createKey(HKCU, "Vantrel");
    ASSERT_EQ(registry.setValue(HKCU, "Vantrel", "v", value), regresult::Success);
    RegData read;
    ASSERT_EQ(registry.queryValue(HKCU, "Vantrel", "v", read), regresult::Success);
    EXPECT_EQ(read, value) << "type " << value.type;
  }
}

TEST(HeadlessRegistry, ResultCodesOfMissingKeysAndValues) {
  HeadlessRegistry registry;
  registry.setRaw(HKCU, "Vantrel\\Sub", "x", regSzData("1"));
  RegData read{regtype::Dword, "keep"};

  EXPECT_EQ(registry.queryValue(HKCU, "Missing", "x", read), regresult::FileNotFound);
  EXPECT_EQ(registry.queryValue(HKCU, "Vantrel", "x", read), regresult::FileNotFound);
  EXPECT_EQ(read.data, "keep");  // untouched on failure
  EXPECT_EQ(registry.setValue(HKCU, "Missing", "x", regSzData("1")), regresult::FileNotFound);
  EXPECT_FALSE(registry.hasKey(HKCU, "Missing"));  // a write never creates its key
  EXPECT_EQ(registry.deleteValue(HKCU, "Vantrel", "x"), regresult::FileNotFound);
  EXPECT_EQ(registry.deleteKey(HKCU, "Missing"), regresult::FileNotFound);
  EXPECT_EQ(registry.deleteKey(HKCU, "Vantrel"), regresult::AccessDenied);  // has a subkey
  EXPECT_TRUE(registry.hasKey(HKCU, "Vantrel\\Sub"));
  EXPECT_EQ(registry.deleteKey(HKCU, "Vantrel\\Sub"), regresult::Success);
  EXPECT_EQ(registry.deleteKey(HKCU, "Vantrel"), regresult::Success);
  EXPECT_FALSE(registry.hasKey(HKCU, "Vantrel"));
}

TEST(HeadlessRegistry, CreateKeyMakesTheWholePathOrNothing) {
  HeadlessRegistry registry;
  registry.setFaults(HKCU, "A\\B", HeadlessRegistry::NoCreate);

  EXPECT_EQ(registry.createKey(HKCU, "A\\B\\C"), regresult::AccessDenied);
  EXPECT_FALSE(registry.hasKey(HKCU, "A"));
  EXPECT_EQ(registry.createKey(HKCU, "A\\X\\Y"), regresult::Success);
  EXPECT_TRUE(registry.hasKey(HKCU, "a\\x\\y"));

  // An existing key is only opened, whatever its faults.
  registry.setRaw(HKCU, "A\\B", "v", regSzData(""));
  EXPECT_EQ(registry.createKey(HKCU, "A\\B"), regresult::Success);
}

TEST(HeadlessRegistry, InjectedFaults) {
  struct Case {
    const char* what;
    unsigned faults;
    long set, deleteValue, deleteKey;
  };
  const Case cases[] = {
      {"none", 0, regresult::Success, regresult::Success, regresult::Success},
      {"no write", HeadlessRegistry::NoWrite, regresult::AccessDenied, regresult::Success,
       regresult::Success},
      {"no delete", HeadlessRegistry::NoDelete, regresult::Success, regresult::AccessDenied,
       regresult::AccessDenied},
  };
  for (const auto& c : cases) {
    HeadlessRegistry registry;
    registry.setRaw(HKCU, "Vantrel", "old", regSzData("1"));
    registry.setFaults(HKCU, "vantrel", c.faults);
    EXPECT_EQ(registry.setValue(HKCU, "Vantrel", "new", regSzData("2")), c.set) << c.what;
    EXPECT_EQ(registry.raw(HKCU, "Vantrel", "new").has_value(), c.set == regresult::Success)
        << c.what;
    EXPECT_EQ(registry.deleteValue(HKCU, "Vantrel", "old"), c.deleteValue) << c.what;
    EXPECT_EQ(registry.deleteKey(HKCU, "Vantrel"), c.deleteKey) << c.what;
    EXPECT_EQ(registry.hasKey(HKCU, "Vantrel"), c.deleteKey != regresult::Success) << c.what;
  }
}

TEST(HeadlessRegistry, CloseFailureIsReportedForTheFlaggedKeyOnly) {
  HeadlessRegistry registry;
  registry.setRaw(HKCU, "Bad", "v", regSzData("x"));
  registry.setRaw(HKCU, "Good", "v", regSzData("x"));
  registry.setFaults(HKCU, "Bad", HeadlessRegistry::CloseFails);
  RegData read;

  registry.queryValue(HKCU, "Bad", "missing", read);
  EXPECT_TRUE(registry.lastCloseFailed());
  registry.queryValue(HKCU, "Good", "v", read);
  EXPECT_FALSE(registry.lastCloseFailed());
}

TEST(HeadlessRegistry, JournalRecordsInterfaceCallsButNotTestAccess) {
  HeadlessRegistry registry;
  registry.setRaw(HKCU, "Vantrel", "a", regSzData("1"));
  registry.setValue(HKCU, "Vantrel", "a", regSzData("2"));
  registry.deleteValue(HKCU, "Vantrel", "a");
  EXPECT_EQ(registry.journal(),
            (std::vector<std::string>{"setValue HKCU\\Vantrel:a", "deleteValue HKCU\\Vantrel:a"}));
}

}  // namespace
}  // namespace horalix::platform
