#pragma once
// The cutting diagram: every board bought, one below the other, drawn to one scale along and
// across, with each piece's outline as it is cut, its name and length under it, and the offcut
// crossed out and labelled. Drawn through the Canvas, so the same picture shows, prints and
// exports.
#include <cstddef>
#include <limits>

#include "materials/materials.h"
#include "platform/canvas.h"

namespace varnloft {

struct DiagramStyle {
  int fontSize = 8;      // points
  double lineStep = 16;  // pixels: one line of text
  double margin = 20;    // pixels around the boards
  double tallest = 120;  // pixels: no board is drawn wider across than this
  // The boards drawn, for a diagram spread over printed pages: the scale and the numbering stay
  // those of the whole diagram, and the note above the first board comes only with it.
  std::size_t firstBoard = 0;
  std::size_t boardCount = std::numeric_limits<std::size_t>::max();
};

// The height the diagram takes on a canvas this wide.
double CuttingDiagramHeight(const Materials& materials, int width, const DiagramStyle& style = {});

// Clears the canvas to white and draws every board, top to bottom, as wide as the canvas.
void DrawCuttingDiagram(const Materials& materials, Canvas& canvas, const DiagramStyle& style = {});

// For pages: the height one board takes (its title, the board, the labels under it), and the
// boards [first, last) drawn from `top` down without clearing, at the scale the whole diagram
// has on this canvas. Returns the y below the last board drawn.
double CuttingDiagramBoardHeight(const Materials& materials, size_t board, int width,
                                 const DiagramStyle& style = {});
double DrawCuttingDiagramBoards(const Materials& materials, Canvas& canvas, size_t first,
                                size_t last, double top, const DiagramStyle& style = {});

}  // namespace varnloft
