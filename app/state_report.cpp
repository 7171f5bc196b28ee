#include "app/state_report.h"

#include <cmath>
#include <cstdio>

#include "app/control_names.h"
#include "app/input_boxes.h"
#include "design/record_fields.h"
#include "platform/json_text.h"

namespace varnloft {

namespace {

// Nine significant digits read back to the same float; infinities and NaN have no JSON form.
std::string Single(float v) {
  if (!std::isfinite(v)) return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
  return buf;
}

std::string Flag(bool b) {
  return b ? "true" : "false";
}

// Writes `"key": value` members, one per line at the given indent.
class ObjectWriter {
 public:
  explicit ObjectWriter(int indent) : pad_(indent, ' ') {}
  void Add(const std::string& key, const std::string& rawValue) {
    body_ += (body_.empty() ? "" : ",\n") + pad_ + JsonQuote(key) + ": " + rawValue;
  }
  std::string Close(int outerIndent) const {
    if (body_.empty()) return "{}";
    return "{\n" + body_ + "\n" + std::string(outerIndent, ' ') + "}";
  }

 private:
  std::string pad_;
  std::string body_;
};

// A control on one line: {"text": "6", "visible": true, ...}
class InlineObject {
 public:
  InlineObject& Add(const std::string& key, const std::string& rawValue) {
    body_ += (body_.empty() ? "" : ", ") + JsonQuote(key) + ": " + rawValue;
    return *this;
  }
  std::string str() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

}  // namespace

std::string RecordJson(const DesignRecord& rec) {
  ObjectWriter w(4);
  for (const auto& f : LengthAndAngleFields()) w.Add(f.name, Single(rec.*(f.member)));
  w.Add("ImperialUnits", Flag(rec.ImperialUnits));
  w.Add("ModelScale", Flag(rec.ModelScale));
  w.Add("ScaleFactor", Single(rec.ScaleFactor));
  w.Add("LumberThickness", Single(rec.LumberThickness));
  w.Add("FormatUnscaled", Flag(rec.FormatUnscaled));
  w.Add("SupportsExterior", Flag(rec.SupportsExterior));
  w.Add("CustomDesignMode", Flag(rec.CustomDesignMode));
  w.Add("LegsRepositioned", Flag(rec.LegsRepositioned));
  w.Add("TitleText", JsonQuote(rec.TitleText));
  w.Add("NoticeText", JsonQuote(rec.NoticeText));
  w.Add("PlanName", JsonQuote(rec.PlanName));
  w.Add("TableTopLength", Single(rec.TableTopLength));
  w.Add("FrameDiagonal", Single(rec.FrameDiagonal));
  return w.Close(2);
}

std::string ControlsJson(const MainWindow& window) {
  const FormState& form = window.form;
  ObjectWriter w(4);
  for (const std::string& name : EditBoxNames()) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name), InlineObject()
                                   .Add("text", JsonQuote(c.text))
                                   .Add("visible", Flag(c.visible))
                                   .Add("left", std::to_string(c.left))
                                   .Add("width", std::to_string(c.width))
                                   .str());
  }
  for (const std::string& name : ComboBoxNames()) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name),
          InlineObject().Add("text", JsonQuote(c.text)).Add("visible", Flag(c.visible)).str());
  }
  std::vector<std::string> labels;
  for (const auto& entry : InputBoxTable())
    if (!entry.greenLabel.empty()) labels.emplace_back(entry.greenLabel);
  labels.emplace_back("thicknessLabel");
  for (const auto& name : labels) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name),
          InlineObject().Add("caption", JsonQuote(c.text)).Add("visible", Flag(c.visible)).str());
  }
  for (const char* name : {"feetHeading", "inchesHeading", "sixteenthsHeading", "widthHeading"}) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name), InlineObject()
                                   .Add("caption", JsonQuote(c.text))
                                   .Add("visible", Flag(c.visible))
                                   .Add("left", std::to_string(c.left))
                                   .str());
  }
  for (const char* name : {"exteriorSupports", "interiorSupports"}) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name), InlineObject()
                                   .Add("checked", Flag(c.checked))
                                   .Add("color", JsonQuote(HexColor(c.color)))
                                   .str());
  }
  for (const char* name :
       {"imperialButton", "metricButton", "designButton", "plansButton", "printButton"}) {
    const ControlState& c = form.at(name);
    w.Add(ControlNameOf(name), InlineObject()
                                   .Add("enabled", Flag(c.enabled))
                                   .Add("color", JsonQuote(HexColor(c.color)))
                                   .str());
  }
  // The option dialogs' boxes, once the dialogs exist.
  for (const char* name : {"thicknessDialog.inches", "thicknessDialog.sixteenths",
                           "thicknessDialog.millimetres", "scaleDialog.percentage"}) {
    if (form.Has(name)) w.Add(ControlNameOf(name), JsonQuote(form.at(name).text));
  }
  w.Add("MainWindowEnabled", Flag(form.mainWindowEnabled));
  w.Add("StatusPanel0", JsonQuote(form.statusPanel0));
  w.Add("StatusPanel1", JsonQuote(form.statusPanel1));
  w.Add("PresetChecked", JsonQuote(window.CheckedPresetCaption()));
  w.Add("ModelMenuCaption", JsonQuote(form.at("modelScaleItem").text));
  return w.Close(2);
}

std::string DialogsJson(const std::vector<ShownBox>& shown) {
  if (shown.empty()) return "[]";
  std::string out = "[\n";
  for (size_t i = 0; i < shown.size(); ++i) {
    const ShownBox& box = shown[i];
    out += "    " + InlineObject()
                        .Add("kind", JsonQuote(box.kind))
                        .Add("text", JsonQuote(box.text))
                        .Add("answer", box.answer.empty() ? "null" : JsonQuote(box.answer))
                        .str();
    out += i + 1 < shown.size() ? ",\n" : "\n";
  }
  return out + "  ]";
}

std::string DocumentJson(const MainWindow& window) {
  auto textOrNull = [](const std::string& s) { return s.empty() ? "null" : JsonQuote(s); };
  const std::string file =
      InlineObject()
          .Add("name", textOrNull(window.DesignPath().empty() ? "" : window.DesignName()))
          .Add("modified", Flag(window.IsModified()))
          .str();
  const std::string history = InlineObject()
                                  .Add("undo", textOrNull(window.UndoMenuText()))
                                  .Add("redo", textOrNull(window.RedoMenuText()))
                                  .str();
  return "\"file\": " + file + ",\n  \"history\": " + history;
}

std::string ReportJson(const MainWindow& window, const std::vector<ShownBox>& shown,
                       bool withDocument) {
  return "{\n  \"record\": " + RecordJson(window.rec) +
         ",\n  \"controls\": " + ControlsJson(window) + ",\n  \"dialogs\": " + DialogsJson(shown) +
         (withDocument ? ",\n  " + DocumentJson(window) : "") + "\n}\n";
}

}  // namespace varnloft
