#include "packet/template_pages.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "measure/number_text.h"
#include "packet/cut_template.h"
#include "packet/text_wrap.h"
#include "plans/member_texts.h"

namespace varnloft {

namespace {

constexpr double kOverlapInches = 0.5;  // tiles overlap by this much
constexpr int kMaxTilePages = 4;
constexpr int kSquareLabelPoints = 14;
constexpr int kSentencePoints = kPacketTextPoints + 1;
constexpr Rgb kFrameGrey{170, 170, 170};

// A paragraph of a caption or a note, wrapped where it is written.
struct Paragraph {
  std::string text;
  int points = kPacketTextPoints;
};

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

std::string MemberList(const AngledCut& cut) {
  std::string out;
  for (const CutMember& m : cut.members) {
    if (!out.empty()) out += ", ";
    out += CountText(m.count) + " " + m.name + (m.count == 1 ? "" : "s");
  }
  return out;
}

std::string PartLine(int part, int parts, int row, int rows, int column, int columns) {
  return "Part " + std::to_string(part) + " of " + std::to_string(parts) + " (row " +
         std::to_string(row) + " of " + std::to_string(rows) + ", column " +
         std::to_string(column) + " of " + std::to_string(columns) +
         "). Overlap the parts so that the circled crosses meet, then tape them.";
}

std::string NotFullSize(const std::string& percent) {
  return "NOT FULL SIZE: drawn at " + percent +
         " % to fit one page. Do not trace it; mark the cut with the angle and the rafter square.";
}

// Tiles of `tile` pixels overlapping by `overlap` needed along `extent` pixels.
int TilesAlong(double extent, double tile, double overlap) {
  if (extent <= tile) return 1;
  if (tile <= overlap) return kMaxTilePages + 1;
  return static_cast<int>(std::ceil((extent - overlap) / (tile - overlap)));
}

// The template pages' writer. Every page has the same band at its top: the note to print at
// 100 %, the calibration square and, beside it, how to use the templates; the templates' area
// lies below the band.
class TemplateWriter {
 public:
  TemplateWriter(const DesignRecord& rec, PacketPages& pages);

  // A fresh page with its band; `beside`, when given, is written beside the square (it must fit
  // there: see FitsBeside).
  void NewPage(const std::vector<Paragraph>* beside = nullptr);
  bool Open() const { return open_; }
  void Close() { open_ = false; }
  double AreaWidth() const { return pages_.Width(); }
  double FullHeight() const { return pages_.Bottom() - areaTop_; }
  double Remaining() const { return pages_.Bottom() - y_; }

  std::vector<Paragraph> Caption(const AngledCut& cut, int index, int count,
                                 const std::string& extra) const;
  // Height of the paragraphs wrapped to `width` pixels.
  double Height(const std::vector<Paragraph>& paragraphs, double width) const;
  bool FitsBeside(const std::vector<Paragraph>& caption) const {
    return Height(caption, columnWidth_) <= besideRoom_;
  }
  // Writes the caption across the area at the current position and moves below it.
  void WriteCaption(const std::vector<Paragraph>& caption);
  void PlaceWhole(const Figure& figure);
  void PlacePart(const Figure& figure, const FigureRect& part);

 private:
  // Writes the paragraphs from (left, y) wrapped to `width` pixels; returns the y below them.
  double Write(const std::vector<Paragraph>& paragraphs, double left, double y, double width);
  void DrawBand(const std::vector<Paragraph>* beside);

