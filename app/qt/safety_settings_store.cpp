// Keeps the Safety window's person and sag limit as numbers; reading them back goes through the
// same checks as typing them.
#include "app/qt/safety_settings_store.h"

#include "safety/setting_texts.h"

namespace varnloft {

void LoadSafetySettings(QSettings& store, SafetySettings& settings) {
  const QString person = store.value("safety/personKg").toString();
  settings.personMassKg = person.isEmpty() ? std::nullopt : ReadPersonMassKg(person.toStdString());
  const QString ratio = store.value("safety/deflectionRatio").toString();
  settings.deflectionRatio = ReadDeflectionRatio(ratio.toStdString()).value_or(180);
}

void SaveSafetySettings(QSettings& store, const SafetySettings& settings) {
  if (settings.personMassKg)
    store.setValue("safety/personKg", QString::number(*settings.personMassKg, 'g', 17));
  else
    store.remove("safety/personKg");
  store.setValue("safety/deflectionRatio", QString::number(settings.deflectionRatio, 'g', 17));
  store.sync();
}

}  // namespace varnloft
