#include "services/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace horalix {
namespace {

TEST(NumberText, ShortestFormHasTheFewestDigitsAndTheShorterLayout) {
  EXPECT_EQ(shortestNumberText(0.1), "0.1");
  EXPECT_EQ(shortestNumberText(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(shortestNumberText(123456.0), "123456");
  EXPECT_EQ(shortestNumberText(1e6), "1e+06");            // shorter than 1000000
  EXPECT_EQ(shortestNumberText(0.0001234), "0.0001234");  // a tie goes to the fixed layout
  EXPECT_EQ(shortestNumberText(1e-5), "1e-05");
  EXPECT_EQ(shortestNumberText(-2.5), "-2.5");
  EXPECT_EQ(shortestNumberText(-0.0), "-0");
  // A whole number written in full shows its exact digits, not zeros past the 17th.
  EXPECT_EQ(shortestNumberText(std::ldexp(1.0, 60)), "1152921504606846976");
  // Next to a power of two the nearest 16 digits do not read back; the ones above do.
  EXPECT_EQ(shortestNumberText(std::ldexp(1.0, -24)), "5.960464477539063e-08");
  EXPECT_EQ(shortestNumberText(1.7976931348623157e308), "1.7976931348623157e+308");
}

TEST(NumberText, GeneralAndWholeForms) {
  EXPECT_EQ(generalNumberText(1.0 / 3, 15), "0.333333333333333");
  EXPECT_EQ(generalNumberText(1e15, 15), "1e+15");
  EXPECT_EQ(generalNumberText(123456789012345.0, 15), "123456789012345");
  EXPECT_EQ(wholeNumberText(2.5), "2");  // rounds to even, as printf does
  EXPECT_EQ(wholeNumberText(1e20), "100000000000000000000");
}

TEST(NumberText, DecimalTextReadsAsTheNearestDouble) {
  EXPECT_EQ(decimalTextValue("0.1"), 0.1);
  EXPECT_EQ(decimalTextValue("-12.5e3"), -12500.0);
  // Halfway between two doubles the even one is taken; a digit past the 17th decides.
  EXPECT_EQ(decimalTextValue("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(decimalTextValue("9007199254740993.0000000000000001"), 9007199254740994.0);
  // The ends of the range: the largest double, infinity just past it, the smallest denormal and
  // zero just below half of it.
  EXPECT_EQ(decimalTextValue("1.7976931348623158e308"), 1.7976931348623157e308);
  EXPECT_EQ(decimalTextValue("-1.7976931348623159e308"), -HUGE_VAL);
  EXPECT_EQ(decimalTextValue("2.4703282292062328e-324"), std::ldexp(1.0, -1074));
  EXPECT_EQ(decimalTextValue("2.4703282292062327e-324"), 0.0);
}

}  // namespace
}  // namespace horalix
