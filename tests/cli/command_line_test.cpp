// The driver's command line in-process: how it is split into actions and settings, and which
// actions are refused before the run starts (each refusal is a usage error: exit 2).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_session.h"

namespace varnloft {
namespace {

// The message of the usage error `run` throws, or a note that it threw none.
template <class F>
std::string UsageErrorOf(F run) {
  try {
    run();
  } catch (const UsageError& e) {
    return e.what();
  }
  return "(no usage error)";
}

std::string ParseError(const std::vector<std::string>& args) {
  return UsageErrorOf([&] { ParseCommandLine(args); });
}

TEST(ParseCommandLine, ActionsInOrderAndSettingsApart) {
  const CliOptions options =
      ParseCommandLine({"--type", "Edit17=4", "--now", "2026-12-07T09:05:07", "--design",
                        "--locale", "de_DE", "--save-plan", "a.png", "--metric", "--type",
                        "Edit1=--design", "--now", "2027-01-01T00:00:00"});
  EXPECT_FALSE(options.help);
  EXPECT_EQ(options.now, "2027-01-01T00:00:00");  // the last --now counts
  EXPECT_EQ(options.locale, "de_DE");
  ASSERT_EQ(options.actions.size(), 5u);
  const std::pair<std::string, std::string> expected[] = {{"--type", "Edit17=4"},
                                                          {"--design", ""},
                                                          {"--save-plan", "a.png"},
                                                          {"--metric", ""},
                                                          {"--type", "Edit1=--design"}};
  for (size_t i = 0; i < options.actions.size(); ++i) {
    EXPECT_EQ(options.actions[i].option, expected[i].first) << i;
    EXPECT_EQ(options.actions[i].argument, expected[i].second) << i;
  }
  EXPECT_TRUE(ParseCommandLine({}).actions.empty());
  EXPECT_TRUE(ParseCommandLine({"--design", "-h"}).help);
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}

TEST(ParseCommandLine, UnknownOptionsAndMissingArgumentsAreUsageErrors) {
  EXPECT_EQ(ParseError({"--bogus"}), "unknown option '--bogus' (see --help)");
  EXPECT_EQ(ParseError({"--design", "Edit1=5"}), "unknown option 'Edit1=5' (see --help)");
  EXPECT_EQ(ParseError({"a.varnloft", "b.varnloft"}), "unknown option 'b.varnloft' (see --help)");
  // Only the first argument may name a design file: it is opened as --open opens one.
  const CliOptions file = ParseCommandLine({"a.varnloft", "--design"});
  ASSERT_EQ(file.actions.size(), 2u);
  EXPECT_EQ(file.actions[0].option, "--open");
  EXPECT_EQ(file.actions[0].argument, "a.varnloft");
  EXPECT_TRUE(file.designFileArgument);
  EXPECT_FALSE(ParseCommandLine({"--design"}).designFileArgument);
  EXPECT_EQ(ParseError({"--design", "--type"}), "option --type needs an argument");
  EXPECT_EQ(ParseError({"--save-plan"}), "option --save-plan needs an argument");
  EXPECT_EQ(ParseError({"--ops"}), "option --ops needs an argument");
  EXPECT_EQ(ParseError({"--DESIGN"}), "unknown option '--DESIGN' (see --help)");
  // An option that takes no argument refuses one glued to it.
  EXPECT_EQ(ParseError({"--design=1"}), "unknown option '--design=1' (see --help)");
}

class Validation : public ::testing::Test {
 protected:
  Validation() : session(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}, LocaleTexts{}) {}

  std::string ErrorOf(const std::string& option, const std::string& argument = "") {
    return UsageErrorOf([&] { session.Validate({option, argument}); });
  }

