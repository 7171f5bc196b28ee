#include "app/window_snapshot.h"

namespace varnloft {

WindowSnapshot TakeSnapshot(const FormState& form, const DesignRecord& rec) {
  WindowSnapshot snapshot;
  snapshot.controls.reserve(form.Names().size());
  for (const std::string& name : form.Names()) {
    const ControlState& c = form.at(name);
    snapshot.controls.push_back(
        {c.text, c.visible, c.enabled, c.checked, c.left, c.width, c.color, c.cursor});
  }
  snapshot.statusPanel0 = form.statusPanel0;
  snapshot.statusPanel1 = form.statusPanel1;
  snapshot.mainWindowEnabled = form.mainWindowEnabled;
  snapshot.woodSpecies = form.woodSpecies;
  snapshot.rec = rec;
  return snapshot;
}

void RestoreSnapshot(const WindowSnapshot& snapshot, FormState& form, DesignRecord& rec) {
  const auto& names = form.Names();
  for (size_t i = 0; i < names.size() && i < snapshot.controls.size(); ++i) {
    const ControlValues& v = snapshot.controls[i];
    ControlState& c = form.at(names[i]);
    c.text = v.text;
    c.visible = v.visible;
    c.enabled = v.enabled;
    c.checked = v.checked;
    c.left = v.left;
    c.width = v.width;
    c.color = v.color;
    c.cursor = v.cursor;
  }
  form.statusPanel0 = snapshot.statusPanel0;
  form.statusPanel1 = snapshot.statusPanel1;
  form.mainWindowEnabled = snapshot.mainWindowEnabled;
  form.woodSpecies = snapshot.woodSpecies;
  const std::string title = rec.TitleText, notice = rec.NoticeText;
  const std::string separator = rec.ThousandsSeparator;
  rec = snapshot.rec;
  rec.TitleText = title;
  rec.NoticeText = notice;
  rec.ThousandsSeparator = separator;
}

}  // namespace varnloft
