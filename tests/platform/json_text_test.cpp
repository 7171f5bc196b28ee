// JSON quoting of the driver's texts: escapes, UTF-8 passed through, and every ill-formed
// UTF-8 sequence replaced by U+FFFD, one for each maximal subpart.
#include "platform/json_text.h"

#include <gtest/gtest.h>

#include "platform/recording_canvas.h"

namespace varnloft {
namespace {

const std::string kFffd = "\xEF\xBF\xBD";  // U+FFFD

// The quoted text without its quotes.
std::string Inside(const std::string& text) {
  const std::string quoted = JsonQuote(text);
  EXPECT_GE(quoted.size(), 2u);
  EXPECT_EQ(quoted.front(), '"');
  EXPECT_EQ(quoted.back(), '"');
  return quoted.substr(1, quoted.size() - 2);
}

TEST(JsonQuote, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonQuote(""), "\"\"");
  EXPECT_EQ(JsonQuote("5   1/2\" "), "\"5   1/2\\\" \"");
  EXPECT_EQ(Inside("a\\b"), "a\\\\b");
  EXPECT_EQ(Inside("line\nnext\r\tend"), "line\\nnext\\r\\tend");
  EXPECT_EQ(Inside(std::string("\x01\x1f", 2)), "\\u0001\\u001f");
  EXPECT_EQ(Inside(std::string(1, '\0')), "\\u0000");
  EXPECT_EQ(Inside("\x7f/"), "\x7f/");  // DEL and the slash need no escape
}

TEST(JsonQuote, PassesWellFormedUtf8Through) {
  for (const std::string text : {
           "Dezember",
           "\xC2\xA0",                   // U+00A0, the smallest two-byte character
           "\xDF\xBF",                   // U+07FF
           "f\xC3\xBCr 3 \xE2\x80\x9D",  // "für 3 ”"
           "\xE0\xA0\x80",               // U+0800, the smallest three-byte character
           "\xED\x9F\xBF",               // U+D7FF, just below the surrogates
           "\xEE\x80\x80",               // U+E000, just above them
           "\xEF\xBF\xBD\xEF\xBF\xBF",   // U+FFFD and U+FFFF
           "\xF0\x90\x80\x80",           // U+10000, the smallest four-byte character
           "\xF0\x9F\xAA\xB5",           // U+1FAB5, wood
           "\xF4\x8F\xBF\xBF",           // U+10FFFF, the largest code point
       }) {
    EXPECT_EQ(Inside(text), text);
  }
}

TEST(JsonQuote, ReplacesBytesThatStartNoCharacter) {
  EXPECT_EQ(Inside("\xFF"), kFffd);
  EXPECT_EQ(Inside("a\x80z"), "a" + kFffd + "z");  // a continuation byte without a lead
  EXPECT_EQ(Inside("\xBF\xBF"), kFffd + kFffd);
  EXPECT_EQ(Inside("\xC0\xC1"), kFffd + kFffd);  // leads that could only start overlongs
  EXPECT_EQ(Inside("\xF5\xF8\xFC\xFE"), kFffd + kFffd + kFffd + kFffd);
  // A stray byte before a quote does not swallow it.
  EXPECT_EQ(Inside("\xE2\""), kFffd + "\\\"");
}

TEST(JsonQuote, ReplacesATruncatedSequenceOnce) {
  EXPECT_EQ(Inside("\xC3"), kFffd);
  EXPECT_EQ(Inside("\xE2\x80"), kFffd);
  EXPECT_EQ(Inside("\xF0\x9F\xAA"), kFffd);
  // Cut short by an ASCII byte, which is then read as itself.
  EXPECT_EQ(Inside("\xE2\x80"
                   "5"),
            kFffd + "5");
  EXPECT_EQ(Inside("\xF0\x9F"
                   "ab"),
            kFffd + "ab");
  // Cut short by the lead of a whole character, which is kept.
  EXPECT_EQ(Inside("\xE2\xC3\xBC"), kFffd + "\xC3\xBC");
  EXPECT_EQ(Inside("\xF4\x8F\xBF\xF4\x8F\xBF\xBF"), kFffd + "\xF4\x8F\xBF\xBF");
}

TEST(JsonQuote, ReplacesOverlongsSurrogatesAndCodePointsBeyondUnicode) {
  // Overlong forms: the lead's second byte is out of range, so lead and each following
  // continuation byte are replaced one by one.
  EXPECT_EQ(Inside("\xC0\xAF"), kFffd + kFffd);              // '/' in two bytes
  EXPECT_EQ(Inside("\xE0\x80\xAF"), kFffd + kFffd + kFffd);  // '/' in three bytes
  EXPECT_EQ(Inside("\xE0\x9F\xBF"), kFffd + kFffd + kFffd);  // U+07FF in three bytes
  EXPECT_EQ(Inside("\xF0\x8F\xBF\xBF"), std::string() + kFffd + kFffd + kFffd + kFffd);
  // Surrogates U+D800 and U+DFFF.
  EXPECT_EQ(Inside("\xED\xA0\x80"), kFffd + kFffd + kFffd);
  EXPECT_EQ(Inside("\xED\xBF\xBF"), kFffd + kFffd + kFffd);
  // U+110000 and a five-byte form.
  EXPECT_EQ(Inside("\xF4\x90\x80\x80"), std::string() + kFffd + kFffd + kFffd + kFffd);
  EXPECT_EQ(Inside("\xF8\x88\x80\x80\x80"), std::string() + kFffd + kFffd + kFffd + kFffd + kFffd);
}

TEST(JsonQuote, TheUnicodeExampleOfMaximalSubparts) {
  // The example of the Unicode Standard (U+FFFD substitution of maximal subparts):
  // 61 F1 80 80 E1 80 C2 62 80 63 80 BF 64 reads as a, three U+FFFD, b, one, c, two, d.
  const std::string ill = "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64";
  EXPECT_EQ(Inside(ill), "a" + kFffd + kFffd + kFffd + "b" + kFffd + "c" + kFffd + kFffd + "d");
}

TEST(JsonQuote, CanvasTracesQuoteTheirTextsTheSameWay) {
  RecordingCanvas canvas(100, 100);
  canvas.SetFontName(
      "Ari\xFF"
      "al");
  canvas.TextOut(1, 2, "\"6\xE2\x80\x9D\xC3\"");
  ASSERT_EQ(canvas.Ops().size(), 2u);
  EXPECT_EQ(OpToJson(canvas.Ops()[0]),
            "{\"op\":\"font\",\"name\":\"Ari" + kFffd + "al\",\"size\":10,\"color\":\"#000000\"}");
  EXPECT_EQ(OpToJson(canvas.Ops()[1]),
            "{\"op\":\"text\",\"x\":1,\"y\":2,\"text\":\"\\\"6\xE2\x80\x9D" + kFffd + "\\\"\"}");
}

}  // namespace
}  // namespace varnloft
