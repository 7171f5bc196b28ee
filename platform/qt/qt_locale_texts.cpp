#include "platform/qt/qt_locale_texts.h"

namespace varnloft {

LocaleTexts LocaleTextsOf(const QLocale& locale) {
  LocaleTexts texts;
  for (int d = 0; d < 7; ++d)  // Qt counts Monday = 1 .. Sunday = 7
    texts.dayNames[d] = locale.dayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
  for (int m = 0; m < 12; ++m)
    texts.monthNames[m] = locale.monthName(m + 1, QLocale::LongFormat).toStdString();
  texts.thousandsSeparator = locale.groupSeparator().toStdString();
  return texts;
}

}  // namespace varnloft
