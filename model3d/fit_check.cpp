#include "model3d/fit_check.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "measure/number_text.h"
#include "model3d/convex_clip.h"
#include "platform/json_text.h"

namespace varnloft {

namespace {

constexpr double kCubicInchesPerCubicFoot = 1728;
constexpr double kCubicCentimetresPerCubicFoot = 28316.846592;

// What the check needs of each piece, worked out once.
struct CheckedPiece {
  std::vector<ConvexSolid> parts;
  Box3 box;
  double largestFace = 0;
};

CheckedPiece Prepare(const ModelPiece& piece) {
  CheckedPiece c;
  for (const Outline& part : ConvexParts(piece.outline))
    c.parts.push_back(SolidOfMesh(ExtrudeOutline(part, piece.thickness, piece.placement)));
  c.box = MeshBounds(piece.mesh);
  double longestEdge = 0;
  const size_t n = piece.outline.size();
  for (size_t i = 0; i < n; ++i) {
    const Vec2 a = piece.outline[i], b = piece.outline[(i + 1) % n];
    longestEdge = std::max(longestEdge, std::hypot(b.x - a.x, b.y - a.y));
  }
  c.largestFace =
      std::max(std::fabs(SignedArea(piece.outline)), longestEdge * std::fabs(piece.thickness));
  return c;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string LengthText(double feet, const LengthSettings& lengths) {
  const float f = std::fabs(feet) <= FLT_MAX ? static_cast<float>(feet) : HUGE_VALF;
  return Trimmed(FormatLength(f, lengths));
}

// A volume as the lengths are shown: scaled as FormatLength scales a length.
std::string VolumeText(double cubicFeet, const LengthSettings& lengths) {
  double scale = 1;
  if (lengths.formatUnscaled && lengths.scaleFactor != 0) scale /= lengths.scaleFactor;
  if (lengths.modelScale) scale *= lengths.scaleFactor;
  const double v = cubicFeet * scale * scale * scale;
  if (lengths.imperialUnits)
    return FixedText(v * kCubicInchesPerCubicFoot, 2, 15) + " cubic inches";
  return FixedText(v * kCubicCentimetresPerCubicFoot, 1, 15) + " cm\xC2\xB3";
}

Vec3 CentreOf(const ConvexSolid& solid) {
  Box3 box;
  for (const Polygon3& f : solid)
    for (const Vec3& p : f) box.Add(p);
  return box.Centre();
}

// The overlap of two pieces: the volume they share and the centre of its largest part.
PieceOverlap Overlap(const CheckedPiece& a, const CheckedPiece& b) {
  PieceOverlap o;
  double largest = 0;
  for (const ConvexSolid& pa : a.parts) {
    for (const ConvexSolid& pb : b.parts) {
      const ConvexSolid shared = Intersection(pa, pb);
      const double v = std::max(0.0, SolidVolume(shared));
      o.volume += v;
      if (v > largest) {
        largest = v;
        o.where = CentreOf(shared);
      }
    }
  }
  return o;
}

double Component(const Vec3& v, int axis) {
  return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

// The names of the members with a piece reaching outside [low, high] along the axis.
std::string MembersBeyond(const TableModel& model, const std::vector<CheckedPiece>& checked,
                          int axis, double low, double high, double tolerance) {
  std::vector<std::string> names;
  for (size_t i = 0; i < checked.size(); ++i) {
    const bool beyond = Component(checked[i].box.min, axis) < low - tolerance ||
                        Component(checked[i].box.max, axis) > high + tolerance;
    const std::string& member = model.pieces[i].member;
    if (beyond && std::find(names.begin(), names.end(), member) == names.end())
      names.push_back(member);
  }
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string plural = "the ";
    for (char c : names[i])
      plural += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (names[i] != "Centre Support") plural += "s";
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + plural;
  }
  return text;
}

void CompareBox(const TableModel& model, const std::vector<CheckedPiece>& checked, const Box3& box,
                const LengthSettings& lengths, double tolerance,
                std::vector<std::string>& findings) {
  struct Axis {
    const char* size;   // "long"
    const char* named;  // "overall length"
    double nominal;
  };
  const Axis axes[] = {{"long", "overall length", model.overallLength},
                       {"wide", "overall width", model.overallWidth},
                       {"high", "table height", model.tableHeight}};
  for (int axis = 0; axis < 3; ++axis) {
    const double size = Component(box.Size(), axis);
    const double nominal = axes[axis].nominal;
    const std::string beyond = MembersBeyond(model, checked, axis, 0, nominal, tolerance);
    if (std::fabs(size - nominal) <= tolerance && beyond.empty()) continue;
    std::string text = "The model is " + LengthText(size, lengths) + " " + axes[axis].size;
    const double difference = size - nominal;
    if (std::fabs(difference) > tolerance) {
      text += ", " + LengthText(std::fabs(difference), lengths) +
              (difference > 0 ? " more" : " less") + " than the " + axes[axis].named + " of " +
              LengthText(nominal, lengths);
    } else {
      text += std::string(" as the ") + axes[axis].named + " says";
    }
    if (!beyond.empty()) {
      text += std::string(difference > tolerance ? ": " : ", but ") + beyond +
              (beyond == "the centre support" ? " reaches" : " reach") + " beyond it";
    }
    findings.push_back(text + ".");
  }
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

}  // namespace

double RoundingDepth(const TableModel& model) {
  const Vec3 size = model.Bounds().Size();
  const double extent = std::max({size.x, size.y, size.z, 1.0});
  return 1e-6 * extent;
}

FitReport CheckFit(const TableModel& model, const LengthSettings& lengths) {
  FitReport report;
  report.findings = model.notes;
  if (model.pieces.empty() && model.notes.empty())
    report.findings.emplace_back("The model has no pieces to check.");
  std::vector<CheckedPiece> checked;
  for (const ModelPiece& p : model.pieces) checked.push_back(Prepare(p));
  const double depth = RoundingDepth(model);
  bool volumesRight = true;

  for (size_t i = 0; i < model.pieces.size(); ++i) {
    const ModelPiece& p = model.pieces[i];
    const double expected = std::fabs(SignedArea(p.outline) * p.thickness);
    const double built = MeshVolume(p.mesh);
    if (!(std::fabs(built - expected) <= 1e-9 * expected + 1e-15)) {
      volumesRight = false;
      report.offending.push_back(static_cast<int>(i));
      report.findings.push_back(p.name + " holds " + VolumeText(built, lengths) +
                                " of wood, not its outline area times the thickness, " +
                                VolumeText(expected, lengths) + ".");
    }
  }

  bool unlisted = false;
  for (size_t i = 0; i < checked.size() && !unlisted; ++i) {
    for (size_t j = i + 1; j < checked.size() && !unlisted; ++j) {
      const double allowed = depth * std::max(checked[i].largestFace, checked[j].largestFace);
      if (OverlapVolume(checked[i].box, checked[j].box) <= allowed) continue;
      PieceOverlap o = Overlap(checked[i], checked[j]);
      if (o.volume <= allowed) continue;
      if (report.overlaps.size() == kMostOverlapsListed) {
        unlisted = true;
        report.findings.push_back("More pieces pass through each other than the " +
                                  std::to_string(kMostOverlapsListed) + " listed.");
        break;
      }
      o.a = static_cast<int>(i);
      o.b = static_cast<int>(j);
      o.nameA = model.pieces[i].name;
      o.nameB = model.pieces[j].name;
      for (int k : {o.a, o.b})
        if (std::find(report.offending.begin(), report.offending.end(), k) ==
            report.offending.end())
          report.offending.push_back(k);
      report.findings.push_back(o.nameA + " and " + o.nameB + " pass through each other: " +
                                VolumeText(o.volume, lengths) + " of wood in the same place, " +
                                LengthText(o.where.z, lengths) + " above the floor, " +
                                LengthText(o.where.y, lengths) + " from the front and " +
                                LengthText(o.where.x, lengths) + " from the left end.");
      report.overlaps.push_back(std::move(o));
    }
  }
  std::sort(report.offending.begin(), report.offending.end());

  const Box3 box = model.Bounds();
  report.boundingBox = box.Size();
  if (!model.pieces.empty()) {
    const double tolerance = 10 * depth;
    CompareBox(model, checked, box, lengths, tolerance, report.findings);
  }
  report.ok =
      !model.pieces.empty() && model.notes.empty() && volumesRight && report.overlaps.empty();
  return report;
}

std::string FitJson(const FitReport& report) {
  std::string json =
      std::string("{\"ok\": ") + (report.ok ? "true" : "false") + ", \"overlaps\": [";
  for (size_t i = 0; i < report.overlaps.size(); ++i) {
    const PieceOverlap& o = report.overlaps[i];
    json += (i ? ", " : "") + std::string("{\"a\": ") + JsonQuote(o.nameA) +
            ", \"b\": " + JsonQuote(o.nameB) + ", \"volume\": " + JsonNumber(o.volume) + "}";
  }
  const Vec3& b = report.boundingBox;
  json += "], \"bounding_box\": [" + JsonNumber(b.x) + ", " + JsonNumber(b.y) + ", " +
          JsonNumber(b.z) + "], \"findings\": [";
  for (size_t i = 0; i < report.findings.size(); ++i)
    json += (i ? ", " : "") + JsonQuote(report.findings[i]);
  return json + "]}";
}

}  // namespace varnloft
