#include "plans/printed_plans.h"

#include <cmath>

#include "plans/member_details.h"
#include "plans/plan_layout.h"
#include "plans/plan_name.h"
#include "plans/plan_notes.h"
#include "plans/plan_style.h"
#include "plans/plan_views.h"
#include "platform/web_address.h"

namespace varnloft {

namespace {

constexpr int kPrinterPenWidth = 5;  // device pixels
constexpr int kTitleFontSize = 12;
constexpr int kTextFontSize = 10;

// Where each note line goes, in line steps below a base, and in which column.
struct NotePlacement {
  double overhangs, seatOverhangs, legAngles, braceAngle, frameDiagonal, cornerToCorner, extension,
      createdUsing, revision;
};

// Page 1 counts from the notice line; page 2 from its top line.
constexpr NotePlacement kOnFirstPage{2, 3, 5, 6, 8, 10, 11, 13, 14};
constexpr NotePlacement kOnSecondPage{4, 5, 6, 7, 9, 11, 12, 14, 15};

void PrintNotes(const DesignRecord& rec, Canvas& canvas, const PlanLayout& layout,
                const NotePlacement& at) {
  const double lm = layout.leftMargin, hw = layout.halfWidth, u = layout.lineStep;
  const double y = layout.textY;
  const PlanNotes notes = PlanNotesOf(rec);
  canvas.TextOut(lm, y + at.overhangs * u, notes.leftDeckOverhang);
  canvas.TextOut(hw, y + at.overhangs * u, notes.rightDeckOverhang);
  canvas.TextOut(lm, y + at.seatOverhangs * u, notes.leftSeatOverhang);
  canvas.TextOut(hw, y + at.seatOverhangs * u, notes.rightSeatOverhang);
  canvas.TextOut(lm, y + at.legAngles * u, notes.legAngles);
  canvas.TextOut(lm, y + at.braceAngle * u, notes.braceAngle);
  canvas.TextOut(lm, y + at.frameDiagonal * u, notes.frameDiagonalIntro);
  canvas.TextOut(lm, y + (at.frameDiagonal + 1) * u, notes.frameDiagonal);
  canvas.TextOut(lm, y + at.cornerToCorner * u, notes.cornerToCorner);
  canvas.TextOut(lm, y + at.extension * u, notes.seatSupportExtension);
  canvas.TextOut(lm, y + at.createdUsing * u, kPrintedCreatedLine);
  canvas.TextOut(lm, y + at.revision * u, kRevisionLine);
}

// Lines for the builder's own notes, one and a half text lines apart, down to the bottom
// margin; at least one.
void RuleNoteLines(Canvas& canvas, PlanLayout& layout, int pageWidth, int pageHeight) {
  layout.textY += 17 * layout.lineStep;
  layout.lineStep *= 1.5;
  const double right = std::floor(pageWidth - layout.leftMargin);
  do {
    canvas.MoveTo(layout.leftMargin, layout.textY);
    canvas.LineTo(right, layout.textY);
    layout.textY += layout.lineStep;
    // A page too small for a line step would never reach its bottom.
  } while (layout.lineStep > 0 && !(layout.textY > pageHeight - layout.lineStep));
}

void PrintSecondPageHeader(const DesignRecord& rec, const std::string& planName, Canvas& canvas,
                           const PlanLayout& layout, int pageWidth) {
  const double rightColumn = std::floor(pageWidth * 0.75);
  canvas.SetFontSize(kTitleFontSize);
  canvas.TextOut(layout.leftMargin, layout.lineStep, rec.TitleText);
  canvas.TextOut(rightColumn, layout.lineStep, "Page 2");
  canvas.SetFontSize(kTextFontSize);
  canvas.TextOut(layout.leftMargin, 2 * layout.lineStep, planName);
  canvas.TextOut(rightColumn, 2 * layout.lineStep, kMakerWebAddress);
}

}  // namespace

PrintedPlansResult PrintPlans(const DesignRecord& rec, PageSink& sink, const PlanContext& context) {
  RefuseIfDesignIncomplete(rec, "printed");
  sink.BeginDocument();
  Canvas& canvas = sink.PageCanvas();
  canvas.SetFontName("Arial");
  const int width = sink.PageWidth(), height = sink.PageHeight();

  PlanLayout layout = ComputePlanLayout(rec, width, height, kPrintedPageShape);
  canvas.SetPenWidth(kPrinterPenWidth);

  // Header of page 1.
  canvas.SetFontSize(kTitleFontSize);
  canvas.TextOut(layout.leftMargin, layout.lineStep, rec.TitleText);
  canvas.SetFontSize(kTextFontSize);
  PrintedPlansResult result;
  result.values = PlanValuesOf(rec, context);
  canvas.TextOut(layout.leftMargin, 2.25 * layout.lineStep, result.values.planName);
  canvas.TextOut(std::floor(width * 0.5), 2.25 * layout.lineStep, kMakerWebAddress);

  FontSizer fonts(canvas);
  fonts.Assume(kTextFontSize);
  DrawPlanViews(rec, canvas, layout, kPrintedStyle, fonts);

  layout.textY = PlanViewsDepth(rec, layout) + 9.5 * layout.lineStep;
  DrawMemberDetails(rec, canvas, layout, kPrintedStyle, fonts);

  // Footer start, where the sheet's first footer lines fall.
  result.footerTop = layout.textY;
  layout.halfWidth = width / 2.0;
  fonts.Use(kTextFontSize);
  canvas.TextOut(layout.leftMargin, layout.textY, rec.NoticeText);
  canvas.TextOut(layout.halfWidth, layout.textY, kMakerWebAddressCapitalised);
  canvas.TextOut(layout.leftMargin, layout.textY + layout.lineStep, kLoadTestLine);

  if (layout.textY > height * 0.75) {
    canvas.TextOut(layout.leftMargin, layout.textY + 2 * layout.lineStep,
                   "-- continued on Page 2 --");
    sink.NewPage();
    layout.textY = layout.lineStep;
    PrintSecondPageHeader(rec, result.values.planName, canvas, layout, width);
    PrintNotes(rec, canvas, layout, kOnSecondPage);
    RuleNoteLines(canvas, layout, width, height);
    result.pages = 2;
  } else {
    PrintNotes(rec, canvas, layout, kOnFirstPage);
    result.pages = 1;
  }
  sink.EndDocument();
  return result;
}

}  // namespace varnloft
