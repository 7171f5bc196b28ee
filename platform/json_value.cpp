#include "platform/json_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <unordered_set>

#include "platform/json_text.h"

namespace varnloft {

JsonValue JsonValue::Boolean(bool b) {
  JsonValue v;
  v.type_ = Type::Bool;
  v.bool_ = b;
  return v;
}

JsonValue JsonValue::Number(double v) {
  JsonValue value;
  value.type_ = Type::Number;
  value.number_ = v;
  return value;
}

JsonValue JsonValue::String(std::string s) {
  JsonValue v;
  v.type_ = Type::String;
  v.string_ = std::move(s);
  return v;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items) {
  JsonValue v;
  v.type_ = Type::Array;
  v.items_ = std::move(items);
  return v;
}

JsonValue JsonValue::Object(std::vector<JsonMember> members) {
  JsonValue v;
  v.type_ = Type::Object;
  v.members_ = std::move(members);
  return v;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const JsonMember& m : members_)
    if (m.key == key) return &m.value;
  return nullptr;
}

const char* JsonTypeName(JsonValue::Type type) {
  switch (type) {
    case JsonValue::Type::Null:
      return "null";
    case JsonValue::Type::Bool:
      return "true or false";
    case JsonValue::Type::Number:
      return "a number";
    case JsonValue::Type::String:
      return "a string";
    case JsonValue::Type::Array:
      return "a list";
    case JsonValue::Type::Object:
      return "an object";
  }
  return "a value";
}

namespace {

// Thrown inside the parser only, with the byte offset where the fault lies.
struct ParseFault {
  size_t at;
  std::string what;
};

class Parser {
 public:
  Parser(std::string_view text, int maxDepth) : text_(text), maxDepth_(maxDepth) {}

  JsonValue Document() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    SkipBlanks();
    if (AtEnd()) Fail("the text holds no value");
    JsonValue v = Value(0);
    SkipBlanks();
    if (!AtEnd()) Fail("unexpected text after the end of the value");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw ParseFault{pos_, what}; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipBlanks() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
      ++pos_;
  }

  void Expect(char c, const char* what) {
    if (Peek() != c) Fail(std::string("expected ") + what);
    ++pos_;
  }

  JsonValue Value(int depth) {
    switch (Peek()) {
      case '{':
        return ObjectValue(depth + 1);
      case '[':
        return ArrayValue(depth + 1);
      case '"':
        return JsonValue::String(StringText());
      case 't':
        Word("true");
        return JsonValue::Boolean(true);
      case 'f':
        Word("false");
        return JsonValue::Boolean(false);
      case 'n':
        Word("null");
        return JsonValue();
      default:
        if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return JsonValue::Number(Number());
        Fail(AtEnd() ? "the text ends where a value should be" : "expected a value");
    }
  }

