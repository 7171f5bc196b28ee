// Reading the design file: JSON first, then the format and version, then each key by type. A
// refusal names the key; a missing key takes the Adult Standard value in the file's measure.
#include <algorithm>
#include <cmath>

#include "design/design_inputs.h"
#include "document/design_file.h"
#include "document/utf8_text.h"
#include "platform/json_text.h"

namespace varnloft {

namespace {

// Why a file is refused; thrown inside the reader only.
struct Refusal {
  std::string why;
};

// A value quoted for a message, cut short when long.
std::string Quoted(const std::string& text) {
  if (CharacterCount(text) <= 40) return JsonQuote(text);
  std::string cut = text.substr(0, 40);
  while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
  if (!cut.empty() && static_cast<unsigned char>(cut.back()) >= 0xC0) cut.pop_back();
  return JsonQuote(cut + "...");
}

const char* Wanted(JsonValue::Type type) {
  switch (type) {
    case JsonValue::Type::String:
      return "a text";
    case JsonValue::Type::Number:
      return "a number";
    case JsonValue::Type::Bool:
      return "true or false";
    case JsonValue::Type::Array:
      return "a list";
    case JsonValue::Type::Object:
      return "an object";
    case JsonValue::Type::Null:
      break;
  }
  return "null";
}

std::string Key(const std::string& key) {
  return "\"" + key + "\"";
}

void Expect(const JsonValue& value, JsonValue::Type type, const std::string& key) {
  if (value.type() != type)
    throw Refusal{Key(key) + " should be " + Wanted(type) + ", not " + JsonTypeName(value.type())};
}

const std::string& TextOf(const JsonValue& value, const std::string& key) {
  Expect(value, JsonValue::Type::String, key);
  if (CharacterCount(value.AsString()) > kDesignTextMaxCharacters)
    throw Refusal{"the text of " + Key(key) + " is longer than 1,000 characters"};
  return value.AsString();
}

std::vector<std::string> TextsOf(const JsonValue& value, const std::string& key, size_t count) {
  const std::string wanted = "a list of " + std::to_string(count) + " texts";
  if (!value.IsArray())
    throw Refusal{Key(key) + " should be " + wanted + ", not " + JsonTypeName(value.type())};
  if (value.Items().size() != count) {
    throw Refusal{Key(key) + " should be " + wanted + ", not a list of " +
                  std::to_string(value.Items().size())};
  }
  std::vector<std::string> texts;
  for (size_t i = 0; i < count; ++i)
    texts.push_back(TextOf(value.Items()[i], key + "[" + std::to_string(i) + "]"));
  return texts;
}

// One of a few fixed words: "imperial" or "metric".
bool Choice(const JsonValue& value, const std::string& key, const char* yes, const char* no) {
  const std::string& word = TextOf(value, key);
  if (word == yes) return true;
  if (word == no) return false;
  throw Refusal{Key(key) + " should be \"" + yes + "\" or \"" + no + "\", not " + Quoted(word)};
}

// Reads one object of the file: its known keys are looked up, the others kept, the missing ones
// listed.
class ObjectReader {
 public:
  ObjectReader(const JsonValue* object, std::string name, DesignFileContents& out)
      : object_(object), name_(std::move(name)), out_(out) {}

  // The member `key`, or nullptr when it is missing (and so listed).
  const JsonValue* Get(const std::string& key) {
    known_.push_back(key);
    const JsonValue* v = object_ ? object_->Find(key) : nullptr;
    if (!v && object_) out_.missingKeys.push_back(Path(key));
    return v;
  }
  std::string Path(const std::string& key) const { return name_.empty() ? key : name_ + "." + key; }

  // Keeps the members no Get asked for.
  void KeepUnknown() {
    if (!object_) return;
    for (const JsonMember& m : object_->Members())
      if (std::find(known_.begin(), known_.end(), m.key) == known_.end())
        out_.kept[name_].push_back(m);
  }

