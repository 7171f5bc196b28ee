// The exploded assembly picture as recorded canvas calls: every piece labelled once, every
// filled face and label inside the frame, each leader pointing at the drawing, labels that do
// not overprint one another, marked pieces in red, and a model without pieces explained.
#include "model3d/assembly_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model3d/build_table_model.h"
#include "model3d/table_renderer.h"
#include "platform/recording_canvas.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using Kind = CanvasOp::Kind;

constexpr PictureFrame kFrame{40, 30, 900, 560};

bool InFrame(double x, double y, const PictureFrame& f = kFrame) {
  return x >= f.left && x <= f.left + f.width && y >= f.top && y <= f.top + f.height;
}

// Crossing-number test of a point against a filled polygon's corners.
bool Inside(const std::vector<PixelPoint>& polygon, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PixelPoint& a = polygon[i];
    const PixelPoint& b = polygon[j];
    if ((a.y > y) != (b.y > y) &&
        x < (b.x - a.x) * (y - a.y) / static_cast<double>(b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

bool Reddish(Rgb c) {
  return c.r > 1.5 * c.g && c.r > 1.5 * c.b;
}

std::vector<CanvasOp> Draw(const TableModel& model, const AssemblyPictureOptions& options = {}) {
  RecordingCanvas canvas(1000, 640);
  DrawAssemblyPicture(model, canvas, kFrame, options);
  return canvas.Ops();
}

TEST(AssemblyPicture, LabelsEveryPieceOnceInsideTheFrame) {
  for (bool exterior : {true, false}) {
    SCOPED_TRACE(exterior ? "exterior supports" : "interior supports");
    const TableModel model = BuildTableModel(testing::BuiltInTable(exterior));
    ASSERT_GT(model.pieces.size(), 20u);
    const std::vector<CanvasOp> ops = Draw(model);

    std::map<std::string, int> labels;
    std::vector<std::vector<PixelPoint>> faces;
    for (const CanvasOp& op : ops) {
      if (op.kind == Kind::Text) {
        ++labels[op.text];
        EXPECT_TRUE(InFrame(op.x1, op.y1)) << op.text;
      } else if (op.kind == Kind::Polygon) {
        for (const PixelPoint& p : op.points) EXPECT_TRUE(InFrame(p.x, p.y)) << OpToJson(op);
        if (op.color != Rgb{70, 70, 70}) faces.push_back(op.points);
      } else if (op.kind == Kind::MoveTo || op.kind == Kind::LineTo) {
        EXPECT_TRUE(InFrame(op.x1, op.y1)) << OpToJson(op);
      }
    }
    EXPECT_EQ(labels.size(), model.pieces.size());
    for (const ModelPiece& piece : model.pieces) EXPECT_EQ(labels[piece.name], 1) << piece.name;
    // Back faces are left out: fewer faces than the pieces have, but at least two a piece.
    EXPECT_GE(faces.size(), 2 * model.pieces.size());
  }
}

TEST(AssemblyPicture, LeadersPointAtTheDrawingAndLabelsDoNotOverprint) {
  const TableModel model = BuildTableModel(testing::BuiltInTable(true));
  const std::vector<CanvasOp> ops = Draw(model);
  std::vector<std::vector<PixelPoint>> faces;
  std::vector<std::pair<int, int>> leaderEnds;
  std::map<int, std::vector<int>> rowsByColumn;
  for (size_t i = 0; i < ops.size(); ++i) {
    const CanvasOp& op = ops[i];
    if (op.kind == Kind::Polygon && op.color != Rgb{70, 70, 70}) faces.push_back(op.points);
    if (op.kind == Kind::Text) rowsByColumn[op.x1].push_back(op.y1);
    // Leaders are drawn after the last face, in the leader colour.
    if (op.kind == Kind::LineTo && i > 0 && ops[i - 1].kind == Kind::MoveTo &&
        std::any_of(ops.begin(), ops.begin() + i, [](const CanvasOp& p) {
          return p.kind == Kind::Pen && p.color == Rgb{70, 70, 70};
        }))
      leaderEnds.emplace_back(op.x1, op.y1);
  }
  ASSERT_EQ(leaderEnds.size(), model.pieces.size());
  for (const auto& end : leaderEnds) {
    const double x = end.first + 0.25, y = end.second + 0.25;
    const bool onAFace = std::any_of(faces.begin(), faces.end(),
                                     [x, y](const auto& face) { return Inside(face, x, y); });
    EXPECT_TRUE(onAFace) << x << ", " << y;
  }
  // Two columns, left and right of the drawing, their rows at least a text's height apart.
  ASSERT_EQ(rowsByColumn.size(), 2u);
  EXPECT_EQ(rowsByColumn.begin()->first, kFrame.left);
  for (auto& [x, rows] : rowsByColumn) {
    std::sort(rows.begin(), rows.end());
    for (size_t k = 1; k < rows.size(); ++k) EXPECT_GE(rows[k] - rows[k - 1], 14) << x;
  }
}

TEST(AssemblyPicture, MarkedPiecesAreRed) {
  const TableModel model = BuildTableModel(testing::BuiltInTable(true));
  auto reds = [&](const AssemblyPictureOptions& options) {
    int n = 0;
    for (const CanvasOp& op : Draw(model, options))
      n += op.kind == Kind::Polygon && Reddish(op.color);
    return n;
  };
  EXPECT_EQ(reds({}), 0);
  AssemblyPictureOptions marked;
  marked.marked = {0, 1};
  EXPECT_GE(reds(marked), 4);  // at least two faces of each leg show
}

TEST(AssemblyPicture, AModelWithoutPiecesIsExplained) {
  TableModel model;
  model.notes.emplace_back("The last calculation failed, so there is no table to model.");
  const std::vector<CanvasOp> ops = Draw(model);
  std::vector<std::string> texts;
  for (const CanvasOp& op : ops) {
    EXPECT_NE(op.kind, Kind::Polygon);
    if (op.kind == Kind::Text) texts.push_back(op.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The table cannot be shown.",
                       "The last calculation failed, so there is no table to model."}));
}

}  // namespace
}  // namespace varnloft
