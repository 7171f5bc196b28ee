#include "measure/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "measure/errors.h"

namespace varnloft {
namespace {

TEST(ReadNumber, AcceptsPlainDecimals) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"6", 6},        {"  2.5  ", 2.5},     {"\t-1\t", -1},
      {"+3", 3},       {".5", 0.5},          {"5.", 5},
      {"-.25", -0.25}, {"1e3", 1000},        {"1E-3", 0.001},
      {"2.5e+2", 250}, {"007", 7},           {"1e-400", 0},
      {"0e999999", 0}, {"1.7e308", 1.7e308},
  };
  for (const auto& c : cases) {
    double value = -99;
    EXPECT_TRUE(TryReadNumber(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(ReadNumber(c.text), c.value) << c.text;
  }
}

TEST(ReadNumber, RefusesEverythingElse) {
  const char* cases[] = {"",         "  ",   "inf",   "nan",    "-inf",
                         "0x10",     "1,5",  ".",     "-",      "+",
                         "e5",       "1e",   "1e+",   "1.2.3",  "5 5",
                         "5ft",      "--1",  "1e400", "-1e400", "1e99999999999999999999",
                         "Infinity", "1 e3", "+-1"};
  for (const char* text : cases) {
    double value = 42;
    EXPECT_FALSE(TryReadNumber(text, value)) << text;
    EXPECT_EQ(value, 42) << "value changed for " << text;
    try {
      ReadNumber(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

// The C library's numeric locale switched to the test's own decimal-comma locale (compiled into
// the build tree from tests/measure/comma_locale/), and back when the test ends.
class CommaLocale {
 public:
  CommaLocale() {
    const char* path = std::getenv("LOCPATH");
    hadPath_ = path != nullptr;
    if (hadPath_) oldPath_ = path;
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    oldLocale_ = current ? current : "C";
    // glibc looks the locale up in LOCPATH at each setlocale call.
    setenv("LOCPATH", VARNLOFT_TEST_LOCALE_DIR, 1);
    active_ = std::setlocale(LC_NUMERIC, "comma_test") != nullptr;
  }
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, oldLocale_.c_str());
    if (hadPath_)
      setenv("LOCPATH", oldPath_.c_str(), 1);
    else
      unsetenv("LOCPATH");
  }
  bool active() const { return active_; }

 private:
  bool hadPath_ = false, active_ = false;
  std::string oldPath_, oldLocale_;
};

TEST(ReadNumber, IgnoresCommaLocale) {
  CommaLocale comma;
  ASSERT_TRUE(comma.active()) << "no locale comma_test in " VARNLOFT_TEST_LOCALE_DIR;
  // The C library now reads and writes decimal commas ...
  char written[16];
  std::snprintf(written, sizeof written, "%.1f", 1.5);
  ASSERT_STREQ(written, "1,5");
  ASSERT_EQ(std::strtod("1,5", nullptr), 1.5);
  // ... and the number texts do not follow it.
  double value = 0;
  EXPECT_TRUE(TryReadNumber("1.5", value));
  EXPECT_EQ(value, 1.5);
  EXPECT_FALSE(TryReadNumber("1,5", value));
  EXPECT_EQ(ReadNumber(" 1829.25 "), 1829.25);
  EXPECT_EQ(FixedText(1.5, 1, 15), "1.5");
  EXPECT_EQ(PlainDecimal(0.25), "0.25");
  EXPECT_EQ(PlainDecimal(-1.5e-7), "-1.5E-7");
}

TEST(PlainDecimal, ShortestTextThatReadsBack) {
  EXPECT_EQ(PlainDecimal(6), "6");
  EXPECT_EQ(PlainDecimal(0.25), "0.25");
  EXPECT_EQ(PlainDecimal(-1), "-1");
  EXPECT_EQ(PlainDecimal(5.5), "5.5");
  EXPECT_EQ(PlainDecimal(-0.0), "0");
  EXPECT_EQ(PlainDecimal(0.1), "0.1");
  EXPECT_EQ(PlainDecimal(1829), "1829");
  EXPECT_EQ(PlainDecimal(0.00001), "0.00001");
  EXPECT_EQ(PlainDecimal(123456789012345.0), "123456789012345");
  EXPECT_EQ(PlainDecimal(1e20), "1E+20");
  EXPECT_EQ(PlainDecimal(-1.5e-7), "-1.5E-7");
  EXPECT_EQ(PlainDecimal(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(PlainDecimal(-std::numeric_limits<double>::infinity()), "-INF");
  for (double v : {0.1 + 0.2, 1.0 / 3, 2.4583333f * 1.0, 1e-300, 1.7976931348623157e308}) {
    EXPECT_EQ(ReadNumber(PlainDecimal(v)), v) << PlainDecimal(v);
  }
}

TEST(FixedText, RoundsOnceHalfAwayFromZero) {
  const struct {
    double value;
    int decimals;
    int significant;
    const char* text;
  } cases[] = {
      {7.9999, 0, 15, "8"},     {5.5, 2, 15, "5.50"},
      {7.449, 1, 3, "7.4"},     {12345, 0, 4, "12350"},
      {0.0, 0, 15, "0"},        {0.0, 2, 15, "0.00"},
      {0.125, 2, 15, "0.13"},   {1.005, 2, 15, "1.00"},
      {-0.125, 2, 15, "-0.13"}, {-0.4, 0, 15, "0"},
      {-0.5, 0, 15, "-1"},      {2.5, 0, 15, "3"},
      {-7.449, 1, 3, "-7.4"},   {999.96, 1, 15, "1000.0"},
      {99999, 0, 4, "100000"},  {0.0004, 3, 15, "0.000"},
      {0.0005, 3, 15, "0.001"}, {0.00123456, 6, 2, "0.001200"},
      {749.3, 0, 15, "749"},    {1e20, 0, 4, "100000000000000000000"},
      {0.5, 0, 15, "1"},        {0.05, 1, 15, "0.1"},
      {0.25, 1, 15, "0.3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixedText(c.value, c.decimals, c.significant), c.text)
        << c.value << " D=" << c.decimals << " P=" << c.significant;
  }
  EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity(), 2, 15), "INF");
  EXPECT_EQ(FixedText(std::numeric_limits<double>::quiet_NaN(), 2, 15), "NAN");
}

TEST(GroupThousands, SeparatesGroupsOfThree) {
  EXPECT_EQ(GroupThousands(1829, ","), "1,829");
  EXPECT_EQ(GroupThousands(-1234567, ","), "-1,234,567");
  EXPECT_EQ(GroupThousands(0, ","), "0");
  EXPECT_EQ(GroupThousands(999, ","), "999");
  EXPECT_EQ(GroupThousands(100000, "."), "100.000");
  EXPECT_EQ(GroupThousands(LLONG_MIN, ","), "-9,223,372,036,854,775,808");
  EXPECT_EQ(GroupThousandsInText("-1234567.5000", ","), "-1,234,567.5000");
  EXPECT_EQ(GroupThousandsInText("123", ""), "123");
}

}  // namespace
}  // namespace varnloft
