// The strict JSON reader: what it accepts, where it says a text goes wrong, its limits, and the
// writer's numbers read back to the same double.
#include "platform/json_value.h"

#include <gtest/gtest.h>

#include <string>

namespace varnloft {
namespace {

std::string ErrorOf(const std::string& text, const JsonLimits& limits = {}) {
  const JsonParseResult r = ParseJson(text, limits);
  EXPECT_FALSE(r.value.has_value()) << text;
  return r.error;
}

TEST(JsonValue, ReadsEveryKindOfValue) {
  const JsonParseResult r = ParseJson(
      "\xEF\xBB\xBF{\"a\": [1, -2.5e1, 0, true, false, null],\n \"s\": "
      "\"x\\\"\\\\\\/\\b\\f\\n\\r\\t"
      "\\u00e9\\ud83d\\ude00\xC3\x97\", \"o\": {}}");
  ASSERT_TRUE(r.value) << r.error;
  const JsonValue& v = *r.value;
  ASSERT_TRUE(v.IsObject());
  const JsonValue& a = *v.Find("a");
  ASSERT_EQ(a.Items().size(), 6u);
  EXPECT_EQ(a.Items()[0].AsNumber(), 1);
  EXPECT_EQ(a.Items()[1].AsNumber(), -25);
  EXPECT_TRUE(a.Items()[3].AsBool());
  EXPECT_TRUE(a.Items()[4].IsBool());
  EXPECT_TRUE(a.Items()[5].IsNull());
  EXPECT_EQ(v.Find("s")->AsString(), "x\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80\xC3\x97");
  EXPECT_TRUE(v.Find("o")->IsObject());
  EXPECT_EQ(v.Find("missing"), nullptr);
}

TEST(JsonValue, SaysWhereTheTextGoesWrongByLineAndCharacter) {
  EXPECT_EQ(ErrorOf("{\"a\": 1,\n \"b\": 2,\n}"),
            "line 3, column 1: expected a key in double quotes");
  EXPECT_EQ(ErrorOf("[1 2]"), "line 1, column 4: expected ',' or ']'");
  // Columns count characters: the two-byte × is one column.
  EXPECT_EQ(ErrorOf("[\"\xC3\x97\", x]"), "line 1, column 7: expected a value");
  EXPECT_EQ(ErrorOf(""), "line 1, column 1: the text holds no value");
  EXPECT_EQ(ErrorOf("{} {}"), "line 1, column 4: unexpected text after the end of the value");
  EXPECT_EQ(ErrorOf("{\"k\": 1, \"k\": 2}"), "line 1, column 10: the key \"k\" appears twice");
  EXPECT_EQ(ErrorOf("\"abc"), "line 1, column 5: the text ends inside a string");
}

TEST(JsonValue, RefusesWhatIsNotStrictJson) {
  for (const char* text : {"[1,]",
                           "{'a': 1}",
                           "[NaN]",
                           "[Infinity]",
                           "[01]",
                           "[1.]",
                           "[.5]",
                           "[+1]",
                           "[1e]",
                           "[0x10]",
                           "// c\n1",
                           "[\"\t\"]",
                           "[\"\\x\"]",
                           "[\"\\ud800\"]",
                           "[\"\\udc00\"]",
                           "[\"\xC0\xAF\"]",
                           "[\"\xED\xA0\x80\"]",
                           "[\"\xF5\x80\x80\x80\"]",
                           "[\"\xE2\x82\"]",
                           "[1e400]",
                           "[1e-400]",
                           "tru",
                           "nul"}) {
    EXPECT_FALSE(ParseJson(text).value) << text;
  }
}

TEST(JsonValue, LimitsDepthAndSizeWithoutRecursingPastThem) {
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  EXPECT_EQ(ErrorOf(deep, {1 << 20, 64}),
            "line 1, column 65: lists and objects are nested deeper than 64 levels");
  EXPECT_TRUE(ParseJson(std::string(64, '[') + std::string(64, ']')).value);
  EXPECT_EQ(ErrorOf("[1, 2, 3]", {5, 64}), "the text is longer than 5 bytes");
}

TEST(JsonValue, WritesSeventeenSignificantDigitsThatReadBackExactly) {
  EXPECT_EQ(JsonNumber(8), "8");
  EXPECT_EQ(JsonNumber(4.25), "4.25");
  EXPECT_EQ(JsonNumber(7.48), "7.4800000000000004");
  EXPECT_EQ(JsonNumber(1.0 / 96), "0.010416666666666666");
  EXPECT_EQ(JsonNumber(0.0 / 0.0), "null");
  for (double v : {1.0 / 3, 2.7211110591888428, 1e-300, 6.02214076e23, -0.1}) {
    const JsonParseResult r = ParseJson("[" + JsonNumber(v) + "]");
    ASSERT_TRUE(r.value) << JsonNumber(v);
    EXPECT_EQ(r.value->Items()[0].AsNumber(), v);
  }
  const JsonValue object = JsonValue::Object(
      {{"a", JsonValue::Array({JsonValue::Number(1), JsonValue(), JsonValue::Boolean(true)})},
       {"b\"", JsonValue::String("\xC3\x97\n")}});
  EXPECT_EQ(WriteJson(object), "{\"a\": [1, null, true], \"b\\\"\": \"\xC3\x97\\n\"}");
  EXPECT_EQ(WriteJson(*ParseJson(WriteJson(object)).value), WriteJson(object));
}

}  // namespace
}  // namespace varnloft
