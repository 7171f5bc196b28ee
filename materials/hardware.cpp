#include "materials/hardware.h"

#include <algorithm>
#include <cmath>

#include "materials/hardware_names.h"
#include "materials/material_texts.h"

namespace varnloft {

namespace {

// A washer, a nut and the thread showing past the nut, in bolt diameters.
constexpr double kWasherDiameters = 0.25, kNutDiameters = 0.875, kThreadDiameters = 0.5;

// Lengths are compared in inches or millimetres with this much play.
constexpr double kPlay = 1e-6;

double Inches(double feet) {
  return feet * kInchesPerFoot;
}
double Millimetres(double feet) {
  return feet * kMillimetresPerFoot;
}

// The first length sold at or above `needed` from a list, then in steps of `step` beyond it.
double NextSold(double needed, std::initializer_list<double> sold, double step) {
  double last = 0;
  for (double length : sold) {
    if (length + kPlay >= needed) return length;
    last = length;
  }
  return last + std::ceil((needed - last - kPlay) / step) * step;
}

int Total(const std::vector<Piece>& pieces, MemberKind kind) {
  for (const Piece& p : pieces)
    if (p.kind == kind) return p.count;
  return 0;
}

const Piece* Find(const std::vector<Piece>& pieces, MemberKind kind) {
  for (const Piece& p : pieces)
    if (p.kind == kind) return &p;
  return nullptr;
}

void Add(std::vector<HardwareLine>& lines, const std::string& item, int count,
         const std::string& rule) {
  if (count <= 0) return;
  for (HardwareLine& line : lines) {
    if (line.item == item) {
      line.count += count;
      line.rule += "; " + rule;
      return;
    }
  }
  lines.push_back({item, count, 1, 0, {}, {}, rule});
}

std::string WholeNumber(long long n) {
  return std::to_string(n);
}

}  // namespace

double CarriageBoltLength(double thicknessFeet, double diameterFeet, bool imperial) {
  const double needed =
      2 * thicknessFeet + (kWasherDiameters + kNutDiameters + kThreadDiameters) * diameterFeet;
  if (imperial) {
    return NextSold(Inches(needed), {1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6}, 1) /
           kInchesPerFoot;
  }
  return NextSold(Millimetres(needed), {20}, 10) / kMillimetresPerFoot;
}

double ScrewLength(double thicknessFeet, bool imperial) {
  const double needed = 2 * thicknessFeet;
  if (imperial)
    return NextSold(Inches(needed), {1.25, 1.625, 2, 2.5, 3, 3.5, 4}, 1) / kInchesPerFoot;
  return NextSold(Millimetres(needed), {30, 35, 40, 45, 50, 60, 70, 80, 90, 100}, 20) /
         kMillimetresPerFoot;
}

std::vector<HardwareLine> HardwareOf(const std::vector<Piece>& pieces, double lumberThickness,
                                     const MaterialsSettings& settings, bool imperial) {
  std::vector<HardwareLine> lines;
  const double d = settings.boltDiameter;

  if (const Piece* leg = Find(pieces, MemberKind::Leg); leg && leg->holes > 0) {
    const int bolts = leg->count * leg->holes;
    const double length = CarriageBoltLength(lumberThickness, d, imperial);
    const std::string holes =
        WholeNumber(leg->count) + " legs" + kTimesSign + WholeNumber(leg->holes) + " holes";
    Add(lines, CarriageBoltName(d, length, imperial), bolts,
        "one through each bolt hole of a leg (" + holes +
            "), long enough for the leg, the support (" +
            HardwareSizeText(2 * lumberThickness, imperial) +
            " together), a washer, a nut and some thread");
    Add(lines, WasherName(d, imperial), bolts, "one under each nut");
    Add(lines, NutName(d, imperial), bolts, "one on each bolt");
  }

  const std::string screw = ScrewName(ScrewLength(lumberThickness, imperial), imperial);
  const int tops = Total(pieces, MemberKind::TableTop);
  const int outer = Total(pieces, MemberKind::OuterSupport);
  const int centre = Total(pieces, MemberKind::CentreSupport);
  const int crossings = outer + centre;
  if (tops > 0 && crossings > 0) {
    Add(lines, screw, 2 * tops * crossings,
        "two where each table top crosses a support (" + WholeNumber(tops) + " table tops" +
            kTimesSign + WholeNumber(crossings) + " supports" + kTimesSign + "2)");
  }
  const int seats = Total(pieces, MemberKind::Seat);
  const int seatSupports = Total(pieces, MemberKind::SeatSupport);
  if (seats > 0 && seatSupports > 0) {
    Add(lines, screw, 2 * seats * seatSupports,
        "two where each seat crosses a seat support (" + WholeNumber(seats) + " seats" +
            kTimesSign + WholeNumber(seatSupports) + " seat supports" + kTimesSign + "2)");
  }
  if (const int braces = Total(pieces, MemberKind::Brace); braces > 0) {
    Add(lines, screw, 4 * braces,
        "two at each end of a brace (" + WholeNumber(braces) + " braces" + kTimesSign + "2 ends" +
            kTimesSign + "2)");
  }
  if (const int caps = Total(pieces, MemberKind::EndCap); caps > 0 && tops > 0) {
    Add(lines, screw, caps * tops,
        "one through each end cap into the end of each table top (" + WholeNumber(caps) +
            " end caps" + kTimesSign + WholeNumber(tops) + " table tops)");
  }

  for (HardwareLine& line : lines) {
    const HardwarePrice price = HardwarePriceOf(settings.table, line.item);
    line.pack = std::max(1, price.pack);
    line.packs = (line.count + line.pack - 1) / line.pack;
    line.price = price.price;
    if (price.price) line.cost = line.packs * *price.price;
  }
  return lines;
}

}  // namespace varnloft
