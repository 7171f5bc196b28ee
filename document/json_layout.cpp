#include "document/json_layout.h"

#include <charconv>
#include <cmath>

#include "platform/json_text.h"

namespace varnloft {

namespace {

std::string ShortestNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : JsonNumber(v);
}

bool IsPlain(const JsonValue& v) {
  return !v.IsArray() && !v.IsObject();
}

void LayOut(const JsonValue& value, int indent, std::string& out) {
  switch (value.type()) {
    case JsonValue::Type::Number:
      out += ShortestNumber(value.AsNumber());
      return;
    case JsonValue::Type::Array: {
      const auto& items = value.Items();
      bool plain = true;
      for (const auto& item : items) plain = plain && IsPlain(item);
      if (items.empty() || plain) {
        out += '[';
        for (size_t i = 0; i < items.size(); ++i) {
          if (i) out += ", ";
          LayOut(items[i], indent, out);
        }
        out += ']';
        return;
      }
      out += "[\n";
      for (size_t i = 0; i < items.size(); ++i) {
        out.append(indent + 2, ' ');
        LayOut(items[i], indent + 2, out);
        out += i + 1 < items.size() ? ",\n" : "\n";
      }
      out.append(indent, ' ');
      out += ']';
      return;
    }
    case JsonValue::Type::Object: {
      const auto& members = value.Members();
      if (members.empty()) {
        out += "{}";
        return;
      }
      out += "{\n";
      for (size_t i = 0; i < members.size(); ++i) {
        out.append(indent + 2, ' ');
        out += JsonQuote(members[i].key) + ": ";
        LayOut(members[i].value, indent + 2, out);
        out += i + 1 < members.size() ? ",\n" : "\n";
      }
      out.append(indent, ' ');
      out += '}';
      return;
    }
    default:
      out += WriteJson(value);
  }
}

}  // namespace

std::string LayOutJson(const JsonValue& value) {
  std::string out;
  LayOut(value, 0, out);
  return out;
}

JsonValue SingleNumberTimes(float value, double factor) {
  if (!std::isfinite(value)) return JsonValue();
  const double exact = static_cast<double>(value) * factor;
  // The shortest digits of the value in the new unit, as a single, when they read back.
  const float shown = static_cast<float>(exact);
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, shown);
  if (ec == std::errc() && std::isfinite(shown)) {
    double read = 0;
    std::from_chars(buf, end, read);
    if (static_cast<float>(read / factor) == value) return JsonValue::Number(read);
  }
  return JsonValue::Number(exact);
}

JsonValue SingleNumber(float value) {
  return SingleNumberTimes(value, 1);
}

}  // namespace varnloft