 private:
  const JsonValue* object_;  // nullptr when the whole object is missing
  std::string name_;
  DesignFileContents& out_;
  std::vector<std::string> known_;
};

// A nested object of the top level; nullptr (and listed as missing) when it is not there.
const JsonValue* NestedObject(ObjectReader& top, const std::string& key) {
  const JsonValue* v = top.Get(key);
  if (v) Expect(*v, JsonValue::Type::Object, key);
  return v;
}

void CheckFormatAndVersion(const JsonValue& top) {
  const JsonValue* format = top.Find("format");
  if (!format) throw Refusal{"it is not a Varnloft design (it has no \"format\")"};
  if (TextOf(*format, "format") != kDesignFileFormat) {
    throw Refusal{"it is not a Varnloft design (its \"format\" is " + Quoted(format->AsString()) +
                  ", not \"" + kDesignFileFormat + "\")"};
  }
  const JsonValue* version = top.Find("version");
  if (!version) throw Refusal{"it has no \"version\""};
  Expect(*version, JsonValue::Type::Number, "version");
  const double v = version->AsNumber();
  if (v > kDesignFileVersion) {
    throw Refusal{"it was made by a newer version of Varnloft (design file version " +
                  JsonNumber(v) + "; this version reads version " +
                  std::to_string(kDesignFileVersion) + ")"};
  }
  if (v < 1 || std::floor(v) != v)
    throw Refusal{"\"version\" should be a whole number from 1, not " + JsonNumber(v)};
}

void ReadInputs(ObjectReader& top, DesignFileContents& out) {
  const JsonValue* inputs = NestedObject(top, "inputs");
  ObjectReader reader(inputs, "inputs", out);
  const auto& table = DesignInputs();
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string role = table[i].role;
    if (const JsonValue* v = reader.Get(role))
      out.state.inputTexts[i] = TextsOf(*v, reader.Path(role), SlotCount(table[i].unit));
  }
  reader.KeepUnknown();
}

void ReadThickness(ObjectReader& top, DesignFileContents& out) {
  ObjectReader reader(NestedObject(top, "lumberThickness"), "lumberThickness", out);
  DesignDocument& s = out.state;
  if (const JsonValue* v = reader.Get("inches")) {
    Expect(*v, JsonValue::Type::Number, reader.Path("inches"));
    const auto feet = static_cast<float>(v->AsNumber() / 12);
    if (!std::isfinite(feet))
      throw Refusal{Key(reader.Path("inches")) + " is too large for a table design"};
    s.lumberThickness = feet;
  }
  if (const JsonValue* v = reader.Get("dialogInches"))
    s.thicknessInches = TextOf(*v, reader.Path("dialogInches"));
  if (const JsonValue* v = reader.Get("dialogSixteenths"))
    s.thicknessSixteenths = TextOf(*v, reader.Path("dialogSixteenths"));
  reader.KeepUnknown();
}

void ReadModelScale(ObjectReader& top, DesignFileContents& out) {
  ObjectReader reader(NestedObject(top, "modelScale"), "modelScale", out);
  DesignDocument& s = out.state;
  if (const JsonValue* v = reader.Get("on")) {
    Expect(*v, JsonValue::Type::Bool, reader.Path("on"));
    s.modelScale = v->AsBool();
  }
  if (const JsonValue* v = reader.Get("factor")) {
    Expect(*v, JsonValue::Type::Number, reader.Path("factor"));
    s.scaleFactor = static_cast<float>(v->AsNumber());
    if (!std::isfinite(s.scaleFactor))
      throw Refusal{Key(reader.Path("factor")) + " is too large for a model scale"};
  }
  // The drawings divide by the factor while the scale is on.
  if (s.modelScale && !(s.scaleFactor > 0))
    throw Refusal{"the model scale is on, but \"modelScale.factor\" is not greater than 0"};
  if (const JsonValue* v = reader.Get("menuCaption"))
    s.modelMenuCaption = TextOf(*v, reader.Path("menuCaption"));
  reader.KeepUnknown();
}

void ReadDesign(const JsonValue& top, DesignFileContents& out) {
  ObjectReader reader(&top, "", out);
  reader.Get("format");
  reader.Get("version");
  reader.Get("record");  // the computed design: for a person to read, never trusted
  // The measure first: missing inputs take the Adult Standard texts in it.
  bool imperial = true;
  if (const JsonValue* v = reader.Get("measure"))
    imperial = Choice(*v, "measure", "imperial", "metric");
  out.state = AdultStandardDocument(imperial);
  DesignDocument& s = out.state;

  ReadInputs(reader, out);
  if (const JsonValue* v = reader.Get("supportSide"))
    s.supportsExterior = Choice(*v, "supportSide", "exterior", "interior");
  ReadThickness(reader, out);
  ReadModelScale(reader, out);
  if (const JsonValue* v = reader.Get("preset")) {
    const std::string& caption = TextOf(*v, "preset");
    const auto& captions = PresetMenuCaptions();
    if (std::find(captions.begin(), captions.end(), caption) == captions.end())
      throw Refusal{"\"preset\" names no item of the Pre-Settings menu: " + Quoted(caption)};
    s.presetCaption = caption;
  }
  if (const JsonValue* v = reader.Get("customDesign")) {
    Expect(*v, JsonValue::Type::Bool, "customDesign");
    s.customDesign = v->AsBool();
  }
  if (const JsonValue* v = reader.Get("statusBar")) {
    const auto texts = TextsOf(*v, "statusBar", 2);
    s.statusText = texts[0];
    s.versionText = texts[1];
  }
  if (const JsonValue* v = reader.Get("species")) {
    const std::string& name = TextOf(*v, "species");
    s.species = SpeciesNamed(name);
    if (!s.species)
      throw Refusal{"\"species\" names no wood the safety check knows: " + Quoted(name)};
  }
  // The record is read by no one, and a file without a species takes the measure's, so neither
  // absence is a loss worth reporting.
  for (const char* optional : {"record", "species"})
    out.missingKeys.erase(std::remove(out.missingKeys.begin(), out.missingKeys.end(), optional),
                          out.missingKeys.end());
  reader.KeepUnknown();
}

}  // namespace

DesignFileReading ReadDesignFile(std::string_view text) {
  DesignFileReading result;
  if (text.size() > kDesignFileMaxBytes) {
    result.error = "it is larger than 1 MB";
    return result;
  }
  JsonLimits limits;
  limits.maxBytes = kDesignFileMaxBytes;
  const JsonParseResult parsed = ParseJson(text, limits);
  if (!parsed.value) {
    result.error = "it is not JSON (" + parsed.error + ")";
    return result;
  }
  try {
    const JsonValue& top = *parsed.value;
    if (!top.IsObject()) {
      throw Refusal{std::string("it is not a Varnloft design (it holds ") +
                    JsonTypeName(top.type()) + ", not an object)"};
    }
    CheckFormatAndVersion(top);
    ReadDesign(top, result.contents);
    result.ok = true;
  } catch (const Refusal& refusal) {
    result.error = refusal.why;
    result.contents = {};
  }
  return result;
}

}  // namespace varnloft
