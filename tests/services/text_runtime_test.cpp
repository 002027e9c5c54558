#include "services/text_runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "runtime_error_of.h"
#include "services/runtime_error.h"

namespace horalix {
namespace {

using testing::errorOf;

TEST(TextRuntime, PositionsAndLengthsCountCharacters) {
  EXPECT_EQ(Len("手动计时"), 4);
  EXPECT_EQ(Len("PPT放映"), 5);
  EXPECT_EQ(Len(""), 0);
  // A byte that is not valid UTF-8 is one character; so is a cut-off sequence.
  EXPECT_EQ(Len("a\xFF"
                "b"),
            3);
  EXPECT_EQ(Len("\xE6\x89"), 2);
  EXPECT_EQ(Len("\xED\xA0\x80"), 3);  // an encoded surrogate is not a character

  struct Case {
    std::string got, expected;
  };
  const std::vector<Case> cases = {
      {Left("手动计时", 2), "手动"},  {Left("手动计时", 9), "手动计时"},
      {Left("abc", 0), ""},           {Right("abc手", 2), "c手"},
      {Right("手动", 5), "手动"},     {Mid("手动计时", 2, 2), "动计"},
      {Mid("手动计时", 3), "计时"},   {Mid("手动计时", 5), ""},
      {Mid("手动计时", 4, 10), "时"}, {Mid("", 1, 1), ""},
      {Mid("1010", 3, 1), "1"},       {Mid("10", 3, 1), ""},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].got, cases[i].expected) << i;

  EXPECT_EQ(InStr("手动计时", "计时"), 3);
  EXPECT_EQ(InStr(3, "abcabc", "b"), 5);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr(9, "abc", "a"), 0);
  EXPECT_EQ(InStr(2, "abc", ""), 2);
}

TEST(TextRuntime, BadPositionsRaiseInvalidProcedureCall) {
  for (const auto& call : std::vector<std::function<void()>>{
           [] { Mid("abc", 0); },
           [] { Mid("abc", 1, -1); },
           [] { Left("abc", -1); },
           [] { Right("abc", -1); },
           [] { InStr(0, "abc", "a"); },
       }) {
    EXPECT_EQ(errorOf(call), RuntimeErrorCode::InvalidProcedureCall);
  }
}

