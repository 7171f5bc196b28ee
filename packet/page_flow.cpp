#include "packet/page_flow.h"

#include <algorithm>

#include "packet/text_wrap.h"

namespace varnloft {

namespace {

constexpr Rgb kFlowRuleGrey{150, 150, 150};
// Between two columns of a table, in points.
constexpr double kColumnGapPoints = 12;
// The last column of a table is never narrower than this, in points, even when that takes it
// past the right margin: a few words a line stay legible.
constexpr double kNarrowestLastColumnPoints = 72;

}  // namespace

PageFlow::PageFlow(PacketPages& pages, std::string section)
    : pages_(pages), section_(std::move(section)) {
  pages_.StartPage(section_);
  y_ = pages_.Top();
  count_ = 1;
}

void PageFlow::Need(double height) {
  if (y_ + height <= pages_.Bottom()) return;
  pages_.StartPage(section_ + " (continued)");
  y_ = pages_.Top();
  ++count_;
}

void PageFlow::Heading(const std::string& text) {
  const double step = pages_.LineStep(kPacketHeadingPoints);
  Need(step * 3);
  y_ += pages_.Points(4);
  pages_.UseText(kPacketHeadingPoints);
  pages_.canvas().TextOut(pages_.Left(), y_, text);
  y_ += step;
  pages_.UseText(kPacketTextPoints);
}

void PageFlow::Paragraph(const std::string& text, int points, double indent) {
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

void PageFlow::Table(const TextTable& table) {
  const size_t n = table.headings.size();
  if (table.rows.empty() || n == 0) return;
  Heading(table.title);
  // Where each column starts, in points from the left margin.
  std::vector<double> widest(n, 0);
  auto measure = [&](const std::vector<std::string>& cells) {
    for (size_t c = 0; c + 1 < n && c < cells.size(); ++c)
      widest[c] = std::max(widest[c], EstimatedTextWidth(cells[c], kPacketTextPoints));
  };
  measure(table.headings);
  for (const auto& row : table.rows) measure(row);
  std::vector<double> x(n, 0);
  for (size_t c = 1; c < n; ++c) x[c] = x[c - 1] + widest[c - 1] + kColumnGapPoints;
  const double pagePoints = pages_.Width() * 72.0 / pages_.DotsPerInch();
  const double lastPoints = std::max(kNarrowestLastColumnPoints, pagePoints - x[n - 1]);

  const double step = pages_.LineStep(kPacketTextPoints);
  auto row = [&](const std::vector<std::string>& cells) {
    std::vector<std::string> last;
    if (cells.size() >= n) last = WrapText(cells[n - 1], lastPoints, kPacketTextPoints);
    Need(std::max<size_t>(last.size(), 1) * step);
    pages_.UseText(kPacketTextPoints);
    Canvas& canvas = pages_.canvas();
    for (size_t c = 0; c + 1 < n && c < cells.size(); ++c)
      canvas.TextOut(pages_.Left() + pages_.Points(x[c]), y_, cells[c]);
    for (size_t i = 0; i < last.size(); ++i)
      canvas.TextOut(pages_.Left() + pages_.Points(x[n - 1]), y_ + i * step, last[i]);
    y_ += std::max<size_t>(last.size(), 1) * step;
  };
  row(table.headings);
  Rule();
  for (const auto& r : table.rows) row(r);
}

void PageFlow::Rule() {
  Canvas& c = pages_.canvas();
  c.SetPenColor(kFlowRuleGrey);
  c.SetPenWidth(std::max(1, static_cast<int>(pages_.Points(0.5))));
  c.MoveTo(pages_.Left(), y_);
  c.LineTo(pages_.Right(), y_);
  c.SetPenColor(kBlack);
  y_ += pages_.Points(2);
}

}  // namespace varnloft
