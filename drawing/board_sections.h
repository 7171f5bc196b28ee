#pragma once
// The end view's boards in section: the deck boards with the table-top width dimension above
// them, then the boards of the left seat and of the right seat.
#include <string>

#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "platform/canvas.h"

namespace varnloft {

// A row never draws more boards than this, so an absurd count cannot freeze the window.
inline constexpr int kMaxBoardsDrawnPerRow = 1000;

struct BoardRow {
  int drawn;     // boards the row draws: at least one, however small the count
  bool limited;  // true when the count asks for more than kMaxBoardsDrawnPerRow
};

// The boards a row with this count draws: board after board until the index passes count - 1,
// the test following each board, so a count of 0 or less (or a fraction) still draws one.
BoardRow BoardsInRow(double count);

void DrawBoardSections(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout);

// The note to show under the figures when a row was cut short; empty when every board is drawn.
std::string BoardLimitNotice(const DesignRecord& rec);

}  // namespace varnloft
