#include "model3d/assembly_picture.h"

#include <algorithm>
#include <cmath>

#include "model3d/orbit_camera.h"
#include "model3d/painting_order.h"
#include "model3d/render_target.h"
#include "model3d/shading.h"
#include "model3d/table_renderer.h"

namespace varnloft {

namespace {

constexpr Rgb kLeaderColour{70, 70, 70};
constexpr Rgb kLabelColour{0, 0, 0};

// Label widths are estimated from the font size: the canvas cannot measure text, and an
// estimate on the wide side only leaves a little more room between label and drawing.
constexpr double kCharacterWidth = 0.58;  // of the font's height in pixels, for Arial
constexpr double kRowSpacing = 1.45;      // label rows, in font heights

struct Face {
  int piece = 0;
  int face = 0;
  double depth = 0;  // of its centre, along the view
  std::vector<CanvasPoint> corners;
};

struct Label {
  int piece = 0;
  CanvasPoint anchor;  // where the leader points: a visible point of the piece
  double width = 0;    // estimated, pixels
  double top = 0;      // of the text, once laid out
};

double FontPixels(const AssemblyPictureOptions& o) {
  return std::max(1.0, o.fontSize * o.dotsPerInch / 72.0);
}

// The camera's picture is the frame less the two label columns.
struct Layout {
  double columnWidth = 0, gap = 0;
  PictureFrame drawing;
};

Layout LayOut(const TableModel& model, const PictureFrame& frame, const AssemblyPictureOptions& o) {
  size_t longest = 0;
  for (const ModelPiece& p : model.pieces) longest = std::max(longest, p.name.size());
  Layout layout;
  layout.columnWidth = std::min(longest * kCharacterWidth * FontPixels(o) + 2, frame.width * 0.25);
  layout.gap = std::min(FontPixels(o) * 2, frame.width * 0.05);
  const double side = layout.columnWidth + layout.gap;
  layout.drawing = {frame.left + side, frame.top, std::max(1.0, frame.width - 2 * side),
                    frame.height};
  return layout;
}

OrbitCamera CameraFor(const TableModel& model, const AssemblyPictureOptions& o, int width,
                      int height) {
  OrbitCamera camera;
  camera.azimuth = o.azimuth;
  camera.elevation = o.elevation;
  camera.FitView(ExplodedBounds(model, o.explode), width, height);
  return camera;
}

// Every face turned towards the camera, in the camera's picture, in painting order: piece by
// piece as PaintingOrder gives them, each piece's faces farthest first.
std::vector<Face> VisibleFaces(const TableModel& model, const std::vector<Vec3>& offsets,
                               const ViewTransform& view) {
  std::vector<Face> faces;
  for (size_t i = 0; i < model.pieces.size(); ++i) {
    const Mesh& mesh = model.pieces[i].mesh;
    for (size_t f = 0; f < mesh.faces.size(); ++f) {
      const MeshFace& face = mesh.faces[f];
      if (face.corners.size() < 3) continue;
      if (Dot(face.normal, view.eye - (mesh.vertices[face.corners[0]] + offsets[i])) <= 0) continue;
      Face out{static_cast<int>(i), static_cast<int>(f), 0, {}};
      bool inFront = true;
      for (int c : face.corners) {
        const Vec3 v = view.ToView(mesh.vertices[c] + offsets[i]);
        inFront = inFront && v.z > view.nearDepth;
        out.depth += v.z / static_cast<double>(face.corners.size());
        out.corners.push_back(
            {view.centreX + view.focal * v.x / v.z, view.centreY - view.focal * v.y / v.z});
      }
      if (inFront) faces.push_back(std::move(out));
    }
  }
  std::vector<size_t> rank(model.pieces.size());
  const std::vector<int> order = PaintingOrder(model, offsets, view);
  for (size_t k = 0; k < order.size(); ++k) rank[order[k]] = k;
  std::stable_sort(faces.begin(), faces.end(), [&rank](const Face& a, const Face& b) {
    return rank[a.piece] != rank[b.piece] ? rank[a.piece] < rank[b.piece] : a.depth > b.depth;
  });
  return faces;
}

// A visible point of every piece in the camera's picture, found in a small z-buffer picture of
// the same view: the pixel of the piece nearest the middle of what shows of it. Pieces hidden
// entirely point at their centre.
std::vector<CanvasPoint> Anchors(const TableModel& model, const AssemblyPictureOptions& o,
                                 const std::vector<Vec3>& offsets, const PictureFrame& area) {
  const double scale = std::min(1.0, 480 / std::max(area.width, area.height));
  RenderTarget small;
  small.Resize(std::max(1, static_cast<int>(area.width * scale)),
               std::max(1, static_cast<int>(area.height * scale)));
  RenderOptions render;
  render.explode = o.explode;
  render.edges = false;
  RenderTable(model, CameraFor(model, o, small.width, small.height), render, small);

  const size_t n = model.pieces.size();
  std::vector<double> sumX(n), sumY(n), count(n);
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x)
      if (const int p = small.PieceAt(x, y); p >= 0 && static_cast<size_t>(p) < n) {
        sumX[p] += x;
        sumY[p] += y;
        count[p] += 1;
      }
  std::vector<CanvasPoint> best(n);
  std::vector<double> bestDistance(n, HUGE_VAL);
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x)
      if (const int p = small.PieceAt(x, y); p >= 0 && static_cast<size_t>(p) < n) {
        const double dx = x - sumX[p] / count[p], dy = y - sumY[p] / count[p];
        if (dx * dx + dy * dy < bestDistance[p]) {
          bestDistance[p] = dx * dx + dy * dy;
          best[p] = {x + 0.5, y + 0.5};
        }
      }

