#pragma once
// The driver's pictures: the design view and the angle report drawn as the program draws them,
// saved as bitmaps on request, and their canvas calls written as --ops files at the end.
#include <map>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"
#include "platform/qt/picture.h"
#include "platform/recording_canvas.h"

namespace varnloft {

class CliPictures {
 public:
  // The window starts at 1024 x 740.
  explicit CliPictures(MainWindow& window);

  // The main window's picture and the angle report, drawn from the last design.
  void DrawView();
  void DrawAngles();

  // The main window's outer size; its picture area is (W - 8) x (H - 300).
  void SetWindowSize(int width, int height);

  // Remembers that the last drawing of WHAT ("view", "angles") goes to FILE at the end.
  void AddOpsFile(const std::string& what, const std::string& file);
  // Writes every --ops file; false (with a message) when one cannot be written.
  bool WriteOpsFiles(std::string& error) const;

  Picture view;
  Picture angles;
  RecordingCanvas viewOps;
  RecordingCanvas angleOps;

 private:
  MainWindow& window_;
  std::map<std::string, std::string> opsFiles_;
};

const std::vector<std::string>& ViewOptionsWithArgument();
const std::vector<std::string>& ViewOptionsWithoutArgument();

// Throws UsageError for a bad size, file extension or ops name.
void ValidateViewAction(const CliAction& action);
// Runs a view action; returns false when the action is not one of these. A bitmap that cannot
// be written is reported through `error`.
bool ApplyViewAction(MainWindow& window, CliPictures& pictures, const CliAction& action,
                     std::string& error);

// "1024x740" -> width and height; false when the text is not such a size.
bool ParseWindowSize(const std::string& text, int& width, int& height);

}  // namespace varnloft
