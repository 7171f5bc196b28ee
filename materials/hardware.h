#pragma once
// The hardware a design needs, counted from its geometry: a carriage bolt with a washer and a
// nut for every bolt hole of the legs, and screws where boards cross supports and at the braces
// and end caps. Each line says the rule behind its count and is priced by the pack.
#include <optional>
#include <string>
#include <vector>

#include "materials/pieces.h"
#include "materials/stock.h"

namespace varnloft {

struct HardwareLine {
  std::string item;  // "Carriage bolt 3/8 × 4 in"
  int count = 0;
  int pack = 1;
  int packs = 0;
  std::optional<double> price;  // of one pack
  std::optional<double> cost;   // packs x price
  std::string rule;             // why this many
};

// The bolt that holds a leg to a support, each `thicknessFeet` thick, with a washer, a nut and
// some thread beyond: the next length sold (1/2 in steps to 6 in, then whole inches; metric
// 10 mm steps).
double CarriageBoltLength(double thicknessFeet, double diameterFeet, bool imperial);
// A screw through one board into the next: twice the lumber thickness, up to a length sold.
double ScrewLength(double thicknessFeet, bool imperial);

std::vector<HardwareLine> HardwareOf(const std::vector<Piece>& pieces, double lumberThickness,
                                     const MaterialsSettings& settings, bool imperial);

}  // namespace varnloft
