#include "app/materials_pages.h"

#include <algorithm>
#include <cmath>

#include "materials/cutting_diagram.h"

namespace varnloft {

namespace {

constexpr int kTitlePoints = 12, kTextPoints = 9;
// Arial's characters average about half their height; a little more keeps columns apart.
constexpr double kCharWidths = 0.55;

// Text lines going down the pages: a new page starts where the next line would not fit.
class PageWriter {
 public:
  PageWriter(PageSink& sink, int dotsPerInch)
      : sink_(sink), canvas_(sink.PageCanvas()), dpi_(dotsPerInch) {}

  double Pixels(double points) const { return points * dpi_ / 72; }
  double LineStep() const { return Pixels(kTextPoints) * 1.5; }
  double CharWidth() const { return Pixels(kTextPoints) * kCharWidths; }
  int Width() const { return sink_.PageWidth(); }
  Canvas& canvas() { return canvas_; }
  int pages() const { return pages_; }

  // Room for `height` more on this page, else a new page.
  void Need(double height) {
    if (y_ > 0 && y_ + height > sink_.PageHeight()) {
      sink_.NewPage();
      ++pages_;
      y_ = 0;
    }
  }
  void Skip(double height) { y_ += height; }
  double y() const { return y_; }
  void MoveTo(double y) { y_ = y; }

  void Title(const std::string& text) {
    Need(3 * LineStep());
    canvas_.SetFontSize(kTitlePoints);
    canvas_.TextOut(0, y_, text);
    canvas_.SetFontSize(kTextPoints);
    y_ += Pixels(kTitlePoints) * 1.6;
  }

  // A sentence, wrapped at blanks to the page's width.
  void Paragraph(const std::string& text) {
    for (const std::string& line : Wrap(text, Columns(0))) Line(0, line);
  }

  void Line(double x, const std::string& text) {
    Need(LineStep());
    canvas_.TextOut(x, y_, text);
    y_ += LineStep();
  }

  // Characters that fit from x to the right edge.
  size_t Columns(double x) const {
    return static_cast<size_t>(std::max(10.0, (Width() - x) / CharWidth()));
  }

  static std::vector<std::string> Wrap(const std::string& text, size_t columns) {
    std::vector<std::string> lines;
    std::string line;
    size_t from = 0;
    while (from <= text.size()) {
      size_t blank = text.find(' ', from);
      if (blank == std::string::npos) blank = text.size();
      const std::string word = text.substr(from, blank - from);
      if (!line.empty() && line.size() + 1 + word.size() > columns) {
        lines.push_back(line);
        line.clear();
      }
      line += (line.empty() ? "" : " ") + word;
      from = blank + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
  }

 private:
  PageSink& sink_;
  Canvas& canvas_;
  int dpi_;
  double y_ = 0;
  int pages_ = 1;
};

// A table: each column as wide as its longest text, the last one taking what is left of the
// page and wrapping there.
void PrintTable(PageWriter& out, const TextTable& table) {
  if (table.rows.empty()) return;
  out.Title(table.title);
  const size_t n = table.headings.size();
  std::vector<size_t> chars(n, 0);
  auto measure = [&](const std::vector<std::string>& cells) {
    for (size_t c = 0; c + 1 < n && c < cells.size(); ++c)
      chars[c] = std::max(chars[c], cells[c].size());
  };
  measure(table.headings);
  for (const auto& row : table.rows) measure(row);
  std::vector<double> x(n, 0);
  for (size_t c = 1; c < n; ++c) x[c] = x[c - 1] + (chars[c - 1] + 3) * out.CharWidth();
  auto row = [&](const std::vector<std::string>& cells) {
    const std::vector<std::string> last =
        PageWriter::Wrap(cells.empty() ? "" : cells.back(), out.Columns(x[n - 1]));
    out.Need(last.size() * out.LineStep());
    const double top = out.y();
    for (size_t c = 0; c + 1 < n && c < cells.size(); ++c)
      out.canvas().TextOut(x[c], top, cells[c]);
    for (const std::string& line : last) out.Line(x[n - 1], line);
  };
  row(table.headings);
  for (const auto& r : table.rows) row(r);
  out.Skip(out.LineStep());
}

}  // namespace

int PrintMaterials(const Materials& m, const std::string& title, PageSink& sink, int dotsPerInch) {
  sink.BeginDocument();
  PageWriter out(sink, dotsPerInch);
  Canvas& canvas = out.canvas();
  canvas.SetFontName("Arial");
  canvas.SetFontColor(kBlack);
  canvas.SetPenColor(kBlack);
  out.Title(title);
  const MaterialsLists lists = ListsOf(m);
  if (!lists.problem.empty()) {
    out.Paragraph(lists.problem);
    sink.EndDocument();
    return out.pages();
  }
  for (const std::string& note : lists.notes) out.Paragraph(note);
  out.Skip(out.LineStep());
  PrintTable(out, lists.shopping);
  PrintTable(out, lists.hardware);
  PrintTable(out, lists.totals);
  PrintTable(out, lists.cutList);
  for (const auto& [heading, lines] :
       {std::pair{"Near misses", &lists.nearMisses}, std::pair{"Not planned", &lists.missing}}) {
    if (lines->empty()) continue;
    out.Title(heading);
    for (const std::string& line : *lines) out.Paragraph(line);
    out.Skip(out.LineStep());
  }

  if (!m.boards.empty()) {
    // The diagram at the screen's proportions, scaled to the device: 96 pixels an inch.
    const double k = dotsPerInch / 96.0;
    DiagramStyle style;
    style.lineStep *= k;
    style.margin = 0;
    style.tallest *= k;
    out.Title("Cutting diagram");
    canvas.SetPenWidth(std::max(1, dotsPerInch / 150));
    for (size_t i = 0; i < m.boards.size(); ++i) {
      out.Need(CuttingDiagramBoardHeight(m, i, out.Width(), style));
      canvas.SetFontSize(style.fontSize);
      out.MoveTo(DrawCuttingDiagramBoards(m, canvas, i, i + 1, out.y(), style));
    }
  }
  sink.EndDocument();
  return out.pages();
}

}  // namespace varnloft
