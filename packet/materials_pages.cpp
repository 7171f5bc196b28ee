#include "packet/materials_pages.h"

#include <algorithm>
#include <vector>

#include "materials/cutting_diagram.h"
#include "materials/materials_lists.h"
#include "packet/canvas_window.h"
#include "packet/counting_page_sink.h"
#include "packet/page_flow.h"

namespace varnloft {

namespace {

// Sentences under a heading; nothing when there are none.
void Sentences(PageFlow& flow, const std::string& heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  flow.Heading(heading);
  for (const std::string& line : lines) flow.Paragraph(line);
}

// Both sections on `sink` as one document; returns its number of pages.
int LayMaterials(const Materials& m, const std::string& name, PageSink& sink, int dotsPerInch,
                 int totalPages) {
  sink.BeginDocument();
  PacketPages pages(sink, dotsPerInch, name, 0, totalPages);
  DrawMaterialsPages(m, pages);
  DrawCuttingDiagramPages(m, pages);
  sink.EndDocument();
  return pages.DocumentPages();
}

}  // namespace

int DrawMaterialsPages(const Materials& m, PacketPages& pages) {
  PageFlow flow(pages, "Materials");
  const MaterialsLists lists = ListsOf(m);
  if (!lists.problem.empty()) {
    flow.Paragraph(lists.problem);
    return flow.Pages();
  }
  for (const std::string& note : lists.notes) flow.Paragraph(note);
  flow.Table(lists.shopping);
  flow.Table(lists.hardware);
  flow.Table(lists.totals);
  flow.Table(lists.cutList);
  Sentences(flow, "Near misses", lists.nearMisses);
  Sentences(flow, "Not planned", lists.missing);
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

int PrintMaterialsPages(const Materials& m, const std::string& name, PageSink& sink,
                        int dotsPerInch) {
  // Laid out once without drawing to count the pages, then drawn with "page N of M".
  CountingPageSink counting(sink.PageWidth(), sink.PageHeight());
  const int total = LayMaterials(m, name, counting, dotsPerInch, 0);
  return LayMaterials(m, name, sink, dotsPerInch, total);
}

}  // namespace varnloft
