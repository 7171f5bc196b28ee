#pragma once
// Day and month names and the thousands separator, read from a Qt locale.
#include <QLocale>

#include "platform/clock.h"

namespace varnloft {

LocaleTexts LocaleTextsOf(const QLocale& locale);

}  // namespace varnloft