  const ViewTransform view =
      ViewOf(CameraFor(model, o, small.width, small.height), small.width, small.height);
  std::vector<CanvasPoint> anchors(n);
  for (size_t i = 0; i < n; ++i) {
    CanvasPoint p = best[i];
    if (count[i] == 0) {
      const Vec3 v = view.ToView(MeshBounds(model.pieces[i].mesh).Centre() + offsets[i]);
      if (v.z > view.nearDepth)
        p = {view.centreX + view.focal * v.x / v.z, view.centreY - view.focal * v.y / v.z};
    }
    anchors[i] = {p.x / scale, p.y / scale};
  }
  return anchors;
}

// Moves and scales the camera's picture so that the drawing (not merely the box around the
// exploded table, whose corners lie far beyond it) fills the area.
struct Fit2d {
  double scale = 1, dx = 0, dy = 0;
  CanvasPoint operator()(CanvasPoint p) const { return {dx + scale * p.x, dy + scale * p.y}; }
};

Fit2d FitInto(const std::vector<Face>& faces, const PictureFrame& area) {
  double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
  for (const Face& f : faces)
    for (const CanvasPoint& p : f.corners) {
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
  Fit2d fit;
  if (!(maxX > minX && maxY > minY)) return fit;
  constexpr double kFill = 0.96;
  fit.scale = std::min(area.width * kFill / (maxX - minX), area.height * kFill / (maxY - minY));
  fit.dx = area.left + (area.width - fit.scale * (maxX - minX)) / 2 - fit.scale * minX;
  fit.dy = area.top + (area.height - fit.scale * (maxY - minY)) / 2 - fit.scale * minY;
  return fit;
}

// Stacks the labels of one column from top to bottom in the order of their anchors, each as
// near its anchor's height as the rows allow, all inside the frame.
void StackColumn(std::vector<Label>& column, const PictureFrame& frame, double row) {
  std::sort(column.begin(), column.end(),
            [](const Label& a, const Label& b) { return a.anchor.y < b.anchor.y; });
  const size_t n = column.size();
  if (n == 0) return;
  // Rows closer than a text's height where the frame cannot hold them all.
  row = std::min(row, frame.height / static_cast<double>(n));
  const double top = frame.top, bottom = frame.top + frame.height - row;
  for (size_t i = 0; i < n; ++i) {
    const double wanted = column[i].anchor.y - row / 2;
    column[i].top = i == 0 ? std::max(wanted, top) : std::max(wanted, column[i - 1].top + row);
  }
  for (size_t k = n; k-- > 0;) {
    const double limit = k + 1 == n ? bottom : column[k + 1].top - row;
    column[k].top = std::max(top, std::min(column[k].top, limit));
  }
}

void DrawFaces(const TableModel& model, Canvas& canvas, const std::vector<Face>& faces,
               const ViewTransform& view, const AssemblyPictureOptions& o) {
  const Vec3 light = LightDirection(view);
  const int lineWidth = std::max(1, static_cast<int>(std::lround(o.dotsPerInch / 150.0)));
  Rgb pen{};
  bool penSet = false;
  for (const Face& face : faces) {
    const Mesh& mesh = model.pieces[face.piece].mesh;
    const bool marked = std::find(o.marked.begin(), o.marked.end(), face.piece) != o.marked.end();
    const Rgb wood = marked ? kMarkedColour : kWoodColour;
    const Rgb edge = marked ? kMarkedEdgeColour : kWoodEdgeColour;
    canvas.FillPolygon(face.corners, Shaded(wood, Lightness(mesh.faces[face.face].normal, light)));
    if (!penSet || !(pen == edge)) {
      canvas.SetPenColor(edge);
      if (!penSet) canvas.SetPenWidth(lineWidth);
      pen = edge;
      penSet = true;
    }
    // The piece's real edges along this face (not the diagonals of a face cut into triangles).
    const std::vector<int>& corners = mesh.faces[face.face].corners;
    for (size_t k = 0; k < corners.size(); ++k) {
      const size_t next = (k + 1) % corners.size();
      const int a = corners[k], b = corners[next];
      const bool realEdge =
          std::any_of(mesh.edges.begin(), mesh.edges.end(), [a, b](const auto& edge) {
            return (edge.first == a && edge.second == b) || (edge.first == b && edge.second == a);
          });
      if (!realEdge) continue;
      canvas.MoveTo(face.corners[k].x, face.corners[k].y);
      canvas.LineTo(face.corners[next].x, face.corners[next].y);
    }
  }
}

void DrawLabels(const TableModel& model, Canvas& canvas, const std::vector<Label>& labels,
                const PictureFrame& frame, const Layout& layout, const AssemblyPictureOptions& o) {
  // Left of the drawing's middle to the left column, the rest to the right; the fuller column
  // gives its labels nearest the middle to the other.
  const double middle = layout.drawing.left + layout.drawing.width / 2;
  std::vector<Label> left, right;
  for (const Label& l : labels) (l.anchor.x < middle ? left : right).push_back(l);
  auto byMiddle = [middle](const Label& a, const Label& b) {
    return std::fabs(a.anchor.x - middle) > std::fabs(b.anchor.x - middle);
  };
  while (left.size() > right.size() + 1 || right.size() > left.size() + 1) {
    std::vector<Label>& from = left.size() > right.size() ? left : right;
    std::vector<Label>& to = left.size() > right.size() ? right : left;
    std::sort(from.begin(), from.end(), byMiddle);
    to.push_back(from.back());
    from.pop_back();
  }
  const double font = FontPixels(o);
  StackColumn(left, frame, font * kRowSpacing);
  StackColumn(right, frame, font * kRowSpacing);

  canvas.SetPenColor(kLeaderColour);
  canvas.SetPenWidth(std::max(1, static_cast<int>(std::lround(o.dotsPerInch / 300.0))));
  const double rightColumn = frame.left + frame.width - layout.columnWidth;
  const double dot = std::max(1.5, font / 6);
  for (auto* column : {&left, &right}) {
    for (Label& l : *column) {
      // The anchor's dot stays inside the frame.
      l.anchor.y = std::clamp(l.anchor.y, frame.top + dot, frame.top + frame.height - dot);
      const double y = l.top + font / 2;
      const double x =
          column == &left ? frame.left + std::min(l.width, layout.columnWidth) : rightColumn - 2;
      canvas.MoveTo(x, y);
      canvas.LineTo(l.anchor.x, l.anchor.y);
      canvas.FillPolygon({{l.anchor.x - dot, l.anchor.y - dot},
                          {l.anchor.x + dot, l.anchor.y - dot},
                          {l.anchor.x + dot, l.anchor.y + dot},
                          {l.anchor.x - dot, l.anchor.y + dot}},
                         kLeaderColour);
    }
  }
  // The texts last, so that their white boxes lie over the leaders' ends.
  canvas.SetFontName(o.fontName);
  canvas.SetFontSize(o.fontSize);
  canvas.SetFontColor(kLabelColour);
  for (const Label& l : left) canvas.TextOut(frame.left, l.top, model.pieces[l.piece].name);
  for (const Label& l : right) canvas.TextOut(rightColumn, l.top, model.pieces[l.piece].name);
}

void DrawNotes(const TableModel& model, Canvas& canvas, const PictureFrame& frame,
               const AssemblyPictureOptions& o) {
  canvas.SetFontName(o.fontName);
  canvas.SetFontSize(o.fontSize);
  canvas.SetFontColor(kLabelColour);
  std::vector<std::string> lines = {"The table cannot be shown."};
  lines.insert(lines.end(), model.notes.begin(), model.notes.end());
  double y = frame.top;
  for (const std::string& line : lines) {
    canvas.TextOut(frame.left, y, line);
    y += FontPixels(o) * kRowSpacing;
  }
}

}  // namespace

