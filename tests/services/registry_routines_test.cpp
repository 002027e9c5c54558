#include "services/registry_routines.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/headless/headless_registry.h"

namespace horalix {
namespace {

using platform::HeadlessRegistry;
using platform::RegData;
using platform::regDwordData;
using platform::regSzData;
namespace regtype = platform::regtype;
namespace regresult = platform::regresult;
constexpr auto HKCU = platform::RegRoot::CurrentUser;
constexpr auto HKCR = platform::RegRoot::ClassesRoot;

// Message boxes answered at once, each one recorded.
struct RecordedBoxes : platform::MessageBoxes {
  std::vector<std::tuple<std::string, std::string, unsigned>> shown;
  int show(const std::string& text, const std::string& caption, unsigned flags) override {
    shown.emplace_back(text, caption, flags);
    return platform::answer::Ok;
  }
  int showTimed(const std::string& text, const std::string& caption, unsigned flags, int) override {
    shown.emplace_back(text, caption, flags);
    return platform::answer::TimedOut;
  }
};

struct RegistryRoutines : ::testing::Test {
  HeadlessRegistry registry;
  RecordedBoxes boxes;
  RegistryRoutines() { registry.setRaw(HKCU, "Vantrel", "existing", regSzData("old")); }
};

TEST_F(RegistryRoutines, SetValueDataWritesTextAndNumbersOnly) {
  struct Case {
    std::uint32_t type;
    Variant value;
    long result;
    std::optional<RegData> stored;
  };
  const Case cases[] = {
      {regtype::Sz, std::string("abc"), regresult::Success, regSzData("abc")},
      {regtype::Sz, std::string("时间到"), regresult::Success, regSzData("时间到")},
      {regtype::Sz, std::int32_t{-5}, regresult::Success, regSzData("-5")},
      {regtype::Sz, Variant{}, regresult::Success, regSzData("")},
      {regtype::Dword, std::int32_t{-100}, regresult::Success, regDwordData(-100)},
      {regtype::Dword, std::string("12"), regresult::Success, regDwordData(12)},
      {regtype::Dword, std::string("2.5"), regresult::Success, regDwordData(2)},
      {regtype::Dword, Variant{}, regresult::Success, regDwordData(0)},
      {regtype::Dword, std::string("abc"), regresult::InvalidParameter, std::nullopt},
      {regtype::Dword, std::string("3000000000"), regresult::InvalidParameter, std::nullopt},
      {regtype::Binary, std::string("abc"), 0, std::nullopt},
      {regtype::ExpandSz, std::string("abc"), 0, std::nullopt},
  };
  for (const auto& c : cases) {
    registry.setRaw(HKCU, "Vantrel", "v", {regtype::None, "before"});
    EXPECT_EQ(SetValueData({registry, HKCU, "Vantrel"}, "v", c.type, c.value), c.result)
        << c.type << " " << variantText(c.value);
    EXPECT_EQ(registry.raw(HKCU, "Vantrel", "v"),
              c.stored.value_or(RegData{regtype::None, "before"}))
        << c.type << " " << variantText(c.value);
  }
}

TEST_F(RegistryRoutines, QueryValueGivesTextWithItsNulNumbersOrEmpty) {
  struct Case {
    const char* what;
    std::optional<RegData> stored;
    Variant expected;
  };
  const Case cases[] = {
      {"three letters keep their NUL", regSzData("abc"), std::string("abc\0", 4)},
      {"empty text", regSzData(""), std::string(1, '\0')},
      {"trailing NULs kept", RegData{regtype::Sz, std::string("ab\0\0", 4)},
       std::string("ab\0\0", 4)},
      {"number", regDwordData(-100), std::int32_t{-100}},
      {"missing value", std::nullopt, Variant{}},
      {"expandable text", RegData{regtype::ExpandSz, std::string("%x%\0", 4)}, Variant{}},
      {"binary", RegData{regtype::Binary, "\1\2"}, Variant{}},
  };
  for (const auto& c : cases) {
    HeadlessRegistry fresh;
    fresh.createKey(HKCU, "Vantrel");
    if (c.stored) fresh.setRaw(HKCU, "Vantrel", "v", *c.stored);
    EXPECT_EQ(QueryValue(fresh, HKCU, "Vantrel", "v"), c.expected) << c.what;
  }
  EXPECT_EQ(QueryValue(registry, HKCU, "Missing", "v"), Variant{});
}

TEST_F(RegistryRoutines, QueryValueDataSetsTheValueOnlyOnSuccess) {
  registry.setRaw(HKCU, "Vantrel", "bin", {regtype::Binary, "\1"});
  Variant value = std::string("unchanged");
  EXPECT_EQ(QueryValueData({registry, HKCU, "Vantrel"}, "missing", value), regresult::FileNotFound);
  EXPECT_EQ(QueryValueData({registry, HKCU, "Vantrel"}, "bin", value), -1);
  EXPECT_EQ(value, Variant{std::string("unchanged")});
}

TEST_F(RegistryRoutines, SetKeyValueNeverCreatesItsKey) {
  EXPECT_NE(SetKeyValue(registry, HKCU, "Missing", "v", std::string("x"), regtype::Sz),
            regresult::Success);
  EXPECT_FALSE(registry.hasKey(HKCU, "Missing"));

  EXPECT_EQ(SetKeyValue(registry, HKCU, "vantrel", "v", std::int32_t{7}, regtype::Dword),
            regresult::Success);
  EXPECT_EQ(registry.raw(HKCU, "Vantrel", "v"), regDwordData(7));

  registry.setFaults(HKCU, "Vantrel", HeadlessRegistry::NoWrite);
  EXPECT_EQ(SetKeyValue(registry, HKCU, "Vantrel", "v", std::int32_t{8}, regtype::Dword),
            regresult::AccessDenied);
}

TEST_F(RegistryRoutines, KeyRoutinesFailSilently) {
  CreateNewKey(registry, HKCU, "A\\B");
  EXPECT_TRUE(registry.hasKey(HKCU, "A\\B"));
  registry.setFaults(HKCU, "Denied", HeadlessRegistry::NoCreate);
  CreateNewKey(registry, HKCU, "Denied");
  EXPECT_FALSE(registry.hasKey(HKCU, "Denied"));

  DeleteRegKey(registry, HKCU, "A");  // has a subkey: stays
  EXPECT_TRUE(registry.hasKey(HKCU, "A\\B"));
  DeleteRegKey(registry, HKCU, "A\\B");
  EXPECT_FALSE(registry.hasKey(HKCU, "A\\B"));
  DeleteRegKey(registry, HKCU, "Nothing\\Here");

  DeleteKeyValue(registry, HKCU, "Vantrel", "missing");
  DeleteKeyValue(registry, HKCU, "Missing", "existing");
  DeleteKeyValue(registry, HKCU, "Vantrel", "EXISTING");
  EXPECT_FALSE(registry.raw(HKCU, "Vantrel", "existing").has_value());
}

TEST_F(RegistryRoutines, ReadRegStringTakesShortTextWithoutItsNul) {
  struct Case {
    const char* what;
    RegData stored;
    std::string expected;
  };
  const Case cases[] = {
      {"text", regSzData("Excel.Sheet.12"), "Excel.Sheet.12"},
      {"one byte: the empty text", regSzData(""), ""},
      {"254 characters fit the buffer", regSzData(std::string(254, 'x')), std::string(254, 'x')},
      {"255 characters do not", regSzData(std::string(255, 'x')), ""},
      {"expandable text", {regtype::ExpandSz, std::string("%x%\0", 4)}, "%x%"},
      {"a number is no text", regDwordData(5), ""},
  };
  for (const auto& c : cases) {
    registry.setRaw(HKCR, "Excel.Sheet\\CurVer", "", c.stored);
    EXPECT_EQ(ReadRegString(registry, boxes, HKCR, "Excel.Sheet\\CurVer", ""), c.expected)
        << c.what;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryRoutines, RegKeyExists) {
  EXPECT_FALSE(RegKeyExists(registry, boxes, "Excel.Sheet\\CurVer", ""));
  registry.setRaw(HKCR, "Excel.Sheet\\CurVer", "", regSzData(""));
  EXPECT_FALSE(RegKeyExists(registry, boxes, "Excel.Sheet\\CurVer", ""));
  registry.setRaw(HKCR, "Excel.Sheet\\CurVer", "", regSzData("Excel.Sheet.8"));
  EXPECT_TRUE(RegKeyExists(registry, boxes, "excel.sheet\\curver", ""));
  EXPECT_FALSE(RegKeyExists(registry, boxes, "Excel.Sheet\\CurVer", "other"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RegistryRoutines, ReadRegStringReportsAKeyThatCannotBeClosed) {
  registry.setRaw(HKCR, "Excel.Sheet\\CurVer", "", regSzData("Excel.Sheet.8"));
  registry.setFaults(HKCR, "Excel.Sheet\\CurVer", HeadlessRegistry::CloseFails);

  EXPECT_EQ(ReadRegString(registry, boxes, HKCR, "Excel.Sheet\\CurVer", ""), "Excel.Sheet.8");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::make_tuple(std::string("RegCloseKey Failed: Excel.Sheet\\CurVer"),
                                            std::string("Horalix"), platform::mb::Critical));
}

}  // namespace
}  // namespace horalix
