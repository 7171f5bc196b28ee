#pragma once
// A JSON value, a strict reader for files people edit by hand (errors say where, by line and
// column) and a writer. Numbers are read and written without the C locale, so a program whose
// locale writes decimal commas still reads and writes JSON.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnloft {

struct JsonMember;

class JsonValue {
 public:
  enum class Type { Null, Bool, Number, String, Array, Object };

  JsonValue() = default;  // null
  static JsonValue Boolean(bool b);
  static JsonValue Number(double v);
  static JsonValue String(std::string s);
  static JsonValue Array(std::vector<JsonValue> items);
  static JsonValue Object(std::vector<JsonMember> members);

  Type type() const { return type_; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsBool() const { return type_ == Type::Bool; }
  bool IsNumber() const { return type_ == Type::Number; }
  bool IsString() const { return type_ == Type::String; }
  bool IsArray() const { return type_ == Type::Array; }
  bool IsObject() const { return type_ == Type::Object; }

  // Each of these reads its own kind only; another kind gives false, 0 or empty.
  bool AsBool() const { return bool_; }
  double AsNumber() const { return number_; }
  const std::string& AsString() const { return string_; }
  const std::vector<JsonValue>& Items() const { return items_; }
  const std::vector<JsonMember>& Members() const { return members_; }

  // The member of an object with this key; nullptr for a missing key or a value not an object.
  const JsonValue* Find(std::string_view key) const;

 private:
  Type type_ = Type::Null;
  bool bool_ = false;
  double number_ = 0;
  std::string string_;
  std::vector<JsonValue> items_;
  std::vector<JsonMember> members_;
};

struct JsonMember {
  std::string key;
  JsonValue value;
};

// "null", "true", "false" and so on.
const char* JsonTypeName(JsonValue::Type type);

struct JsonLimits {
  size_t maxBytes = 1 << 20;  // a larger text is refused before it is read
  int maxDepth = 64;          // arrays and objects nested deeper are refused
};

struct JsonParseResult {
  std::optional<JsonValue> value;  // empty when the text was refused
  std::string error;               // "line 3, column 14: expected ',' or '}'", or empty
};

// RFC 8259 JSON and nothing else: no comments, no trailing commas, no single quotes, no NaN; a
// string must be valid UTF-8 and may not hold raw control characters; a number must fit a double;
// an object may not repeat a key. A UTF-8 byte-order mark at the start is skipped.
JsonParseResult ParseJson(std::string_view text, const JsonLimits& limits = {});

// A double with 17 significant digits, the shortest form that has them ("8", "7.4800000000000004",
// "0.010416666666666666"); "null" for a value that is not finite.
std::string JsonNumber(double v);

// The value on one line: ", " between items, ": " after keys.
std::string WriteJson(const JsonValue& value);

}  // namespace varnloft
