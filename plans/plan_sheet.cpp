#include "plans/plan_sheet.h"

#include "plans/member_details.h"
#include "plans/plan_name.h"
#include "plans/plan_notes.h"
#include "plans/plan_style.h"
#include "plans/plan_views.h"
#include "platform/web_address.h"

namespace varnloft {

namespace {

const char* const kSheetTitle = "Tellwick Picnic Tables Varnloft     ";

void WriteHeader(const std::string& planName, Canvas& canvas, const PlanLayout& layout,
                 const PlanContext& context) {
  canvas.SetPenWidth(1);
  canvas.SetFontSize(8);
  canvas.TextOut(layout.leftMargin, layout.lineStep,
                 kSheetTitle + FormatLongDate(context.calendarDate, context.locale));
  canvas.TextOut(layout.leftMargin, 2 * layout.lineStep, planName);
}

void WriteFooter(const DesignRecord& rec, Canvas& canvas, PlanLayout& layout) {
  const double lm = layout.leftMargin, hw = layout.halfWidth, u = layout.lineStep;
  const double y0 = layout.textY;
  canvas.TextOut(lm, y0 + u, rec.NoticeText);
  canvas.TextOut(hw, y0 + u, kMakerWebAddressCapitalised);
  canvas.TextOut(lm, y0 + 2 * u, kLoadTestLine);

  layout.textY += 2 * u;
  const double y1 = layout.textY;
  const PlanNotes notes = PlanNotesOf(rec);
  canvas.TextOut(lm, y1 + 2 * u, notes.leftDeckOverhang);
  canvas.TextOut(hw, y1 + 2 * u, notes.rightDeckOverhang);
  canvas.TextOut(lm, y1 + 3 * u, notes.leftSeatOverhang);
  canvas.TextOut(hw, y1 + 3 * u, notes.rightSeatOverhang);
  canvas.TextOut(lm, y1 + 5 * u, notes.legAngles);
  canvas.TextOut(lm, y1 + 6 * u, notes.braceAngle);
  canvas.TextOut(lm, y1 + 8 * u, notes.frameDiagonalIntro);
  canvas.TextOut(lm, y1 + 9 * u, notes.frameDiagonal);
  canvas.TextOut(lm, y1 + 10 * u, notes.cornerToCorner);
  canvas.TextOut(lm, y1 + 11 * u, notes.seatSupportExtension);
  canvas.TextOut(lm, y1 + 12 * u, kSheetCreatedLine);
  canvas.TextOut(lm, y1 + 13 * u, kRevisionLine);
  canvas.TextOut(hw, y1 + 13 * u, kMakerWebAddress);
}

}  // namespace

PlanSheetResult DrawPlanSheet(const DesignRecord& rec, Canvas& canvas, const PlanContext& context) {
  RefuseIfDesignIncomplete(rec, "drawn");
  const int width = canvas.Width(), height = canvas.Height();

  // A white rectangle over the whole picture clears it.
  canvas.SetFontName("Arial");
  canvas.SetFontColor(kMaroon);
  canvas.SetPenColor(kWhite);
  canvas.Rectangle(0, 0, width, height);
  canvas.SetPenColor(kNavy);

  PlanLayout layout = ComputePlanLayout(rec, width, height, kSheetShape);
  const PlanValues values = PlanValuesOf(rec, context);
  WriteHeader(values.planName, canvas, layout, context);

  FontSizer fonts(canvas);
  layout.textY = 5 * layout.lineStep;
  DrawPlanViews(rec, canvas, layout, kSheetStyle, fonts);

  layout.textY = PlanViewsDepth(rec, layout) + 10 * layout.lineStep;
  DrawMemberDetails(rec, canvas, layout, kSheetStyle, fonts);

  layout.halfWidth = width / 2.0;
  layout.textY -= layout.lineStep;
  WriteFooter(rec, canvas, layout);
  return PlanSheetResult{layout, layout.textY, values};
}

}  // namespace varnloft
