#include "materials/cutting_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "materials/material_texts.h"

namespace varnloft {

namespace {

constexpr Rgb kOffcutColour{160, 160, 160};

// One scale for all boards: the longest fills the width, and no board is drawn wider across than
// the style allows.
double Scale(const Materials& m, int width, const DiagramStyle& style) {
  double longest = 0, widest = 0;
  for (const MaterialBoard& b : m.boards) {
    longest = std::max(longest, b.length);
    widest = std::max(widest, b.width);
  }
  double s = longest > 0 ? std::max(1.0, width - 2 * style.margin) / longest : 1;
  if (widest > 0) s = std::min(s, style.tallest / widest);
  return s;
}

// Lines above each board (its title) and below it (each piece's name and length).
constexpr double kLinesAbove = 1.25, kLinesBelow = 3;

bool WithNote(const Materials& m, const DiagramStyle& style) {
  return m.modelScale && style.firstBoard == 0;
}

double Lead(const Materials& m, const DiagramStyle& style) {
  return style.margin + (WithNote(m, style) ? style.lineStep * 1.5 : 0);
}

// The boards the style asks for: [first, end).
size_t EndBoard(const Materials& m, const DiagramStyle& style) {
  const size_t first = std::min(style.firstBoard, m.boards.size());
  return first + std::min(style.boardCount, m.boards.size() - first);
}

std::string Title(const Materials& m, size_t index) {
  const MaterialBoard& b = m.boards[index];
  const std::string price = b.price ? MoneyText(m.currency, *b.price) : "no price";
  return "Board " + std::to_string(index + 1) + " of " + std::to_string(m.boards.size()) + ":  " +
         b.lumber + ",  " + MaterialLengthText(b.length, m.imperial) + "  (" + price + ")";
}

void Polygon(Canvas& canvas, const std::vector<FlatPoint>& outline, double x0, double yLower,
             double s) {
  if (outline.empty()) return;
  canvas.MoveTo(x0 + outline.back().x * s, yLower - outline.back().y * s);
  for (const FlatPoint& p : outline) canvas.LineTo(x0 + p.x * s, yLower - p.y * s);
}

// A generous guess at a text's width: the canvas cannot measure text, and a character of the
// diagram's font is about a third of a line step wide.
double TextWidth(const std::string& text, const DiagramStyle& style) {
  double characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
  return characters * 0.4 * style.lineStep;
}

double DrawBoard(const Materials& m, size_t index, Canvas& canvas, double y, double s,
                 const DiagramStyle& style) {
  const MaterialBoard& b = m.boards[index];
  const double x0 = style.margin, u = style.lineStep;
  canvas.SetPenColor(kBlack);
  canvas.TextOut(x0, y, Title(m, index));
  const double top = y + kLinesAbove * u, lower = top + b.width * s;
  canvas.Rectangle(x0, top, x0 + b.length * s, lower);

  canvas.SetPenColor(kNavy);
  double rightmost = x0;
  for (const MaterialCut& c : b.cuts) {
    Polygon(canvas, c.outline, x0, lower, s);
    double left = c.outline.front().x, right = left;
    for (const FlatPoint& p : c.outline) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
    }
    rightmost = std::max(rightmost, x0 + right * s);
    const Piece& piece = m.pieces[c.piece];
    canvas.TextOut(x0 + left * s, lower + 0.25 * u, piece.member + (c.turned ? ", turned" : ""));
    canvas.TextOut(x0 + left * s, lower + 1.25 * u, MaterialLengthText(piece.length, m.imperial));
  }

  if (b.offcut > 0) {
    const double from = x0 + (b.length - b.offcut) * s, to = x0 + b.length * s;
    canvas.SetPenColor(kOffcutColour);
    canvas.MoveTo(from, top);
    canvas.LineTo(to, lower);
    canvas.MoveTo(from, lower);
    canvas.LineTo(to, top);
    // After the last piece; on the longest boards, kept inside the picture's right edge.
    const std::string label = "offcut " + MaterialLengthText(b.offcut, m.imperial);
    const double x = std::max(from, rightmost) + 0.25 * u;
    canvas.TextOut(std::max(x0, std::min(x, canvas.Width() - TextWidth(label, style) - 2)),
                   lower + 0.25 * u, label);
  }
  return lower + kLinesBelow * u;
}

}  // namespace

double CuttingDiagramBoardHeight(const Materials& m, size_t board, int width,
                                 const DiagramStyle& style) {
  return (kLinesAbove + kLinesBelow) * style.lineStep +
         m.boards.at(board).width * Scale(m, width, style);
}

double CuttingDiagramHeight(const Materials& m, int width, const DiagramStyle& style) {
  if (!m.problem.empty() || m.boards.empty()) return 2 * style.margin + style.lineStep;
  double y = Lead(m, style);
  for (size_t i = std::min(style.firstBoard, m.boards.size()); i < EndBoard(m, style); ++i)
    y += CuttingDiagramBoardHeight(m, i, width, style);
  return y + style.margin;
}

double DrawCuttingDiagramBoards(const Materials& m, Canvas& canvas, size_t first, size_t last,
                                double top, const DiagramStyle& style) {
  const double s = Scale(m, canvas.Width(), style);
  for (size_t i = first; i < last && i < m.boards.size(); ++i)
    top = DrawBoard(m, i, canvas, top, s, style);
  return top;
}

void DrawCuttingDiagram(const Materials& m, Canvas& canvas, const DiagramStyle& style) {
  canvas.SetFontName("Arial");
  canvas.SetFontSize(style.fontSize);
  canvas.SetFontColor(kBlack);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kWhite);
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
  canvas.SetPenColor(kBlack);
  if (!m.problem.empty()) {
    canvas.TextOut(style.margin, style.margin, m.problem);
    return;
  }
  if (m.boards.empty()) {
    canvas.TextOut(style.margin, style.margin, "No boards to buy.");
    return;
  }
  if (WithNote(m, style))
    canvas.TextOut(style.margin, style.margin, "The list is for the full-size table.");
  DrawCuttingDiagramBoards(m, canvas, std::min(style.firstBoard, m.boards.size()),
                           EndBoard(m, style), Lead(m, style), style);
}

}  // namespace varnloft