void DrawAssemblyPicture(const TableModel& model, Canvas& canvas, const PictureFrame& frame,
                         const AssemblyPictureOptions& options) {
  if (model.pieces.empty()) {
    DrawNotes(model, canvas, frame, options);
    return;
  }
  const Layout layout = LayOut(model, frame, options);
  const PictureFrame& area = layout.drawing;
  const int width = std::max(1, static_cast<int>(area.width));
  const int height = std::max(1, static_cast<int>(area.height));
  const ViewTransform view = ViewOf(CameraFor(model, options, width, height), width, height);
  const std::vector<Vec3> offsets = ExplodeOffsets(model, options.explode);

  std::vector<Face> faces = VisibleFaces(model, offsets, view);
  const Fit2d fit = FitInto(faces, area);
  for (Face& face : faces)
    for (CanvasPoint& p : face.corners) p = fit(p);
  DrawFaces(model, canvas, faces, view, options);

  const std::vector<CanvasPoint> anchors = Anchors(model, options, offsets, area);
  std::vector<Label> labels;
  for (size_t i = 0; i < model.pieces.size(); ++i) {
    const CanvasPoint at = fit(anchors[i]);
    labels.push_back({static_cast<int>(i),
                      {std::clamp(at.x, area.left, area.left + area.width),
                       std::clamp(at.y, area.top, area.top + area.height)},
                      model.pieces[i].name.size() * kCharacterWidth * FontPixels(options),
                      0});
  }
  DrawLabels(model, canvas, labels, frame, layout, options);
}

}  // namespace varnloft
