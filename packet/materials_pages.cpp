#include "packet/materials_pages.h"

#include <algorithm>
#include <vector>

#include "design/table_members.h"
#include "materials/cutting_diagram.h"
#include "materials/material_texts.h"
#include "measure/number_text.h"
#include "packet/canvas_window.h"
#include "packet/text_wrap.h"
#include "plans/member_texts.h"

namespace varnloft {

namespace {

constexpr Rgb kRuleGrey{150, 150, 150};

// Text running down the pages of one section, a new page when the next block does not fit.
class Flow {
 public:
  Flow(PacketPages& pages, std::string section) : pages_(pages), section_(std::move(section)) {
    pages_.StartPage(section_);
    y_ = pages_.Top();
    count_ = 1;
  }

  // Makes room for `height` pixels: a new page when the rest of this one is too short.
  void Need(double height) {
    if (y_ + height <= pages_.Bottom()) return;
    pages_.StartPage(section_ + " (continued)");
    y_ = pages_.Top();
    ++count_;
  }
  void Heading(const std::string& text) {
    const double step = pages_.LineStep(kPacketHeadingPoints);
    Need(step * 3);  // a heading stays with the lines under it
    y_ += pages_.Points(4);
    pages_.UseText(kPacketHeadingPoints);
    pages_.canvas().TextOut(pages_.Left(), y_, text);
    y_ += step;
    pages_.UseText(kPacketTextPoints);
  }
  // A paragraph, wrapped to the width less `indent` inches.
  void Paragraph(const std::string& text, int points = kPacketTextPoints, double indent = 0) {
    const double left = pages_.Left() + pages_.Inches(indent);
    const double widthPoints = (pages_.Right() - left) * 72.0 / pages_.DotsPerInch();
    pages_.UseText(points);
    for (const std::string& line : WrapText(text, widthPoints, points)) {
      Need(pages_.LineStep(points));
      pages_.canvas().TextOut(left, y_, line);
      y_ += pages_.LineStep(points);
    }
    pages_.UseText(kPacketTextPoints);
  }
  // One row of a table: each cell at its column's place, in fractions of the width.
  void Row(const std::vector<double>& columns, const std::vector<std::string>& cells,
           bool header = false) {
    const double step = pages_.LineStep(kPacketTextPoints);
    Need(step);
    pages_.UseText(kPacketTextPoints);
    for (size_t i = 0; i < cells.size() && i < columns.size(); ++i)
      pages_.canvas().TextOut(pages_.Left() + columns[i] * pages_.Width(), y_, cells[i]);
    y_ += step;
    if (header) Rule();
  }
  void Rule() {
    Canvas& c = pages_.canvas();
    c.SetPenColor(kRuleGrey);
    c.SetPenWidth(std::max(1, static_cast<int>(pages_.Points(0.5))));
    c.MoveTo(pages_.Left(), y_);
    c.LineTo(pages_.Right(), y_);
    c.SetPenColor(kBlack);
    y_ += pages_.Points(2);
  }
  void Space(double points) { y_ += pages_.Points(points); }
  int Pages() const { return count_; }

