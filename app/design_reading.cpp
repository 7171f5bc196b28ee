#include "app/design_reading.h"

#include "app/design_state.h"
#include "app/input_boxes.h"
#include "document/design_cycle.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

// What the window shows of a design, whatever became of it: which measure can be switched to,
// Plans and Print, the thickness label in the current measure and, once every width was read,
// the green labels in place of the size boxes.
void ShowDesigned(FormState& form, const DesignOutcome& outcome) {
  const DesignRecord& rec = outcome.record;
  const bool imperial = rec.ImperialUnits;
  form.at("metricButton").enabled = imperial;
  form.at("plansButton").enabled = true;
  form.at("printButton").enabled = true;
  form.Text("thicknessLabel") =
      imperial
          ? "( " + rec.FormatLength(rec.LumberThickness) + " )"
          : "( " + FixedText(static_cast<double>(rec.LumberThickness) * 12 * 25.4, 0, 4) + " mm )";
  ShowInputTexts(form, outcome.document);
  if (!outcome.lengthsRead) return;
  for (const auto& entry : InputBoxTable()) {
    if (!entry.IsLumberRow()) continue;
    form.at(entry.SizeBox()).visible = false;
    ControlState& label = form.at(entry.greenLabel);
    label.text = rec.FormatLength(rec.*(entry.input->field));
    label.visible = true;
  }
}

}  // namespace

void CalculateFromWindow(FormState& form, DesignRecord& rec, Prompts& prompts,
                         const std::function<void()>& angleReport) {
  const DesignOutcome outcome =
      DesignAnswering(CaptureDesignState(form, rec), rec, [&](const std::string& question) {
        return prompts.AskYesNoCancel(question) == Answer::Yes ? OverlapAnswer::Yes
                                                               : OverlapAnswer::No;
      });
  rec = outcome.record;
  ShowDesigned(form, outcome);
  for (const std::string& notice : outcome.notices) prompts.ShowInfo(notice);
  if (outcome.result == DesignOutcome::Result::Failed) throw ProgramError(outcome.error);
  if (angleReport) angleReport();
}

}  // namespace varnloft