  void Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) Fail("expected a value");
    pos_ += word.size();
  }

  void Nest(int depth) {
    if (depth > maxDepth_)
      Fail("lists and objects are nested deeper than " + std::to_string(maxDepth_) + " levels");
  }

  JsonValue ObjectValue(int depth) {
    Nest(depth);
    ++pos_;
    std::vector<JsonMember> members;
    std::unordered_set<std::string> keys;
    SkipBlanks();
    if (Peek() == '}') {
      ++pos_;
      return JsonValue::Object(std::move(members));
    }
    for (;;) {
      SkipBlanks();
      if (Peek() != '"') Fail("expected a key in double quotes");
      const size_t keyAt = pos_;
      std::string key = StringText();
      // A set, not a scan of the members: an object of 100,000 keys must not take minutes.
      if (!keys.insert(key).second) {
        pos_ = keyAt;
        Fail("the key " + JsonQuote(key) + " appears twice");
      }
      SkipBlanks();
      Expect(':', "':' after the key");
      SkipBlanks();
      JsonValue v = Value(depth);
      members.push_back({std::move(key), std::move(v)});
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}', "',' or '}'");
      return JsonValue::Object(std::move(members));
    }
  }

  JsonValue ArrayValue(int depth) {
    Nest(depth);
    ++pos_;
    std::vector<JsonValue> items;
    SkipBlanks();
    if (Peek() == ']') {
      ++pos_;
      return JsonValue::Array(std::move(items));
    }
    for (;;) {
      SkipBlanks();
      items.push_back(Value(depth));
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect(']', "',' or ']'");
      return JsonValue::Array(std::move(items));
    }
  }

  double Number() {
    const size_t start = pos_;
    auto digits = [&] {
      const size_t from = pos_;
      while (Peek() >= '0' && Peek() <= '9') ++pos_;
      return pos_ - from;
    };
    if (Peek() == '-') ++pos_;
    if (Peek() == '0') {
      ++pos_;
      if (Peek() >= '0' && Peek() <= '9') Fail("a number may not start with 0");
    } else if (digits() == 0) {
      Fail("expected a digit");
    }
    if (Peek() == '.') {
      ++pos_;
      if (digits() == 0) Fail("expected a digit after the decimal point");
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      if (digits() == 0) Fail("expected a digit in the exponent");
    }
    double value = 0;
    const char* first = text_.data() + start;
    const auto [end, ec] = std::from_chars(first, text_.data() + pos_, value);
    if (ec != std::errc() || end != text_.data() + pos_ || !std::isfinite(value)) {
      pos_ = start;
      Fail("the number is too large or too small for a double");
    }
    return value;
  }

  unsigned Hex4() {
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = Peek();
      unsigned d;
      if (c >= '0' && c <= '9') {
        d = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        d = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        d = c - 'A' + 10;
      } else {
        Fail("expected four hexadecimal digits after \\u");
      }
      code = code * 16 + d;
      ++pos_;
    }
    return code;
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  void Escape(std::string& out) {
    ++pos_;  // the backslash
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return;
      case 'b':
        out += '\b';
        return;
      case 'f':
        out += '\f';
        return;
      case 'n':
        out += '\n';
        return;
      case 'r':
        out += '\r';
        return;
      case 't':
        out += '\t';
        return;
      case 'u':
        break;
      default:
        --pos_;
        Fail("unknown escape in a string");
    }
    unsigned code = Hex4();
    if (code >= 0xDC00 && code <= 0xDFFF) Fail("a lone low surrogate in \\u escapes");
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (text_.substr(pos_, 2) != "\\u") Fail("a high surrogate without its low half");
      pos_ += 2;
      const unsigned low = Hex4();
      if (low < 0xDC00 || low > 0xDFFF) Fail("a high surrogate without its low half");
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, code);
  }

  // One UTF-8 character of two to four bytes, checked for overlong forms and surrogates.
  void Utf8Character(std::string& out) {
    const auto lead = static_cast<unsigned char>(Peek());
    int extra;
    unsigned code, min;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1, code = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2, code = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3, code = lead & 0x07, min = 0x10000;
    } else {
      Fail("the text is not valid UTF-8");
    }
    const size_t start = pos_;
    ++pos_;
    for (int i = 0; i < extra; ++i) {
      const auto c = static_cast<unsigned char>(Peek());
      if (AtEnd() || (c & 0xC0) != 0x80) {
        pos_ = start;
        Fail("the text is not valid UTF-8");
      }
      code = (code << 6) | (c & 0x3F);
      ++pos_;
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      pos_ = start;
      Fail("the text is not valid UTF-8");
    }
    out.append(text_.substr(start, pos_ - start));
  }

  std::string StringText() {
    ++pos_;  // the opening quote
    std::string out;
    for (;;) {
      if (AtEnd()) Fail("the text ends inside a string");
      const auto c = static_cast<unsigned char>(Peek());
      if (c == '"') {
        ++pos_;
        return out;
      }
      if (c == '\\') {
        Escape(out);
      } else if (c < 0x20) {
        Fail("a control character inside a string (write it as an escape)");
      } else if (c < 0x80) {
        out += static_cast<char>(c);
        ++pos_;
      } else {
        Utf8Character(out);
      }
    }
  }

  std::string_view text_;
  int maxDepth_;
  size_t pos_ = 0;
};

// "line L, column C" of a byte offset; columns count characters, not bytes.
std::string Position(std::string_view text, size_t at) {
  size_t line = 1, column = 1;
  for (size_t i = 0; i < at && i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

JsonParseResult ParseJson(std::string_view text, const JsonLimits& limits) {
  JsonParseResult result;
  if (text.size() > limits.maxBytes) {
    result.error = "the text is longer than " + std::to_string(limits.maxBytes) + " bytes";
    return result;
  }
  try {
    result.value = Parser(text, limits.maxDepth).Document();
  } catch (const ParseFault& fault) {
    result.error = Position(text, fault.at) + ": " + fault.what;
  }
  return result;
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
  if (ec != std::errc()) return "null";
  return std::string(buf, end);
}

std::string WriteJson(const JsonValue& value) {
  switch (value.type()) {
    case JsonValue::Type::Null:
      return "null";
    case JsonValue::Type::Bool:
      return value.AsBool() ? "true" : "false";
    case JsonValue::Type::Number:
      return JsonNumber(value.AsNumber());
    case JsonValue::Type::String:
      return JsonQuote(value.AsString());
    case JsonValue::Type::Array: {
      std::string out = "[";
      for (size_t i = 0; i < value.Items().size(); ++i)
        out += (i ? ", " : "") + WriteJson(value.Items()[i]);
      return out + "]";
    }
    case JsonValue::Type::Object: {
      std::string out = "{";
      for (size_t i = 0; i < value.Members().size(); ++i) {
        const JsonMember& m = value.Members()[i];
        out += (i ? ", " : "") + JsonQuote(m.key) + ": " + WriteJson(m.value);
      }
      return out + "}";
    }
  }
  return "null";
}

}  // namespace varnloft
