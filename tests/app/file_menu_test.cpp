// The File menu on plain state: the unsaved-changes question and its three answers, saving to a
// place that cannot be written, New, and the window title's name and mark.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/file_commands.h"
#include "app/preset_commands.h"
#include "app/state_report.h"
#include "tests/app/scratch_folder.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

TEST(FileMenu, NewAsksAboutUnsavedChangesAndObeysTheAnswer) {
  ScratchFolder folder;
  StartedWindow s;
  const std::string builtIn = RecordJson(s.w.rec) + ControlsJson(s.w);
  s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); });

  s.prompts.answer = Answer::Cancel;
  s.Run([&] { s.w.files().NewDesign(); });
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].text, "Save changes to Untitled before closing?");
  EXPECT_EQ(s.prompts.shown[0].answer, "Cancel");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Tall Boy");

  // Save of an untitled design asks for a file; cancelling that dialog cancels New too.
  s.prompts.answer = Answer::Yes;
  int asked = 0;
  s.calls.askSaveDesignFile = [&](const std::string& proposed) {
    ++asked;
    EXPECT_EQ(proposed, "Untitled.varnloft");
    return std::string();
  };
  s.Run([&] { s.w.files().NewDesign(); });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Tall Boy");

  s.calls.askSaveDesignFile = [&](const std::string&) { return folder.File("tall.varnloft"); };
  s.Run([&] { s.w.files().NewDesign(); });
  EXPECT_EQ(s.prompts.shown.back().answer, "Save");
  EXPECT_TRUE(std::filesystem::exists(folder.File("tall.varnloft")));
  // New is the window as it started, designed again.
  EXPECT_EQ(RecordJson(s.w.rec) + ControlsJson(s.w), builtIn);
  EXPECT_EQ(s.w.DesignName(), "Untitled");
  EXPECT_FALSE(s.w.IsModified());

  // No changes: no question.
  const size_t shown = s.prompts.shown.size();
  s.Run([&] { s.w.files().NewDesign(); });
  EXPECT_EQ(s.prompts.shown.size(), shown);
}

TEST(FileMenu, OpenAsksFirstAndDiscardLetsTheChangesGo) {
  ScratchFolder folder;
  StartedWindow s;
  s.calls.askSaveDesignFile = [&](const std::string&) { return folder.File("a.varnloft"); };
  s.Run([&] { s.w.presets().ApplyPreset("BabyTable1"); });
  s.Run([&] { s.w.files().SaveDesignAs(); });
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  EXPECT_EQ(s.w.WindowTitle(),
            "   a.varnloft[*] - Tellwick Picnic Tables Varnloft       Monday,  December 7, 2026");

  int dialogs = 0;
  s.calls.askOpenDesignFile = [&] {
    ++dialogs;
    return folder.File("a.varnloft");
  };
  s.prompts.answer = Answer::Cancel;
  s.Run([&] { s.w.files().OpenDesign(); });
  EXPECT_EQ(dialogs, 0);  // Cancel: no file dialog
  EXPECT_EQ(s.prompts.shown.back().text, "Save changes to a.varnloft before closing?");
  EXPECT_FALSE(s.w.rec.ImperialUnits);

  s.prompts.answer = Answer::No;
  s.Run([&] { s.w.files().OpenDesign(); });
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(s.prompts.shown.back().answer, "Discard");
  EXPECT_TRUE(s.w.rec.ImperialUnits);  // the file as saved
  EXPECT_FALSE(s.w.IsModified());

  // Save with a file writes it without a dialog.
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  s.prompts.answer = Answer::Yes;
  EXPECT_TRUE(s.w.files().ConfirmCloseDesign());
  EXPECT_NE(ScratchFolder::Read(folder.File("a.varnloft")).find("\"measure\": \"metric\""),
            std::string::npos);
}

TEST(FileMenu, ASaveThatFailsSaysWhyAndKeepsTheMark) {
  ScratchFolder folder;
  StartedWindow s;
  std::string failure;
  s.calls.saveFailed = [&](const std::string& error) { failure = error; };
  s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); });
  // Tests run as root, which writes into read-only folders: a folder that cannot exist fails
  // for everyone, as does a missing one.
  const std::string notAFolder = folder.Write("plain-file", "x");
  for (const auto& [target, reason] :
       {std::pair{notAFolder + "/t.varnloft", std::string("Not a directory")},
        std::pair{folder.File("missing/t.varnloft"), std::string("No such file or directory")}}) {
    // A copy: the hook outlives the loop, and the window asks again when it closes.
    s.calls.askSaveDesignFile = [path = target](const std::string&) { return path; };
    EXPECT_FALSE(s.w.files().SaveDesignAs());
    const std::string expected =
        "Cannot save \"t.varnloft\": " + reason + ". The design is not saved.";
    EXPECT_EQ(s.prompts.shown.back().kind, "error");
    EXPECT_EQ(s.prompts.shown.back().text, expected);
    EXPECT_EQ(failure, expected);
    EXPECT_TRUE(s.w.IsModified());
    EXPECT_EQ(s.w.DesignName(), "Untitled");
  }
  // A failed save is a Cancel of the question: the window stays as it is.
  s.prompts.answer = Answer::Yes;
  EXPECT_FALSE(s.w.files().ConfirmCloseDesign());
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Tall Boy");
}

TEST(FileMenu, ASavedFileKeepsTheModeOfTheFileItReplaces) {
  ScratchFolder folder;
  StartedWindow s;
  std::string path = folder.Write("shared.varnloft", "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  s.calls.askSaveDesignFile = [&](const std::string&) { return path; };
  ASSERT_TRUE(s.w.files().SaveDesignAs());
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(ScratchFolder::Read(path).rfind("{\n  \"format\": \"varnloft-design\",", 0), 0u);
  // Nothing but the design is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FileMenu, TheTitleNamesTheFileAndMarksChanges) {
  StartedWindow s;
  EXPECT_EQ(s.w.WindowTitle(),
            "   Untitled[*] - Tellwick Picnic Tables Varnloft       Monday,  December 7, 2026");
  EXPECT_FALSE(s.w.IsModified());
  s.Run([&] { s.w.files().BoxTextEdited("overallLength.0", "9"); });
  EXPECT_TRUE(s.w.IsModified());  // while the user is still typing
}

}  // namespace
}  // namespace varnloft
