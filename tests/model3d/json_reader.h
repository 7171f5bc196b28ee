#pragma once
// A strict little JSON reader for the tests that read back the 3D files: objects, arrays,
// strings (with the escapes JsonQuote writes), numbers, true, false and null. Throws on any
// text that is not one whole JSON value.
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace varnloft::testing {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> fields;

  const JsonValue& operator[](const std::string& key) const {
    auto it = fields.find(key);
    if (kind != Kind::Object || it == fields.end()) throw std::runtime_error("no field " + key);
    return it->second;
  }
  const JsonValue& operator[](size_t i) const {
    if (kind != Kind::Array || i >= items.size()) throw std::runtime_error("no item");
    return items[i];
  }
  bool Has(const std::string& key) const { return fields.count(key) > 0; }
};

class JsonReader {
 public:
  static JsonValue Parse(const std::string& text) {
    JsonReader r(text);
    JsonValue v = r.Value();
    r.Blanks();
    if (r.at_ != text.size()) throw std::runtime_error("text after the value");
    return v;
  }

 private:
  explicit JsonReader(const std::string& text) : s_(text) {}

  void Blanks() {
    while (at_ < s_.size() &&
           (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' || s_[at_] == '\t'))
      ++at_;
  }
  char Peek() {
    Blanks();
    if (at_ >= s_.size()) throw std::runtime_error("unexpected end");
    return s_[at_];
  }
  void Expect(char c) {
    if (Peek() != c) throw std::runtime_error(std::string("expected ") + c);
    ++at_;
  }
  bool Word(const char* w) {
    const std::string word(w);
    if (s_.compare(at_, word.size(), word) != 0) return false;
    at_ += word.size();
    return true;
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (at_ < s_.size() && s_[at_] != '"') {
      char c = s_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("control in string");
      if (c == '\\') {
        if (at_ >= s_.size()) break;
        const char e = s_[at_++];
        switch (e) {
          case 'n':
            c = '\n';
            break;
          case 'r':
            c = '\r';
            break;
          case 't':
            c = '\t';
            break;
          case '"':
          case '\\':
          case '/':
            c = e;
            break;
          case 'u':
            c = static_cast<char>(std::stoi(s_.substr(at_, 4), nullptr, 16));
            at_ += 4;
            break;
          default:
            throw std::runtime_error("bad escape");
        }
      }
      out += c;
    }
    Expect('"');
    return out;
  }

  JsonValue Value() {
    JsonValue v;
    const char c = Peek();
    if (c == '{') {
      v.kind = JsonValue::Kind::Object;
      ++at_;
      if (Peek() == '}') return ++at_, v;
      do {
        const std::string key = String();
        Expect(':');
        v.fields[key] = Value();
      } while (Peek() == ',' && ++at_);
      Expect('}');
    } else if (c == '[') {
      v.kind = JsonValue::Kind::Array;
      ++at_;
      if (Peek() == ']') return ++at_, v;
      do {
        v.items.push_back(Value());
      } while (Peek() == ',' && ++at_);
      Expect(']');
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = String();
    } else if (Word("true") || Word("false")) {
      v.kind = JsonValue::Kind::Bool;
      v.boolean = s_[at_ - 1] == 'e' && s_[at_ - 2] == 'u';
    } else if (Word("null")) {
    } else {
      const char* begin = s_.c_str() + at_;
      char* end = nullptr;
      v.number = std::strtod(begin, &end);
      if (end == begin) throw std::runtime_error("bad value");
      v.kind = JsonValue::Kind::Number;
      at_ += static_cast<size_t>(end - begin);
    }
    return v;
  }

  const std::string& s_;
  size_t at_ = 0;
};

}  // namespace varnloft::testing
