#include "cli/model3d_actions.h"

#include <QImage>
#include <charconv>
#include <cmath>

#include "model3d/build_table_model.h"
#include "model3d/fit_check.h"
#include "model3d/model_files.h"
#include "model3d/table_renderer.h"
#include "platform/atomic_write.h"
#include "platform/file_name.h"
#include "platform/qt/image_file.h"

namespace varnloft {

namespace {

constexpr int kLargestSide = 8192;
constexpr long long kMostPixels = 4096LL * 4096;

bool IsModelName(const std::string& file) {
  return EndsWithNoCase(file, ".obj") || EndsWithNoCase(file, ".stl") ||
         EndsWithNoCase(file, ".glb");
}

// A whole number or a decimal in C notation, whatever the locale.
bool ParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && std::isfinite(value);
}

std::string NoTable(const std::string& file) {
  return "cannot write " + file + ": the last calculation failed, so there is no table";
}

std::string WriteText(const std::string& file, const std::string& text) {
  const std::string why = WriteFileAtomically(file, text);
  return why.empty() ? "" : CannotWrite(file, why);
}

}  // namespace

bool CliModel3d::Apply(const CliAction& action) {
  if (action.option == "--export-3d") {
    models_.push_back(action.argument);
  } else if (action.option == "--save-3d") {
    pictures_.push_back(action.argument);
  } else if (action.option == "--fit") {
    fits_.push_back(action.argument);
  } else if (action.option == "--size-3d") {
    ParsePictureSize(action.argument, width_, height_);
  } else if (action.option == "--camera") {
    ParseCamera(action.argument, azimuth_, elevation_);
  } else {
    return false;
  }
  return true;
}

bool CliModel3d::WriteFiles(std::string& error) const {
  if (models_.empty() && pictures_.empty() && fits_.empty()) return true;
  const DesignRecord& rec = window_.rec;
  const TableModel model = BuildTableModel(rec);
  const FitReport fit = CheckFit(model, rec.Lengths());
  std::vector<std::string> errors;

  for (const std::string& file : fits_) {
    std::string e = WriteText(file, FitJson(fit) + "\n");
    if (!e.empty()) errors.push_back(e);
  }
  for (const std::string& file : models_) {
    if (rec.LastCalculationFailed) {
      errors.push_back(NoTable(file));
      continue;
    }
    std::string e = WriteModelFile(model, file);
    if (!e.empty()) errors.push_back(e);
  }
  if (!pictures_.empty()) {
    OrbitCamera camera;
    camera.azimuth = azimuth_;
    camera.elevation = elevation_;
    camera.FitView(model.Bounds(), width_, height_);
    RenderOptions options;
    options.marked = fit.offending;
    RenderTarget target;
    target.Resize(width_, height_);
    RenderTable(model, camera, options, target);
    const QImage image(reinterpret_cast<const uchar*>(target.rgba.data()), target.width,
                       target.height, static_cast<qsizetype>(target.width) * 4,
                       QImage::Format_RGBX8888);
    for (const std::string& file : pictures_) {
      if (rec.LastCalculationFailed) {
        errors.push_back(NoTable(file));
        continue;
      }
      std::string e = SaveImageFile(image, QString::fromStdString(file));
      if (!e.empty()) errors.push_back(e);
    }
  }
  for (const std::string& e : errors) AddWriteError(error, e);
  return errors.empty();
}

const std::vector<std::string>& Model3dOptionsWithArgument() {
  static const std::vector<std::string> options = {"--export-3d", "--save-3d", "--size-3d",
                                                   "--camera", "--fit"};
  return options;
}

bool ParsePictureSize(const std::string& text, int& width, int& height) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  int w = 0, h = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto first = std::from_chars(begin, begin + x, w);
  const auto second = std::from_chars(begin + x + 1, end, h);
  if (first.ec != std::errc() || first.ptr != begin + x || second.ec != std::errc() ||
      second.ptr != end)
    return false;
  if (w < 16 || h < 16 || w > kLargestSide || h > kLargestSide ||
      static_cast<long long>(w) * h > kMostPixels)
    return false;
  width = w;
  height = h;
  return true;
}

bool ParseCamera(const std::string& text, double& azimuth, double& elevation) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return false;
  double a = 0, e = 0;
  if (!ParseNumber(text.substr(0, comma), a) || !ParseNumber(text.substr(comma + 1), e) ||
      std::fabs(e) > 90)
    return false;
  azimuth = a;
  elevation = e;
  return true;
}

void ValidateModel3dAction(const CliAction& action) {
  const std::string& arg = action.argument;
  if (action.option == "--export-3d") {
    if (!IsModelName(arg))
      throw UsageError("--export-3d writes .obj, .stl or .glb files, not '" + arg + "'");
  } else if (action.option == "--save-3d") {
    if (!EndsWithNoCase(arg, ".png"))
      throw UsageError("--save-3d writes .png files, not '" + arg + "'");
  } else if (action.option == "--fit") {
    if (arg.empty()) throw UsageError("--fit needs a file name");
  } else if (action.option == "--size-3d") {
    int w, h;
    if (!ParsePictureSize(arg, w, h))
      throw UsageError(
          "--size-3d needs WxH, each 16 to 8192 and at most 4096 x 4096 pixels "
          "in all, got '" +
          arg + "'");
  } else if (action.option == "--camera") {
    double a, e;
    if (!ParseCamera(arg, a, e))
      throw UsageError(
          "--camera needs AZIMUTH,ELEVATION in degrees, the elevation from -90 to "
          "90, got '" +
          arg + "'");
  }
}

}  // namespace varnloft
