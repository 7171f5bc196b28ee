// File names: lower-case ASCII of any byte, and the extension that picks a file's format.
#include "platform/file_name.h"

#include <gtest/gtest.h>

namespace varnloft {
namespace {

TEST(AsciiLower, ChangesOnlyTheCapitalLetters) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const char expected = b >= 'A' && b <= 'Z' ? static_cast<char>(b + 32) : c;
    EXPECT_EQ(AsciiLower(c), expected) << b;
  }
}

TEST(FileExtension, TheLastComponentsLastDotInLowerCase) {
  EXPECT_EQ(FileExtension("plan.png"), ".png");
  EXPECT_EQ(FileExtension("Plan.PNG"), ".png");
  EXPECT_EQ(FileExtension("/tmp/out/plan.Bmp"), ".bmp");
  EXPECT_EQ(FileExtension("plan.bmp.png"), ".png");
  EXPECT_EQ(FileExtension("plan.png.txt"), ".txt");
  EXPECT_EQ(FileExtension("Adult Standard Size Table.bmp"), ".bmp");
  EXPECT_EQ(FileExtension("a/.hidden/plan.pdf"), ".pdf");
  // Bytes of UTF-8 characters pass unchanged; only ASCII letters are lowered.
  EXPECT_EQ(FileExtension("Tisch.\xC3\x9C"
                          "B"),
            ".\xC3\x9C"
            "b");
  EXPECT_EQ(FileExtension("plan.\xFF"), ".\xFF");
}

TEST(FileExtension, NoneForNamesWithoutOne) {
  EXPECT_EQ(FileExtension(""), "");
  EXPECT_EQ(FileExtension("plan"), "");
  EXPECT_EQ(FileExtension("plan."), "");
  EXPECT_EQ(FileExtension("out.d/plan"), "");  // the dot belongs to the folder
  // A name that starts with its only dot is a hidden file, as a desktop shows it.
  EXPECT_EQ(FileExtension(".png"), "");
  EXPECT_EQ(FileExtension("/tmp/.png"), "");
  EXPECT_EQ(FileExtension("out/.pdf"), "");
  EXPECT_EQ(FileExtension(".hidden.png"), ".png");
  EXPECT_EQ(FileExtension("."), "");
  EXPECT_EQ(FileExtension(".."), "");
  EXPECT_EQ(FileExtension("/"), "");
}

TEST(EndsWithNoCase, ComparesAsciiLettersWithoutCaseAndNeedsAName) {
  EXPECT_TRUE(EndsWithNoCase("Plan.PDF", ".pdf"));
  EXPECT_TRUE(EndsWithNoCase("dir/plan.Svg", ".svg"));
  EXPECT_FALSE(EndsWithNoCase(".pdf", ".pdf"));  // nothing before the extension
  EXPECT_FALSE(EndsWithNoCase("plan.pdf.txt", ".pdf"));
  EXPECT_FALSE(EndsWithNoCase("pdf", ".pdf"));
  // Bytes of UTF-8 characters (negative as char) are compared as they are, not lowered.
  EXPECT_TRUE(EndsWithNoCase("Pl\xC3\x89.PNG", "\xC3\x89.png"));
  EXPECT_FALSE(EndsWithNoCase("Pl\xC3\x89.png", "\xC3\xA9.png"));
}

}  // namespace
}  // namespace varnloft
