#pragma once
#include <QIcon>

namespace varnloft {

// The Design button's picture: a small picnic table seen from the end, drawn in code.
QIcon DesignButtonPicture();

}  // namespace varnloft