  const DesignRecord& rec_;
  PacketPages& pages_;
  std::vector<Paragraph> notes_;
  double side_ = 0, pen_ = 1, squareTop_ = 0, columnLeft_ = 0, columnWidth_ = 0;
  double besideRoom_ = 0;  // below the notes, beside the square
  double areaTop_ = 0;
  bool open_ = false;
  double y_ = 0;
};

TemplateWriter::TemplateWriter(const DesignRecord& rec, PacketPages& pages)
    : rec_(rec), pages_(pages) {
  notes_ = {{"Cut each template out along its outline. Lay its two long edge lines on the edges "
             "of the board and mark along the thick line: that is the cut."},
            {"The thin grey line is square across the board, for reference; the triangle "
             "between it and the cut is waste."},
            {"A template marks either end of its pieces: turn it over or end for end as the end "
             "needs."}};
  if (rec_.ModelScale)
    notes_.push_back({"Model scale: the templates are drawn at the model's size (" +
                      FixedText(rec_.ScaleFactor * 100.0, 1, 3) +
                      " % of full size), as the lengths are shown."});
  side_ = std::round(pages_.Inches(CalibrationSquareInches(rec_.ImperialUnits)));
  pen_ = std::max(1L, std::lround(pages_.Points(0.5)));
  squareTop_ = pages_.Top() + pages_.LineStep(kSentencePoints) + pages_.Points(4) + pen_;
  columnLeft_ = pages_.Left() + pen_ + side_ + pages_.Inches(0.25);
  columnWidth_ = pages_.Right() - columnLeft_;
  const double notesHeight = Height(notes_, columnWidth_);
  besideRoom_ = side_ - notesHeight - pages_.Points(6);
  areaTop_ = squareTop_ + std::max(side_, notesHeight) + pages_.Inches(0.2);
}

double TemplateWriter::Height(const std::vector<Paragraph>& paragraphs, double width) const {
  const double widthPoints = width * 72.0 / pages_.DotsPerInch();
  double h = 0;
  for (const Paragraph& p : paragraphs)
    h += static_cast<double>(WrapText(p.text, widthPoints, p.points).size()) *
             pages_.LineStep(p.points) +
         pages_.Points(3);
  return h;
}

double TemplateWriter::Write(const std::vector<Paragraph>& paragraphs, double left, double y,
                             double width) {
  const double widthPoints = width * 72.0 / pages_.DotsPerInch();
  for (const Paragraph& p : paragraphs) {
    pages_.UseText(p.points);
    for (const std::string& line : WrapText(p.text, widthPoints, p.points)) {
      pages_.canvas().TextOut(left, y, line);
      y += pages_.LineStep(p.points);
    }
    y += pages_.Points(3);
  }
  pages_.UseText(kPacketTextPoints);
  return y;
}

void TemplateWriter::NewPage(const std::vector<Paragraph>* beside) {
  pages_.StartPage("Full-size templates");
  DrawBand(beside);
  y_ = areaTop_;
  open_ = true;
}

void TemplateWriter::DrawBand(const std::vector<Paragraph>* beside) {
  Canvas& c = pages_.canvas();
  const bool imperial = rec_.ImperialUnits;
  pages_.UseText(kSentencePoints);
  c.TextOut(pages_.Left(), pages_.Top(),
            std::string("Print at 100 % (no fit to page). Check that this square measures ") +
                (imperial ? "4 in." : "100 mm."));

  // The square: four lines whose centres lie exactly one side apart.
  const double x0 = pages_.Left() + pen_, y0 = squareTop_;
  pages_.UseText(kSquareLabelPoints, static_cast<int>(pen_));
  c.MoveTo(x0, y0);
  c.LineTo(x0 + side_, y0);
  c.LineTo(x0 + side_, y0 + side_);
  c.LineTo(x0, y0 + side_);
  c.LineTo(x0, y0);
  // Ticks along the lower edge: every 1/2 in (every 10 mm), longer at each inch (each 50 mm).
  const int ticks = imperial ? 8 : 10;
  for (int i = 1; i < ticks; ++i) {
    const bool major = imperial ? i % 2 == 0 : i % 5 == 0;
    const double x = x0 + side_ * i / ticks;
    c.MoveTo(x, y0 + side_);
    c.LineTo(x, y0 + side_ - pages_.Inches(major ? 0.16 : 0.08));
  }
  const std::string label = imperial ? "4 in" : "100 mm";
  c.TextOut(x0 + side_ / 2 - pages_.Points(EstimatedTextWidth(label, kSquareLabelPoints)) / 2,
            y0 + side_ / 2 - pages_.LineStep(kSquareLabelPoints) / 2, label);

  const double below = Write(notes_, columnLeft_, y0, columnWidth_);
  if (beside) Write(*beside, columnLeft_, below + pages_.Points(6), columnWidth_);
}

std::vector<Paragraph> TemplateWriter::Caption(const AngledCut& cut, int index, int count,
                                               const std::string& extra) const {
  const std::string angle = AngleText(cut.angle) + "\xC2\xB0";
  std::string detail =
      AngleName(cut) + " " + angle + " off square, across " +
      Trimmed(rec_.FormatLength(static_cast<float>(cut.width))) + "; the cut runs " +
      Trimmed(rec_.FormatLength(static_cast<float>(cut.offset))) + " along the edge.";
  detail[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(detail[0])));
  if (rec_.ModelScale) detail += " Drawn at the model's size.";
  std::vector<Paragraph> caption = {{"Template " + std::to_string(index) + " of " +
                                         std::to_string(count) + ": " + MemberList(cut),
                                     kPacketHeadingPoints},
                                    {detail},
                                    {Trimmed(AngleSquareText(rec_, cut.angle))}};
  if (!extra.empty()) caption.push_back({extra, kPacketHeadingPoints});
  return caption;
}

void TemplateWriter::WriteCaption(const std::vector<Paragraph>& caption) {
  y_ = Write(caption, pages_.Left(), y_, AreaWidth());
}

void TemplateWriter::PlaceWhole(const Figure& figure) {
  DrawFigure(pages_.canvas(), figure, pages_.Left(), y_);
  y_ += figure.height + pages_.Inches(0.2);
}

void TemplateWriter::PlacePart(const Figure& figure, const FigureRect& part) {
  // The part's frame, where the pages are trimmed or overlapped.
  Canvas& c = pages_.canvas();
  const double left = pages_.Left(), top = y_;
  c.SetPenColor(kFrameGrey);
  c.SetPenWidth(1);
  c.MoveTo(left, top);
  c.LineTo(left + part.width, top);
  c.LineTo(left + part.width, top + part.height);
  c.LineTo(left, top + part.height);
  c.LineTo(left, top);
  DrawFigurePart(c, figure, part, left, top);
  pages_.UseText(kPacketTextPoints);
  y_ += part.height;
}

// Circled crosses in the strips where neighbouring tiles overlap: the same marks print on both
// pages, at the same place of the template.
void AddAlignmentMarks(Figure& f, int columns, int rows, double stepX, double stepY, double tileW,
                       double tileH, double overlap, double dpi) {
  const double radius = 0.1 * dpi, arm = 0.18 * dpi;
  const int pen = std::max(1, static_cast<int>(dpi / 150));
  auto mark = [&](double x, double y) {
    f.circles.push_back({x, y, radius, pen, kBlack});
    f.Line(x - arm, y, x + arm, y, pen);
    f.Line(x, y - arm, x, y + arm, pen);
  };
  for (int i = 0; i + 1 < columns; ++i) {
    const double x = (i + 1) * stepX + overlap / 2;
    for (int j = 0; j < rows; ++j)
      for (double at : {0.25, 0.75})
        mark(x, std::min(j * stepY + std::min(tileH, f.height - j * stepY) * at, f.height));
  }
  for (int j = 0; j + 1 < rows; ++j) {
    const double y = (j + 1) * stepY + overlap / 2;
    for (int i = 0; i < columns; ++i)
      for (double at : {0.25, 0.75})
        mark(std::min(i * stepX + std::min(tileW, f.width - i * stepX) * at, f.width), y);
  }
}

}  // namespace

