#include "cli/view_actions.h"

#include <cstdio>

#include "app/design_commands.h"
#include "design/angle_report.h"
#include "drawing/design_view.h"
#include "platform/atomic_write.h"
#include "platform/qt/image_file.h"

namespace varnloft {

namespace {

constexpr int kFrameWidth = 8;     // window width less the picture's width
constexpr int kFrameHeight = 300;  // title, menu, input panel and status bar above and below

}  // namespace

CliPictures::CliPictures(MainWindow& window)
    : view(1024 - kFrameWidth, 740 - kFrameHeight), angles(518, 237), window_(window) {
  SetWindowSize(1024, 740);
}

void CliPictures::DrawView() {
  view.Draw(
      [this](Canvas& canvas) {
        DrawDesignView(window_.rec, canvas, window_.form.windowWidth, window_.form.windowHeight);
      },
      &viewOps);
}

void CliPictures::DrawAngles() {
  angles.Draw([this](Canvas& canvas) { DrawAngleReport(window_.rec, canvas); }, &angleOps);
}

void CliPictures::SetWindowSize(int width, int height) {
  window_.form.windowWidth = width;
  window_.form.windowHeight = height;
  view.SetSize(width - kFrameWidth, height - kFrameHeight);
}

void CliPictures::AddOpsFile(const std::string& what, const std::string& file) {
  opsFiles_[what] = file;
}

bool CliPictures::WriteOpsFiles(std::string& error) const {
  for (const auto& [what, file] : opsFiles_) {
    const RecordingCanvas* ops = what == "view" ? &viewOps : what == "angles" ? &angleOps : nullptr;
    if (!ops) continue;
    if (std::string why = WriteFileAtomically(file, ops->ToJsonLines()); !why.empty())
      AddWriteError(error, CannotWrite(file, why));
  }
  return error.empty();
}

const std::vector<std::string>& ViewOptionsWithArgument() {
  static const std::vector<std::string> options = {"--window", "--save-view", "--save-angles",
                                                   "--ops"};
  return options;
}

const std::vector<std::string>& ViewOptionsWithoutArgument() {
  static const std::vector<std::string> options = {"--exterior", "--interior"};
  return options;
}

bool ParseWindowSize(const std::string& text, int& width, int& height) {
  int w = 0, h = 0, used = 0;
  if (std::sscanf(text.c_str(), "%5dx%5d%n", &w, &h, &used) != 2 ||
      used != static_cast<int>(text.size()))
    return false;
  // The picture area must keep at least one pixel each way.
  if (w <= kFrameWidth || h <= kFrameHeight || w > 20000 || h > 20000) return false;
  width = w;
  height = h;
  return true;
}

void ValidateViewAction(const CliAction& action) {
  if (action.option == "--window") {
    int w, h;
    if (!ParseWindowSize(action.argument, w, h))
      throw UsageError("--window needs WxH with W from 9 and H from 301 to 20000, got '" +
                       action.argument + "'");
  } else if (action.option == "--save-view" || action.option == "--save-angles") {
    if (!ImageFormatFor(action.argument))
      throw UsageError(action.option + " writes .png or .bmp files, not '" + action.argument + "'");
  } else if (action.option == "--ops") {
    auto eq = action.argument.find('=');
    const std::string what = action.argument.substr(0, eq);
    if (eq == std::string::npos || eq + 1 == action.argument.size())
      throw UsageError("--ops needs WHAT=FILE, got '" + action.argument + "'");
    if (what != "view" && what != "angles" && what != "plan" && what != "print")
      throw UsageError("--ops knows view, angles, plan, print and materials, not '" + what + "'");
  }
}

bool ApplyViewAction(MainWindow& window, CliPictures& pictures, const CliAction& action,
                     std::string& error) {
  if (action.option == "--exterior" || action.option == "--interior") {
    if (!window.form.mainWindowEnabled) return true;
    const char* button = action.option == "--exterior" ? "exteriorSupports" : "interiorSupports";
    window.HandleUserEvent([&] { window.design().ClickSupportSide(button); });
  } else if (action.option == "--window") {
    int w = 0, h = 0;
    ParseWindowSize(action.argument, w, h);
    pictures.SetWindowSize(w, h);
  } else if (action.option == "--save-view" || action.option == "--save-angles") {
    const Picture& picture = action.option == "--save-view" ? pictures.view : pictures.angles;
    const std::string failure =
        SaveImageFile(picture.Image(), QString::fromStdString(action.argument));
    if (error.empty()) error = failure;  // the first file that could not be written
  } else if (action.option == "--ops") {
    auto eq = action.argument.find('=');
    pictures.AddOpsFile(action.argument.substr(0, eq), action.argument.substr(eq + 1));
  } else {
    return false;
  }
  return true;
}

}  // namespace varnloft
