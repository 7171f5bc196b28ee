#pragma once
// The window and its design document: the document read off the window's boxes, menus and
// options, and a document put into the window.
#include "app/form_state.h"
#include "design/design_record.h"
#include "document/design_document.h"

namespace varnloft {

// The document that the window shows.
DesignDocument CaptureDesignState(const FormState& form, const DesignRecord& rec);

// Writes each input's texts into its boxes.
void ShowInputTexts(FormState& form, const DesignDocument& document);

// Puts a document into the window: the boxes, the measure's column layout (the boxes are not
// refilled), the options, the menu checks and the status texts. Nothing is designed.
void ApplyDesignState(FormState& form, DesignRecord& rec, const DesignDocument& document);

// The Pre-Settings menu: checks the item with this caption, and no other.
void CheckOnlyPresetCaption(FormState& form, const std::string& caption);
// The caption of the checked Pre-Settings item, or "".
std::string CheckedPresetCaption(const FormState& form);

}  // namespace varnloft