TEST(TextRuntime, SplitTrimAndCase) {
  EXPECT_EQ(Split("00:05:30", ":"), (std::vector<std::string>{"00", "05", "30"}));
  EXPECT_EQ(Split("a::b:", ":"), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_TRUE(Split("", ":").empty());
  EXPECT_EQ(Split("abc", ""), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta "), "\ta");  // only blanks are trimmed
  EXPECT_EQ(LTrim("   "), "");
  EXPECT_EQ(UCase("slides.ppsx 手"), "SLIDES.PPSX 手");
  EXPECT_EQ(LCase("START.WAV"), "start.wav");
}

TEST(TextRuntime, ValReadsTheLeadingNumber) {
  struct Case {
    std::string text;
    double expected;
  };
  const std::vector<Case> cases = {
      {"  -1.5e2x", -150},
      {"&H1F", 31},
      {"&h1f", 31},
      {"&HFFFF", -1},  // fits 16 bits: read as a 16-bit value
      {"&H8000", -32768},
      {"&H10000", 65536},
      {"&HFFFFFFFF", -1},
      {"&O17", 15},
      {"&17", 15},
      {"&H", 0},
      {"&X1", 0},
      {"abc", 0},
      {"12abc", 12},
      {"", 0},
      {"-", 0},
      {".5", 0.5},
      {"-.5", -0.5},
      {"+3", 3},
      {"5.2", 5.2},
      {"1.2.3", 1.2},
      {"1,5", 1},
      {"1e", 1},
      {"1e+", 1},
      {"2E3", 2000},
      {"1d2", 100},
      {"1 2 3", 123},  // blanks, tabs and line feeds are passed over anywhere
      {"\t\n 7", 7},
      {"- 5", -5},
      {std::string("5.2\0junk", 8), 5.2},  // a registry text with its terminating NUL
      {"1e-400", 0},
      {"0.000", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << c.text;
}

TEST(TextRuntime, NumbersTooLargeOverflow) {
  for (const char* text : {"1e400", "&H100000000",
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999"}) {
    EXPECT_EQ(errorOf([&] { Val(text); }), RuntimeErrorCode::Overflow) << text;
  }
}

TEST(TextRuntime, TextToNumberNeedsAWholeNumber) {
  EXPECT_DOUBLE_EQ(CDbl(" 12 "), 12);
  EXPECT_DOUBLE_EQ(CDbl("-1.5E2"), -150);
  EXPECT_DOUBLE_EQ(CDbl("&H1F"), 31);
  for (const char* text : {"", " ", "12abc", "abc", "1e", "1 2", "-", "."}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
    EXPECT_EQ(errorOf([&] { CDbl(text); }), RuntimeErrorCode::TypeMismatch) << text;
  }
  EXPECT_FALSE(IsNumeric("1e400"));
  EXPECT_TRUE(IsNumeric("5.2"));
  // An empty option character is no number: "If CInt(Mid(option, 9, 1)) = 1" fails there.
  EXPECT_EQ(errorOf([] { CInt(Mid("100", 9, 1)); }), RuntimeErrorCode::TypeMismatch);
  EXPECT_EQ(CInt("2.5"), 2);
  EXPECT_EQ(CLng("70000"), 70000);
}

TEST(TextRuntime, IntegerConversionRoundsHalvesToEven) {
  struct Case {
    double value;
    int expected;
  };
  const std::vector<Case> cases = {
      {2.5, 2},  {3.5, 4},         {-2.5, -2},         {-3.5, -4},
      {0.5, 0},  {1.5, 2},         {2.4999, 2},        {2.5001, 3},
      {-0.4, 0}, {32767.4, 32767}, {-32768.5, -32768}, {-32767.6, -32768},
  };
  for (const Case& c : cases) EXPECT_EQ(CInt(c.value), c.expected) << c.value;
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(150.5), 150);
  EXPECT_EQ(CLng(-2147483648.4), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(CLng(2147483647.4), std::numeric_limits<std::int32_t>::max());

  for (double v : {32767.5, -32768.6, 40000.0, std::nan("")}) {
    EXPECT_EQ(errorOf([&] { CInt(v); }), RuntimeErrorCode::Overflow) << v;
  }
  for (double v : {2147483647.5, -2147483648.6, 1e12}) {
    EXPECT_EQ(errorOf([&] { CLng(v); }), RuntimeErrorCode::Overflow) << v;
  }
}

TEST(TextRuntime, IntFloorsAndFixTruncates) {
  EXPECT_EQ(Int(-1.5), -2);
  EXPECT_EQ(Fix(-1.5), -1);
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Fix(2.7), 2);
  EXPECT_EQ(Int(-3), -3);
}

TEST(TextRuntime, NumbersAreWrittenAsTheRuntimeWritesThem) {
  struct Case {
    std::string got, expected;
  };
  const std::vector<Case> cases = {
      {CStr(5.2), "5.2"},
      {CStr(150.0), "150"},
      {CStr(0.5), "0.5"},
      {CStr(-0.5), "-0.5"},
      {CStr(0.1 + 0.2), "0.3"},
      {CStr(-0.0), "0"},
      {CStr(123456789012345.0), "123456789012345"},
      {CStr(1e15), "1E+15"},
      {CStr(0.0001), "0.0001"},
      {CStr(0.00001), "1E-05"},
      {CStr(2.0 / 3.0), "0.666666666666667"},
      {CStr(5.2f), "5.2"},
      {CStr(42), "42"},
      {CStr(std::int16_t{-7}), "-7"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].got, cases[i].expected) << i;
  // Written and read back, a number stays the same.
  for (double v : {5.2, 0.5, -150.0, 1e15, 0.00001}) EXPECT_DOUBLE_EQ(Val(CStr(v)), v);
}

}  // namespace
}  // namespace horalix
