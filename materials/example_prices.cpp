#include "materials/example_prices.h"

#include <cmath>

#include "materials/stock.h"

namespace varnloft {

namespace {

bool SamePrice(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || std::fabs(*a - *b) < 1e-9);
}

}  // namespace

bool IsExamplePrice(const std::string& lumber, double length, const std::optional<double>& price,
                    bool imperial) {
  if (!price) return false;
  for (const StockLength& s : DefaultMaterialsSettings(imperial).table.stock)
    if (s.lumber == lumber && std::fabs(s.length - length) < 1e-9) return SamePrice(s.price, price);
  return false;
}

bool IsExampleHardwarePrice(const std::string& item, int pack, const std::optional<double>& price,
                            bool imperial) {
  if (!price) return false;
  for (const HardwarePrice& h : DefaultMaterialsSettings(imperial).table.hardware)
    if (h.item == item) return h.pack == pack && SamePrice(h.price, price);
  return false;
}

}  // namespace varnloft