double CalibrationSquareInches(bool imperial) {
  return imperial ? 4.0 : 100.0 / 25.4;
}

std::vector<PlacedTemplate> DrawTemplatePages(const DesignRecord& rec, PacketPages& pages) {
  const std::vector<AngledCut> cuts = AngledCuts(rec);
  std::vector<PlacedTemplate> placed;
  if (cuts.empty()) return placed;
  const double dpi = pages.DotsPerInch();
  const TemplatePaper paper{dpi, 12 * dpi * TemplateScale(rec), rec.ImperialUnits};
  TemplateWriter w(rec, pages);
  const int count = static_cast<int>(cuts.size());

  for (int index = 1; index <= count; ++index) {
    const AngledCut& cut = cuts[index - 1];
    const Figure across = CutTemplateFigure(cut, paper, false);
    const Figure down = CutTemplateFigure(cut, paper, true);
    const std::vector<Paragraph> caption = w.Caption(cut, index, count, "");
    const double captionHeight = w.Height(caption, w.AreaWidth());
    // Along the page rather than down it, when both fit.
    auto choose = [&](double room) -> const Figure* {
      for (const Figure* f : {&across, &down})
        if (f->width <= w.AreaWidth() && captionHeight + f->height <= room) return f;
      return nullptr;
    };
    PlacedTemplate result;

    // Whole: on this page when it has room, else on a fresh one.
    const Figure* whole = w.Open() ? choose(w.Remaining()) : nullptr;
    if (!whole && (whole = choose(w.FullHeight()))) w.NewPage();
    if (whole) {
      result.firstPage = pages.DocumentPages();
      result.upright = whole == &down;
      w.WriteCaption(caption);
      w.PlaceWhole(*whole);
      placed.push_back(result);
      continue;
    }

    // Tiled over at most four pages, in the direction that needs fewer. The caption goes
    // beside the calibration square when it fits there, leaving the whole area to the tile.
    const std::vector<Paragraph> longest =
        w.Caption(cut, index, count, PartLine(kMaxTilePages, kMaxTilePages, 2, 2, 2, 2));
    const bool beside = w.FitsBeside(longest);
    const double tileW = w.AreaWidth();
    const double tileH = w.FullHeight() - (beside ? 0 : w.Height(longest, w.AreaWidth()));
    const double overlap = kOverlapInches * dpi;
    auto tiles = [&](const Figure& f) {
      return TilesAlong(f.width, tileW, overlap) * TilesAlong(f.height, tileH, overlap);
    };
    const bool upright = tiles(down) < tiles(across);
    const Figure& tiled = upright ? down : across;
    if (tileH > overlap && tiles(tiled) <= kMaxTilePages) {
      const int columns = TilesAlong(tiled.width, tileW, overlap);
      const int rows = TilesAlong(tiled.height, tileH, overlap);
      const double stepX = tileW - overlap, stepY = tileH - overlap;
      Figure marked = tiled;
      AddAlignmentMarks(marked, columns, rows, stepX, stepY, tileW, tileH, overlap, dpi);
      result.fit = TemplateFit::Tiled;
      result.upright = upright;
      result.columns = columns;
      result.rows = rows;
      for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
          const int part = row * columns + column + 1;
          const std::vector<Paragraph> partCaption =
              w.Caption(cut, index, count,
                        PartLine(part, columns * rows, row + 1, rows, column + 1, columns));
          w.NewPage(beside ? &partCaption : nullptr);
          if (part == 1) result.firstPage = pages.DocumentPages();
          if (!beside) w.WriteCaption(partCaption);
          const FigureRect rect{column * stepX, row * stepY,
                                std::min(tileW, tiled.width - column * stepX),
                                std::min(tileH, tiled.height - row * stepY)};
          w.PlacePart(marked, rect);
        }
      }
      w.Close();
      placed.push_back(result);
      continue;
    }

    // Drawn smaller to fit one page, and said so.
    const double available =
        w.FullHeight() -
        w.Height(w.Caption(cut, index, count, NotFullSize("100.0")), w.AreaWidth());
    auto fitScale = [&](const Figure& f) {
      return std::max(0.0, std::min(w.AreaWidth() / f.width, available / f.height) * 0.999);
    };
    result.fit = TemplateFit::Scaled;
    result.upright = fitScale(down) > fitScale(across);
    result.scale = fitScale(result.upright ? down : across);
    TemplatePaper smaller = paper;
    smaller.dotsPerInch *= result.scale;
    smaller.pixelsPerFoot *= result.scale;
    w.NewPage();
    result.firstPage = pages.DocumentPages();
    w.WriteCaption(w.Caption(cut, index, count, NotFullSize(FixedText(result.scale * 100, 1, 3))));
    w.PlaceWhole(CutTemplateFigure(cut, smaller, result.upright));
    w.Close();
    placed.push_back(result);
  }
  return placed;
}

}  // namespace varnloft
