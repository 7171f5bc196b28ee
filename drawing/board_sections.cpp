#include "drawing/board_sections.h"

#include <cmath>

#include "design/frame_symbols.h"
#include "drawing/model_pen.h"

namespace varnloft {

BoardRow BoardsInRow(double count) {
  int drawn = 0;
  do {
    ++drawn;
  } while (!(drawn > count - 1) && drawn < kMaxBoardsDrawnPerRow);
  return BoardRow{drawn, !(drawn > count - 1)};
}

namespace {

void DrawDeckBoards(const FrameSymbols& m, ModelPen& pen) {
  const int boards = BoardsInRow(m.ND).drawn;
  for (int i = 0; i < boards; ++i) {
    pen.Rectangle({m.xd + i * (m.DW + m.G), 0}, {m.xd + i * m.G + (i + 1) * m.DW, m.t});
  }
}

// Table-top width dimension, placed in pixels. The width is cut to whole pixels before it is
// added, so the right tick may stand a pixel left of the last board's edge.
void DrawTableTopWidthDimension(const DesignRecord& rec, const FrameSymbols& m, Canvas& canvas,
                                const FigureLayout& layout) {
  const double s = layout.pixelsPerFoot, u = layout.dimStep, y0 = layout.viewTop;
  const double x1 = layout.viewLeft + m.xd * s;
  const double x2 = x1 + std::floor(m.TW * s);
  canvas.MoveTo(x1, y0 - 1.5 * u);
  canvas.LineTo(x1, y0 - 0.5 * u);
  canvas.MoveTo(x2, y0 - 1.5 * u);
  canvas.LineTo(x2, y0 - 0.5 * u);
  canvas.MoveTo(x1, y0 - u);
  canvas.LineTo(x2, y0 - u);
  if (layout.widthLabelFontSize != kKeepFontSize) canvas.SetFontSize(layout.widthLabelFontSize);
  canvas.TextOut(x1 + 0.2 * m.TW * s, y0 - 1.35 * u,
                 " " + rec.FormatLength(rec.TableTopWidth) + " ");
  if (layout.textFontSize != kKeepFontSize) canvas.SetFontSize(layout.textFontSize);
}

// All boards of the left seat first, then all boards of the right seat.
void DrawSeatBoards(const FrameSymbols& m, ModelPen& pen) {
  const int boards = BoardsInRow(m.NS).drawn;
  for (double shift : {0.0, m.W - m.SW}) {
    for (int i = 0; i < boards; ++i) {
      pen.Rectangle({shift + i * (m.BW + m.G), m.H - m.SH},
                    {shift + i * m.G + (i + 1) * m.BW, m.ys});
    }
  }
}

}  // namespace

void DrawBoardSections(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  const FrameSymbols m = FrameSymbolsOf(rec);
  ModelPen pen(canvas, layout.viewLeft, layout.viewTop, layout.pixelsPerFoot);
  DrawDeckBoards(m, pen);
  DrawTableTopWidthDimension(rec, m, canvas, layout);
  DrawSeatBoards(m, pen);
}

std::string BoardLimitNotice(const DesignRecord& rec) {
  const std::string most = std::to_string(kMaxBoardsDrawnPerRow);
  const bool deck = BoardsInRow(rec.DeckBoardCount).limited;
  const bool seat = BoardsInRow(rec.SeatBoardCount).limited;
  if (deck && seat)
    return "Only the first " + most + " boards of the deck and of each seat are drawn.";
  if (deck) return "Only the first " + most + " deck boards are drawn.";
  if (seat) return "Only the first " + most + " boards of each seat are drawn.";
  return "";
}

}  // namespace varnloft
