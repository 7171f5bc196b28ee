// Lays the Safety section out with the page flow the materials use: the verdict, the estimate's
// warning, then the table of checks (continued on a new page when it does not fit).
#include "packet/safety_pages.h"

#include "packet/page_flow.h"

namespace varnloft {

int DrawSafetyPages(const std::string& verdict, const std::vector<SafetyRow>& rows,
                    PacketPages& pages) {
  PageFlow flow(pages, "Safety");
  flow.Paragraph(verdict);
  flow.Paragraph(
      "This is an estimate from published reference values, not an engineer's "
      "approval. It assumes sound, straight lumber of the stated grade, tight bolts, a "
      "level floor and one person at a time.");
  TextTable table;
  table.title = "Checks";
  // The figures share the last column, which wraps on the page; the others stay narrow.
  table.headings = {"Check", "Result", "Figure; limit; margin; source"};
  for (const SafetyRow& r : rows)
    table.rows.push_back({r.check, r.ok ? "PASS" : "FAIL",
                          r.figure + "; " + r.limit + "; " + r.margin + "; " + r.source});
  flow.Table(table);
  return flow.Pages();
}

}  // namespace varnloft
