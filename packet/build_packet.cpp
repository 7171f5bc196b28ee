#include "packet/build_packet.h"

#include "materials/materials.h"
#include "packet/canvas_window.h"
#include "packet/counting_page_sink.h"
#include "packet/materials_pages.h"
#include "packet/packet_pages.h"
#include "packet/safety_pages.h"
#include "packet/section_page_sink.h"
#include "plans/plan_name.h"
#include "plans/printed_plans.h"
#include "platform/clock.h"

#ifndef VARNLOFT_VERSION
#error "VARNLOFT_VERSION is set by the build"
#endif

namespace varnloft {

namespace {

// The packet is laid out twice (once to count its pages); both passes stamp the same time.
class FrozenClock : public Clock {
 public:
  explicit FrozenClock(const LocalDateTime& t) : t_(t) {}
  LocalDateTime Now() const override { return t_; }

 private:
  LocalDateTime t_;
};

PacketLayout Lay(const DesignRecord& rec, PageSink& sink, const PacketContents& contents,
                 const Materials& materials, const LocalDateTime& now, int totalPages) {
  FrozenClock clock(now);
  PlanContext plans = contents.plans;
  plans.clock = &clock;
  PacketLayout layout;

  sink.BeginDocument();
  SectionPageSink plansSink(sink, true);
  layout.plans = PrintPlans(rec, plansSink, plans).values;
  layout.planPages = plansSink.Pages();

  PacketPages pages(sink, contents.dotsPerInch, layout.plans.planName, layout.planPages,
                    totalPages);
  layout.materialsPages = DrawMaterialsPages(materials, pages);
  layout.diagramPages = DrawCuttingDiagramPages(materials, pages);
  if (!contents.safetyVerdict.empty())
    layout.safetyPages = DrawSafetyPages(contents.safetyVerdict, contents.safetyRows, pages);
  const int beforeTemplates = pages.DocumentPages();
  layout.templates = DrawTemplatePages(rec, pages);
  layout.templatePages = pages.DocumentPages() - beforeTemplates;

  // The exploded assembly of the 3D model, drawn by its own function on the page's area.
  if (contents.drawAssembly) {
    pages.StartPage("Assembly");
    CanvasWindow area(pages.canvas(), static_cast<int>(pages.Left()), static_cast<int>(pages.Top()),
                      static_cast<int>(pages.Width()),
                      static_cast<int>(pages.Bottom() - pages.Top()));
    contents.drawAssembly(area);
    layout.assemblyPages = 1;
  }
  layout.pages = pages.DocumentPages();
  sink.EndDocument();
  return layout;
}

}  // namespace

std::string PacketCreator() {
  return std::string("Varnloft ") + VARNLOFT_VERSION;
}

std::string PacketTitle(const PlanContext& plans, const LocalDateTime& now) {
  return PlanName(plans.statusText, now);
}

void RefusePacketIfDesignIncomplete(const DesignRecord& rec) {
  RefuseIfDesignIncomplete(rec, "put into a build packet");
}

PacketLayout WriteBuildPacket(const DesignRecord& rec, PageSink& sink,
                              const PacketContents& contents, const LocalDateTime& now) {
  RefusePacketIfDesignIncomplete(rec);
  const Materials materials = BuildMaterials(rec, contents.materials);
  // Laid out once without drawing to count the pages, then drawn with "page N of M".
  CountingPageSink counting(sink.PageWidth(), sink.PageHeight());
  const PacketLayout counted = Lay(rec, counting, contents, materials, now, 0);
  return Lay(rec, sink, contents, materials, now, counted.pages);
}

}  // namespace varnloft