  CliSession session;
};

TEST_F(Validation, BoxesMustExistAndChoicesBeListed) {
  EXPECT_EQ(ErrorOf("--type", "Edit29=1"), "unknown box 'Edit29'");
  EXPECT_EQ(ErrorOf("--type", "Edit0=1"), "unknown box 'Edit0'");
  EXPECT_EQ(ErrorOf("--type", "Edit01=1"), "unknown box 'Edit01'");
  EXPECT_EQ(ErrorOf("--type", "Label1=x"), "unknown box 'Label1'");
  EXPECT_EQ(ErrorOf("--type", "ComboBox10=2"), "unknown box 'ComboBox10'");
  EXPECT_EQ(ErrorOf("--type", "Edit1"), "--type needs BOX=TEXT, got 'Edit1'");
  EXPECT_EQ(ErrorOf("--type", "=5"), "--type needs BOX=TEXT, got '=5'");
  EXPECT_EQ(ErrorOf("--choose", "Edit1=5"), "unknown combo box 'Edit1'");
  EXPECT_EQ(ErrorOf("--choose", "ComboBox8=16"), "'16' is not in the list of ComboBox8");
  EXPECT_EQ(ErrorOf("--choose", "ComboBox1=2 x 6"), "'2 x 6' is not in the list of ComboBox1");
  EXPECT_EQ(ErrorOf("--answer", "maybe"), "--answer takes yes, no or cancel, not 'maybe'");
  EXPECT_EQ(ErrorOf("--thickness", "1.5"), "--thickness needs INCHES:SIXTEENTHS, got '1.5'");
  EXPECT_NE(ErrorOf("--preset", "Childrens Standard")
                .find("(two blanks), got 'Childrens "
                      "Standard'"),
            std::string::npos);

  // What the window has is accepted, the typed text whatever it is.
  for (const auto& [option, argument] :
       std::vector<std::pair<std::string, std::string>>{{"--type", "Edit1=7"},
                                                        {"--type", "Edit28=x=y"},
                                                        {"--type", "ComboBox9=\xFF"},
                                                        {"--choose", "ComboBox1=2 X 6"},
                                                        {"--preset", "Childrens  Standard"},
                                                        {"--thickness", ":"},
                                                        {"--answer", "cancel"},
                                                        {"--design", ""}}) {
    EXPECT_EQ(ErrorOf(option, argument), "(no usage error)") << option << " " << argument;
  }
}

TEST_F(Validation, FilesMustNameTheirFormat) {
  EXPECT_EQ(ErrorOf("--save-plan", "x.jpg"), "--save-plan writes .bmp or .png files, not 'x.jpg'");
  EXPECT_EQ(ErrorOf("--save-plan", "plan"), "--save-plan writes .bmp or .png files, not 'plan'");
  EXPECT_EQ(ErrorOf("--save-view", "view.png.txt"),
            "--save-view writes .png or .bmp files, not 'view.png.txt'");
  EXPECT_EQ(ErrorOf("--print-pdf", "x.ps"), "--print-pdf writes .pdf files, not 'x.ps'");
  // The plans and the pictures agree: a name that is only an extension is a hidden file with
  // none, wherever it is.
  EXPECT_EQ(ErrorOf("--save-plan", ".png"), "--save-plan writes .bmp or .png files, not '.png'");
  EXPECT_EQ(ErrorOf("--save-view", ".png"), "--save-view writes .png or .bmp files, not '.png'");
  EXPECT_EQ(ErrorOf("--save-angles", "out/.bmp"),
            "--save-angles writes .png or .bmp files, not 'out/.bmp'");
  EXPECT_EQ(ErrorOf("--print-pdf", "out/.pdf"), "--print-pdf writes .pdf files, not 'out/.pdf'");
  // Bytes beyond ASCII are compared safely and never taken for letters.
  EXPECT_EQ(ErrorOf("--save-plan", "plan.\xD0\xA0NG"),
            "--save-plan writes .bmp or .png files, not 'plan.\xD0\xA0NG'");

  for (const auto& [option, argument] :
       std::vector<std::pair<std::string, std::string>>{{"--save-plan", "plan.PNG"},
                                                        {"--save-plan", "out.d/Plan.Bmp"},
                                                        {"--save-plan",
                                                         "\xC3\x9C"
                                                         "bersicht.bmp"},
                                                        {"--save-view", "v.png"},
                                                        {"--save-angles", "a.BMP"},
                                                        {"--print-pdf", "Plans.PDF"},
                                                        {"--page", "a4"}}) {
    EXPECT_EQ(ErrorOf(option, argument), "(no usage error)") << option << " " << argument;
  }
}

TEST_F(Validation, WindowSizesPagesAndOpsFiles) {
  EXPECT_EQ(ErrorOf("--page", "a3"), "--page takes a4 or letter, not 'a3'");
  EXPECT_EQ(ErrorOf("--page", "A4"), "--page takes a4 or letter, not 'A4'");
  EXPECT_EQ(ErrorOf("--ops", "plans=x"),
            "--ops knows view, angles, plan, print and materials, not 'plans'");
  EXPECT_EQ(ErrorOf("--ops", "view="), "--ops needs WHAT=FILE, got 'view='");
  EXPECT_EQ(ErrorOf("--ops", "view"), "--ops needs WHAT=FILE, got 'view'");
  const std::string sizeError = "--window needs WxH with W from 9 and H from 301 to 20000, got '";
  for (const char* bad :
       {"8x740", "1024x300", "20001x740", "1024x740 ", "1024X740", "-5x400", "1024x", "x740", ""})
    EXPECT_EQ(ErrorOf("--window", bad), sizeError + bad + "'") << bad;
  EXPECT_EQ(ErrorOf("--window", "9x301"), "(no usage error)");
  EXPECT_EQ(ErrorOf("--window", "20000x20000"), "(no usage error)");
  EXPECT_EQ(ErrorOf("--ops", "print=p.ops"), "(no usage error)");
}

}  // namespace
}  // namespace varnloft