 private:
  PacketPages& pages_;
  std::string section_;
  double y_ = 0;
  int count_ = 0;
};

std::string Money(const Materials& m, const std::optional<double>& amount) {
  return amount ? MoneyText(m.currency, *amount) : "no price";
}

std::string Length(const Materials& m, double feet) {
  return MaterialLengthText(feet, m.imperial);
}

// How a piece's ends are cut, from the member list the plans draw.
std::string EndsText(const std::vector<TableMember>& members, MemberKind kind) {
  const TableMember* member = FindMember(members, kind);
  if (!member || member->shape == MemberShape::Rectangle || member->cutAngle == 0) return "square";
  const std::string angle = AngleText(member->cutAngle) + "\xC2\xB0";
  return member->shape == MemberShape::Parallelogram ? angle + ", parallel"
                                                     : angle + ", long edge up";
}

void ShoppingList(const Materials& m, Flow& flow) {
  flow.Heading("Shopping list");
  const std::vector<double> columns = {0, 0.3, 0.45, 0.58, 0.74};
  flow.Row(columns, {"Lumber", "Length", "Boards", "Each", "Cost"}, true);
  int boards = 0;
  double cost = 0;
  for (const BoardsToBuy& b : ShoppingList(m)) {
    flow.Row(columns, {b.lumber, Length(m, b.length), std::to_string(b.count), Money(m, b.price),
                       b.cost ? MoneyText(m.currency, *b.cost) : "--"});
    boards += b.count;
    if (b.cost) cost += *b.cost;
  }
  flow.Rule();
  flow.Row(columns, {"Lumber", "", std::to_string(boards), "", MoneyText(m.currency, cost)});

  flow.Heading("Hardware");
  const std::vector<double> hardware = {0, 0.3, 0.45, 0.58, 0.74};
  flow.Row(hardware, {"Item", "Needed", "Packs", "Each pack", "Cost"}, true);
  double hardwareCost = 0;
  for (const HardwareLine& h : m.hardware) {
    const std::string packs =
        std::to_string(h.packs) + (h.pack > 1 ? " of " + std::to_string(h.pack) : "");
    flow.Row(hardware, {h.item, std::to_string(h.count), packs, Money(m, h.price),
                        h.cost ? MoneyText(m.currency, *h.cost) : "--"});
    flow.Paragraph(h.rule, kPacketSmallPoints, 0.25);
    if (h.cost) hardwareCost += *h.cost;
  }
  flow.Rule();
  flow.Row(hardware, {"Hardware", "", "", "", MoneyText(m.currency, hardwareCost)});
}

void Totals(const Materials& m, Flow& flow) {
  flow.Heading("Totals");
  const MaterialsTotals& t = m.totals;
  bool unpriced = false;
  for (const BoardsToBuy& b : ShoppingList(m)) unpriced |= !b.cost;
  for (const HardwareLine& h : m.hardware) unpriced |= !h.cost;
  flow.Paragraph("Total cost: " + MoneyText(m.currency, t.cost) +
                 (unpriced ? " (the items without a price are not counted)" : ""));
  std::string wood = "Boards: " + std::to_string(t.boards);
  if (t.boardFeet) wood += ";  board feet: " + FixedText(*t.boardFeet, 1, 15);
  if (t.cubicMetres) wood += ";  cubic metres: " + FixedText(*t.cubicMetres, 3, 15);
  wood += ";  waste: " + FixedText(t.wastePercent, 1, 15) + " % of the wood bought.";
  flow.Paragraph(wood);
  flow.Paragraph("Saw cuts: " + std::to_string(t.crossCuts) + " across the boards, " +
                 std::to_string(t.rips) + (t.rips == 1 ? " rip" : " rips") + "; kerf " +
                 Length(m, m.kerf) + ", trim " + Length(m, m.trim) + " at each end of a board.");
  flow.Paragraph(m.optimal ? "The cutting plan is proven to be the cheapest."
                           : "The cutting plan is the best found; no plan can cost less than " +
                                 MoneyText(m.currency, m.lowerBoundCost) + ".");
  if (!m.missing.empty()) {
    flow.Heading("Not in the list");
    for (const MissingPiece& p : m.missing) flow.Paragraph(p.text);
  }
  if (!m.nearMisses.empty()) {
    flow.Heading("Near misses");
    for (const NearMiss& n : m.nearMisses) flow.Paragraph(n.text);
  }
}

void CutList(const DesignRecord& rec, const Materials& m, Flow& flow) {
  flow.Heading("Cut list");
  const std::vector<TableMember> members = TableMembers(rec);
  const std::vector<double> columns = {0, 0.18, 0.26, 0.38, 0.52, 0.64, 0.88};
  flow.Row(columns, {"Member", "Pieces", "Lumber", "Length", "Width", "Ends", "Bolt holes"}, true);
  for (const Piece& p : m.pieces)
    flow.Row(columns, {p.member, std::to_string(p.count), p.lumber.name, Length(m, p.length),
                       Length(m, p.width), EndsText(members, p.kind), std::to_string(p.holes)});
  flow.Space(2);
  flow.Paragraph("Lengths are measured along the long edge of each piece.", kPacketSmallPoints);
}

}  // namespace

int DrawMaterialsPages(const DesignRecord& rec, const Materials& m, PacketPages& pages) {
  Flow flow(pages, "Materials");
  if (!m.problem.empty()) {
    flow.Paragraph(m.problem);
    return flow.Pages();
  }
  if (m.modelScale) flow.Paragraph("The list is for the full-size table.", kPacketHeadingPoints);
  ShoppingList(m, flow);
  Totals(m, flow);
  CutList(rec, m, flow);
  return flow.Pages();
}

int DrawCuttingDiagramPages(const Materials& m, PacketPages& pages) {
  if (!m.problem.empty() || m.boards.empty()) return 0;
  // The screen's diagram at the page's resolution: its type in points, a size smaller than the
  // text so that the names of short pieces side by side stay apart, its spacing in inches.
  DiagramStyle style;
  style.fontSize = kPacketSmallPoints - 1;
  style.lineStep = pages.LineStep(kPacketSmallPoints - 1);
  style.margin = pages.Inches(0.05);
  style.tallest = pages.Inches(0.8);
  const int penScale = std::max(1, pages.DotsPerInch() / 200);
  int count = 0;
  for (size_t first = 0; first < m.boards.size();) {
    pages.StartPage(count == 0 ? "Cutting diagrams" : "Cutting diagrams (continued)");
    ++count;
    // Room on the right for the label of an offcut at a board's end.
    const int width = static_cast<int>(pages.Width() - pages.Inches(0.9));
    const int height = static_cast<int>(pages.Bottom() - pages.Top());
    // As many boards as the page holds, and always one.
    style.firstBoard = first;
    style.boardCount = 1;
    while (first + style.boardCount < m.boards.size()) {
      DiagramStyle more = style;
      more.boardCount = style.boardCount + 1;
      if (CuttingDiagramHeight(m, width, more) > height) break;
      style.boardCount = more.boardCount;
    }
    CanvasWindow window(pages.canvas(), static_cast<int>(pages.Left()),
                        static_cast<int>(pages.Top()), width, height, penScale);
    DrawCuttingDiagram(m, window, style);
    pages.UseText(kPacketTextPoints);
    first += style.boardCount;
  }
  return count;
}

}  // namespace varnloft
