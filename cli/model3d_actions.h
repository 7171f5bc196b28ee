#pragma once
// The driver's 3D files: the model of the final design exported as OBJ, STL or glb, its picture
// drawn by the software renderer into a PNG file, and its fit check written as JSON. Like the
// --ops files they are written after the run's last action, once the JSON document is out.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"

namespace varnloft {

class CliModel3d {
 public:
  explicit CliModel3d(const MainWindow& window) : window_(window) {}

  // Takes a 3D action; false when the action is not one of these.
  bool Apply(const CliAction& action);

  // Writes every file asked for from the record as it stands; false with a message for the
  // first file that could not be written (the others are still written).
  bool WriteFiles(std::string& error) const;

 private:
  const MainWindow& window_;
  std::vector<std::string> models_, pictures_, fits_;
  int width_ = 1024, height_ = 768;
  double azimuth_ = -35, elevation_ = 25;
};

const std::vector<std::string>& Model3dOptionsWithArgument();

// Throws UsageError for a file name of another type, a bad size or a bad camera.
void ValidateModel3dAction(const CliAction& action);

// "1024x768" -> width and height, each 16 to 8192 and together at most 4096 x 4096 pixels.
bool ParsePictureSize(const std::string& text, int& width, int& height);
// "-35,25" -> azimuth (any) and elevation (-90 to 90), degrees.
bool ParseCamera(const std::string& text, double& azimuth, double& elevation);

}  // namespace varnloft
