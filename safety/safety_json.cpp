#include "safety/safety_json.h"

#include <cmath>
#include <cstdio>

namespace varnloft {

namespace {

std::string Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Bool(bool b) {
  return b ? "true" : "false";
}

std::string Point(const Vec2& p) {
  return "[" + Number(p.x) + ", " + Number(p.y) + "]";
}

std::string Point(const Vec3& p) {
  return "[" + Number(p.x) + ", " + Number(p.y) + ", " + Number(p.z) + "]";
}

template <typename T, typename F>
std::string List(const std::vector<T>& items, F write) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + write(items[i]);
  return out + "]";
}

std::string Stability(const TippingCase& t) {
  return "{\"case\": " + Quote(t.name) + ", \"point\": " + Point(t.point) +
         ", \"force_N\": " + Number(t.forceN) +
         ", \"tipping_force_N\": " + (t.tippingForceN ? Number(*t.tippingForceN) : "null") +
         ", \"edge\": " +
         (t.edge ? "[" + Point(t.edge->first) + ", " + Point(t.edge->second) + "]" : "null") +
         ", \"ok\": " + Bool(t.ok) + "}";
}

std::string Strength(const MemberStrength& m) {
  return "{\"member\": " + Quote(m.member) +
         ", \"kind\": " + (m.cantilever ? "\"cantilever\"" : "\"span\"") +
         ", \"span_m\": " + Number(m.spanM) +
         ", \"boards_sharing\": " + std::to_string(m.boardsSharing) +
         ", \"load_N\": " + Number(m.loadN) + ", \"E_Pa\": " + Number(m.elasticPa) +
         ", \"I_m4\": " + Number(m.secondMomentM4) + ", \"S_m3\": " + Number(m.sectionModulusM3) +
         ", \"deflection_m\": " + Number(m.deflectionM) +
         ", \"deflection_limit_m\": " + Number(m.deflectionLimitM) +
         ", \"stress_Pa\": " + Number(m.stressPa) + ", \"allowable_Pa\": " + Number(m.allowablePa) +
         ", \"ok\": " + Bool(m.ok) + "}";
}

std::string Access(const EndAccess& e) {
  return "{\"end\": " + Quote(e.end) + ", \"rule\": " + Quote(e.rule) +
         ", \"table_height_m\": " + Number(e.tableHeightM) +
         ", \"knee_height_m\": " + Number(e.kneeHeightM) +
         ", \"knee_width_m\": " + Number(e.kneeWidthM) +
         ", \"knee_depth_m\": " + Number(e.kneeDepthM) + ", \"ok\": " + Bool(e.ok) +
         ", \"failed\": " + List(e.failed, Quote) + "}";
}

std::string Suggestion(const SafetySuggestion& s) {
  std::string inputs = "{";
  for (size_t i = 0; i < s.inputs.size(); ++i)
    inputs += (i ? ", " : "") + Quote(s.inputs[i].first) + ": " + List(s.inputs[i].second, Quote);
  inputs += "}";
  return "{\"check\": " + Quote(s.check) + ", \"change\": " + Quote(s.change) +
         ", \"inputs\": " + inputs +
         ", \"person_kg\": " + (s.personMassKg > 0 ? Number(s.personMassKg) : "null") + "}";
}

}  // namespace

std::string SafetyJson(const SafetyCheck& c, const std::vector<SafetySuggestion>& suggestions) {
  const bool made = c.cannotCheck.empty();
  const WoodProperties& wood = PropertiesOf(c.species);
  // The modulus the deflections use does not depend on the board's size.
  const double elastic = BendingDesignOf(c.species, 0.140, 0.038, true).elasticPa;
  std::string json = "{\"check\": {\"ok\": " + Bool(c.ok) +
                     ", \"reason\": " + (made ? "null" : Quote(c.cannotCheck));
  json += ", \"species\": {\"name\": " + Quote(wood.name) +
          ", \"method\": " + Quote(MethodName(wood.method)) + ", \"E_Pa\": " + Number(elastic) +
          ", \"density_kg_m3\": " + Number(wood.densityKgPerM3) + "}";
  json += ", \"person\": {\"mass_kg\": " + Number(c.personMassKg) +
          ", \"force_N\": " + Number(c.personForceN) + "}";
  json += ", \"table\": " + (made ? "{\"mass_kg\": " + Number(c.tableMassKg) +
                                        ", \"centre_of_mass\": " + Point(c.centreOfMass) + "}"
                                  : std::string("null"));
  json += ", \"footprint\": " + List(c.footprint, [](const Vec2& p) { return Point(p); });
  json += ", \"stability\": " + List(c.stability, Stability);
  json += ", \"strength\": " + List(c.strength, Strength);
  json += ", \"accessibility\": " + List(c.accessibility, Access);
  json += ", \"children\": ";
  if (c.children) {
    json += "{\"size_mark\": " + std::to_string(c.children->mark) +
            ", \"seat_height_m\": " + Number(c.children->seatDifferenceM) +
            ", \"table_height_m\": " + Number(c.children->tableDifferenceM) + "}";
  } else {
    json += "null";
  }
  json += ", \"suggestions\": " + List(suggestions, Suggestion) + "}}";
  return json;
}

}  // namespace varnloft
