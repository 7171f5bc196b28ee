#include "app/option_dialogs.h"

#include "app/design_commands.h"
#include "app/main_window.h"

namespace varnloft {

bool RunDialogEvent(MainWindow& window, const std::string& dialog,
                    const std::function<void()>& handler, const std::function<void()>& activate) {
  const bool wasOpen = window.form.at(dialog).visible;
  window.HandleUserEvent(handler);
  const bool closed = wasOpen && !window.form.at(dialog).visible;
  if (closed) {
    if (activate)
      activate();
    else
      window.HandleUserEvent([&] { window.design().Activate(); });
  }
  return closed;
}

void TypeIntoDialogBox(MainWindow& window, const std::string& dialog, const std::string& box,
                       const std::string& text,
                       const std::function<void(const std::string&)>& change) {
  if (text.empty()) {
    RunDialogEvent(window, dialog, [&] { change(""); });
    return;
  }
  const std::string control = DialogControl(dialog, box);
  for (size_t i = 0; i < text.size() && window.form.at(dialog).visible; ++i) {
    // The first key replaces the selected text; the others go on at the end of the box, where a
    // handler's "0" leaves the cursor.
    const std::string typed = (i == 0 ? std::string() : window.form.Text(control)) + text[i];
    RunDialogEvent(window, dialog, [&] { change(typed); });
  }
}

}  // namespace varnloft
