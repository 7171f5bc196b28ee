#pragma once
// The materials of the last design: the boards to buy, where each piece is cut from them, the
// hardware and the cost. Pieces are always full size, whatever model scale the design is shown at.
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "design/design_record.h"
#include "materials/hardware.h"
#include "materials/pieces.h"
#include "materials/stock.h"

namespace varnloft {

struct MaterialCut {
  int piece = 0;  // index into Materials::pieces
  bool turned = false;
  std::vector<FlatPoint> outline;  // as cut, x from the board's left end, y from its lower edge
  bool ripped = false;             // a rip cut takes the waste strip off beside it (a brace)
};

struct MaterialBoard {
  std::string lumber;
  double length = 0, width = 0, thickness = 0;  // feet
  std::optional<double> price;
  std::vector<MaterialCut> cuts;  // left to right
  double offcut = 0;
  int crossCuts = 0;  // saw cuts across the board, a cut shared by two pieces counted once
};

struct MissingPiece {
  std::string member;
  double count = 0;
  double length = 0;
  std::string
      text;  // "No stock length holds the 20' table tops: add a longer length or splice them"
};

struct NearMiss {
  std::string member;
  double shortenBy = 0, newLength = 0;  // feet
  std::optional<double> saving;         // money; none when the lumber has no price
  std::string text;
};

struct MaterialsTotals {
  int boards = 0;
  double cost = 0;                    // the boards and hardware that have a price
  std::optional<double> boardFeet;    // imperial
  std::optional<double> cubicMetres;  // metric
  double wastePercent = 0;
  int crossCuts = 0, rips = 0;
};

struct Materials {
  // Set when nothing can be listed (the last calculation failed, or the settings are unusable).
  std::string problem;
  bool stopped = false;  // BuildMaterials was asked to stop: nothing here is to be used
  bool imperial = true;
  bool modelScale = false;  // the design is shown at a model scale: the list is for the full size
  bool optimal = false;     // every lumber's plan is proven cheapest
  double lowerBoundCost = 0;
  std::string currency;
  double kerf = 0, trim = 0;
  std::vector<StockLength> stock;  // every length and price in force
  std::vector<Piece> pieces;
  std::vector<MaterialBoard> boards;  // by lumber in the order of pieces, then longest first
  std::vector<HardwareLine> hardware;
  std::vector<MissingPiece> missing;  // pieces no stock holds, and pieces left out as faulty
  std::vector<NearMiss> nearMisses;
  MaterialsTotals totals;
  long long steps = 0;  // search steps of all plans, near misses included
};

// `stop`, when given, may be set by another thread to end the work early: the result is then
// marked stopped and lists nothing. The last complete result is kept: asked again for the same
// design and settings (the Materials window, then the packet, or --materials then
// --export-packet), it is given back without planning again (materials/materials_memo.cpp).
Materials BuildMaterials(const DesignRecord& rec, const MaterialsSettings& settings,
                         const std::atomic<bool>* stop = nullptr);

// The same, planned afresh whatever was kept (for timing the work itself).
Materials BuildMaterialsAfresh(const DesignRecord& rec, const MaterialsSettings& settings,
                               const std::atomic<bool>* stop = nullptr);

// One line of the shopping list: the boards of one lumber and length.
struct BoardsToBuy {
  std::string lumber;
  double length = 0;
  int count = 0;
  std::optional<double> price;  // one board
  std::optional<double> cost;   // all of them
};

// The boards grouped by lumber and length, in the order of Materials::boards.
std::vector<BoardsToBuy> ShoppingList(const Materials& materials);

}  // namespace varnloft
