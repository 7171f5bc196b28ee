#include "materials/materials_memo.h"

#include <mutex>

#include "design/record_fields.h"
#include "materials/stock_file.h"

namespace varnloft {

namespace {

template <typename T>
void AddBytes(std::string& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AddText(std::string& key, const std::string& text) {
  AddBytes(key, text.size());
  key += text;
}

struct Memo {
  std::mutex mutex;
  std::string key;
  std::optional<Materials> materials;
};

Memo& TheMemo() {
  static Memo memo;
  return memo;
}

}  // namespace

std::string MaterialsKey(const DesignRecord& rec, const MaterialsSettings& settings) {
  std::string key;
  for (const FloatField& f : LengthAndAngleFields()) AddBytes(key, rec.*(f.member));
  for (const FlagField& f : FlagFields()) AddBytes(key, rec.*(f.member));
  for (float v : {rec.ScaleFactor, rec.LumberThickness, rec.TableTopLength, rec.FrameDiagonal})
    AddBytes(key, v);
  AddBytes(key, rec.LastCalculationFailed);
  for (const std::string* text :
       {&rec.PlanName, &rec.TitleText, &rec.NoticeText, &rec.ThousandsSeparator})
    AddText(key, *text);
  // The table in its file's form holds every row, price and the currency, numbers exactly.
  AddText(key, StockFileJson(settings.table));
  for (double v : {settings.kerf, settings.trim, settings.boltDiameter}) AddBytes(key, v);
  return key;
}

std::optional<Materials> KeptMaterials(const std::string& key) {
  Memo& memo = TheMemo();
  const std::lock_guard<std::mutex> lock(memo.mutex);
  if (memo.materials && memo.key == key) return memo.materials;
  return std::nullopt;
}

void KeepMaterials(const std::string& key, const Materials& materials) {
  Memo& memo = TheMemo();
  const std::lock_guard<std::mutex> lock(memo.mutex);
  memo.key = key;
  memo.materials = materials;
}

// The kept list serves every caller that asks for the same design and settings again.
Materials BuildMaterials(const DesignRecord& rec, const MaterialsSettings& settings,
                         const std::atomic<bool>* stop) {
  const std::string key = MaterialsKey(rec, settings);
  // A caller that has lost interest is told so, as it would be without the kept list.
  if (!(stop && stop->load()))
    if (std::optional<Materials> kept = KeptMaterials(key)) return std::move(*kept);
  Materials out = BuildMaterialsAfresh(rec, settings, stop);
  if (!out.stopped) KeepMaterials(key, out);
  return out;
}

}  // namespace varnloft
