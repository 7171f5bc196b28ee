// An object of very many keys is read in time linear in its size, and a repeated key among them
// is still found.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/json_value.h"

namespace varnloft {
namespace {

std::string ManyKeys(int count, const std::string& last) {
  std::string text = "{";
  for (int i = 0; i < count; ++i) text += "\"k" + std::to_string(i) + "\": 0, ";
  return text + "\"" + last + "\": 1}";
}

TEST(JsonManyKeys, ReadsAHundredThousandKeysQuickly) {
  const auto start = std::chrono::steady_clock::now();
  const JsonParseResult read = ParseJson(ManyKeys(100000, "end"), JsonLimits{4 << 20, 64});
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_TRUE(read.value) << read.error;
  EXPECT_EQ(read.value->Members().size(), 100001u);
  // Comparing every key with every other took half a minute; a set takes a fraction of this.
  EXPECT_LT(seconds, 5.0);

  const JsonParseResult repeated = ParseJson(ManyKeys(100000, "k99999"), JsonLimits{4 << 20, 64});
  EXPECT_FALSE(repeated.value);
  EXPECT_NE(repeated.error.find("the key \"k99999\" appears twice"), std::string::npos);
}

}  // namespace
}  // namespace varnloft
