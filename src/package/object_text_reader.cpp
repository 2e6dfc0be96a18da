#include "package/object_text_reader.h"

#include <cstdint>
#include <limits>

#include "base/class_info.h"
#include "base/collection.h"
#include "base/color.h"
#include "base/convert.h"
#include "base/stream.h"

namespace xs {
namespace {

using Kind = TTextValue::Kind;

void ApplyProperty(TPersistent& root, std::string_view path, const TTextValue& value);

// An integer of the text as the 32-bit value of a field that holds range
// [min, max]; unsigned 32-bit fields also take their negative form.
std::optional<int64_t> FitInteger(int64_t v, int64_t min, int64_t max) {
  if (v >= min && v <= max) return v;
  if (min == 0 && max == std::numeric_limits<uint32_t>::max() && v < 0 && v >= std::numeric_limits<int32_t>::min())
    return v + (int64_t{1} << 32);
  return std::nullopt;
}

// The value of value for property p, or nothing when it does not fit.
std::optional<TPropValue> Convert(const TPropInfo& p, const TTextValue& value) {
  switch (p.Kind) {
    case TPropKind::Integer:
      if (value.kind != Kind::Integer) return std::nullopt;
      return FitInteger(value.integer, p.Min, p.Max);
    case TPropKind::Int64:
      if (value.kind != Kind::Integer) return std::nullopt;
      return value.integer;
    case TPropKind::Boolean:
    case TPropKind::Enum: {
      if (value.kind != Kind::Ident) return std::nullopt;
      int ordinal = p.Enum->IndexOf(value.text);
      if (ordinal < 0) return std::nullopt;
      return int64_t{ordinal};
    }
    case TPropKind::Set: {
      if (value.kind != Kind::Set) return std::nullopt;
      uint64_t bits = 0;
      for (const TTextValue& member : value.elements) {
        int ordinal = member.kind == Kind::Ident ? p.Enum->IndexOf(member.text) : -1;
        if (ordinal < 0 || ordinal >= 64 || !(static_cast<uint64_t>(p.Max) >> ordinal & 1)) return std::nullopt;
        bits |= uint64_t{1} << ordinal;
      }
      return static_cast<int64_t>(bits);
    }
    case TPropKind::Float:
      if (value.kind == Kind::Float) return value.real;
      if (value.kind == Kind::Integer) return static_cast<double>(value.integer);
      return std::nullopt;
    case TPropKind::Color:
      if (value.kind == Kind::Ident) {
        if (auto color = IdentToColor(value.text)) return int64_t{*color};
        return std::nullopt;
      }
      if (value.kind != Kind::Integer) return std::nullopt;
      if (auto v = FitInteger(value.integer, std::numeric_limits<int32_t>::min(), std::numeric_limits<uint32_t>::max()))
        return int64_t{static_cast<int32_t>(static_cast<uint32_t>(*v))};
      return std::nullopt;
    case TPropKind::String:
      if (value.kind != Kind::String) return std::nullopt;
      return value.text;
    case TPropKind::Object:
      return std::nullopt;
  }
  return std::nullopt;
}

void ReadCollection(TCollection& collection, const TTextValue& value) {
  collection.Clear();
  for (const TTextItem& item : value.items) {
    TCollectionItem* target = collection.Add();
    for (const TTextProperty& line : item.properties) ApplyProperty(*target, line.path, line.value);
  }
}

// Hands a value to the defined property of its name, when the kinds match.
class DefinedReader : public TXDefiner {
 public:
  DefinedReader(std::string_view name, const TTextValue& value) : name_(name), value_(value) {}

  void DefineBinaryProperty(std::string_view name, const std::function<void(TStream&)>& read,
                            const std::function<void(TStream&)>&, bool) override {
    if (done_ || !SameText(name, name_) || value_.kind != Kind::Binary) return;
    done_ = true;
    TMemoryStream bytes(std::vector<uint8_t>(value_.text.begin(), value_.text.end()));
    read(bytes);
  }

  void DefineStringsProperty(std::string_view name,
                             const std::function<void(std::vector<std::string>)>& read,
                             const std::vector<std::string>&, bool) override {
    if (done_ || !SameText(name, name_) || value_.kind != Kind::List) return;
    std::vector<std::string> lines;
    for (const TTextValue& element : value_.elements) {
      if (element.kind != Kind::String) return;
      lines.push_back(element.text);
    }
    done_ = true;
    read(std::move(lines));
  }

 private:
  std::string_view name_;
  const TTextValue& value_;
  bool done_ = false;
};

void ApplyProperty(TPersistent& root, std::string_view path, const TTextValue& value) {
  TPersistent* target = &root;
  size_t dot;
  while ((dot = path.find('.')) != std::string_view::npos) {
    const TPropInfo* p = target->ClassType().FindProperty(path.substr(0, dot));
    if (!p || p->Kind != TPropKind::Object) return;
    target = std::get<TPersistent*>(p->Get(*target));
    if (!target) return;
    path.remove_prefix(dot + 1);
  }
  const TPropInfo* p = target->ClassType().FindProperty(path);
  if (!p) {
    DefinedReader reader(path, value);
    target->DefineProperties(reader);
    return;
  }
  if (p->Kind == TPropKind::Object) {
    auto* collection = dynamic_cast<TCollection*>(std::get<TPersistent*>(p->Get(*target)));
    if (collection && value.kind == Kind::Collection) ReadCollection(*collection, value);
    return;
  }
  if (auto v = Convert(*p, value)) p->Set(*target, *v);
}

}  // namespace

void ApplyObjectText(const TTextObject& object, TPersistent& root) {
  for (const TTextProperty& line : object.properties) ApplyProperty(root, line.path, line.value);
}

void ReadObjectText(std::string_view text, TPersistent& root) {
  ApplyObjectText(ParseObjectText(text), root);
}

}  // namespace xs
