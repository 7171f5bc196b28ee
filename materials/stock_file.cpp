#include "materials/stock_file.h"

#include <cmath>
#include <initializer_list>

#include "platform/bounded_read.h"
#include "platform/json_text.h"
#include "platform/json_value.h"

namespace varnloft {

namespace {

// A refused file, with the message the user reads.
struct Refusal {
  std::string what;
};

std::string Article(JsonValue::Type type) {
  return JsonTypeName(type);
}

void CheckKeys(const JsonValue& object, const std::string& where,
               std::initializer_list<const char*> known) {
  for (const JsonMember& m : object.Members()) {
    bool ok = false;
    for (const char* k : known) ok = ok || m.key == k;
    if (!ok) {
      throw Refusal{(where.empty() ? std::string("The stock file") : where) +
                    " has an unknown field " + JsonQuote(m.key) + "."};
    }
  }
}

const JsonValue& Required(const JsonValue& object, const std::string& where, const char* key) {
  const JsonValue* v = object.Find(key);
  if (!v) throw Refusal{where + "." + key + ": is missing."};
  return *v;
}

void Expect(const JsonValue& v, JsonValue::Type type, const std::string& field) {
  if (v.type() != type)
    throw Refusal{field + ": must be " + Article(type) + ", not " + Article(v.type()) + "."};
}

std::string Text(const JsonValue& object, const std::string& where, const char* key) {
  const JsonValue& v = Required(object, where, key);
  Expect(v, JsonValue::Type::String, where + "." + key);
  return v.AsString();
}

double Number(const JsonValue& object, const std::string& where, const char* key) {
  const JsonValue& v = Required(object, where, key);
  Expect(v, JsonValue::Type::Number, where + "." + key);
  return v.AsNumber();
}

std::optional<double> Price(const JsonValue& object, const std::string& where) {
  const JsonValue* v = object.Find("price");
  if (!v || v->IsNull()) return std::nullopt;
  if (!v->IsNumber())
    throw Refusal{where + ".price: must be a number or null, not " + Article(v->type()) + "."};
  return v->AsNumber();
}

const JsonValue& List(const JsonValue& top, const char* key) {
  const JsonValue& v = *top.Find(key);
  Expect(v, JsonValue::Type::Array, key);
  return v;
}

std::string Where(const char* list, size_t i) {
  return std::string(list) + "[" + std::to_string(i) + "]";
}

StockTable Read(const JsonValue& top, const StockTable& base) {
  if (!top.IsObject())
    throw Refusal{
        "The stock file must hold one object with \"currency\", \"stock\" and "
        "\"hardware\", not " +
        Article(top.type()) + "."};
  CheckKeys(top, "", {"currency", "stock", "hardware"});
  StockTable table = base;
  if (const JsonValue* currency = top.Find("currency")) {
    Expect(*currency, JsonValue::Type::String, "currency");
    table.currency = currency->AsString();
  }
  if (top.Find("stock")) {
    table.stock.clear();
    const JsonValue& rows = List(top, "stock");
    for (size_t i = 0; i < rows.Items().size(); ++i) {
      const JsonValue& row = rows.Items()[i];
      const std::string where = Where("stock", i);
      Expect(row, JsonValue::Type::Object, where);
      CheckKeys(row, where, {"lumber", "length", "price"});
      StockLength s;
      s.lumber = Text(row, where, "lumber");
      s.length = Number(row, where, "length");
      s.price = Price(row, where);
      table.stock.push_back(std::move(s));
    }
  }
  if (top.Find("hardware")) {
    table.hardware.clear();
    const JsonValue& rows = List(top, "hardware");
    for (size_t i = 0; i < rows.Items().size(); ++i) {
      const JsonValue& row = rows.Items()[i];
      const std::string where = Where("hardware", i);
      Expect(row, JsonValue::Type::Object, where);
      CheckKeys(row, where, {"item", "pack", "price"});
      HardwarePrice h;
      h.item = Text(row, where, "item");
      const double pack = Number(row, where, "pack");
      if (!(pack >= 1 && pack <= 1e6 && pack == std::floor(pack)))
        throw Refusal{where + ".pack: must be a whole number from 1 to 1000000."};
      h.pack = static_cast<int>(pack);
      h.price = Price(row, where);
      table.hardware.push_back(std::move(h));
    }
  }
  return table;
}

}  // namespace

StockFileResult ReadStockFile(const std::string& text, const StockTable& base, bool imperial) {
  StockFileResult result;
  const JsonParseResult parsed = ParseJson(text);
  if (!parsed.value) {
    result.error = "The stock file is not JSON: " + parsed.error + ".";
    return result;
  }
  try {
    StockTable table = Read(*parsed.value, base);
    if (std::string problem = StockTableProblem(table, imperial); !problem.empty()) {
      result.error = problem;
      return result;
    }
    result.table = std::move(table);
  } catch (const Refusal& refusal) {
    result.error = refusal.what;
  }
  return result;
}

StockFileResult ReadStockFileAt(const std::string& path, const StockTable& base, bool imperial) {
  std::string text;
  if (std::string why = ReadFileUpTo(path, kStockFileMaxBytes, text); !why.empty()) {
    StockFileResult result;
    result.error = "The stock file " + path + " cannot be read: " + why + ".";
    return result;
  }
  return ReadStockFile(text, base, imperial);
}

std::string StockFileJson(const StockTable& table) {
  auto price = [](const std::optional<double>& p) { return p ? JsonNumber(*p) : "null"; };
  std::string out = "{\"currency\": " + JsonQuote(table.currency) + ",\n \"stock\": [";
  for (size_t i = 0; i < table.stock.size(); ++i) {
    const StockLength& s = table.stock[i];
    out += std::string(i ? ",\n  " : "\n  ") + "{\"lumber\": " + JsonQuote(s.lumber) +
           ", \"length\": " + JsonNumber(s.length) + ", \"price\": " + price(s.price) + "}";
  }
  out += "],\n \"hardware\": [";
  for (size_t i = 0; i < table.hardware.size(); ++i) {
    const HardwarePrice& h = table.hardware[i];
    out += std::string(i ? ",\n  " : "\n  ") + "{\"item\": " + JsonQuote(h.item) +
           ", \"pack\": " + std::to_string(h.pack) + ", \"price\": " + price(h.price) + "}";
  }
  return out + "]}\n";
}

}  // namespace varnloft
