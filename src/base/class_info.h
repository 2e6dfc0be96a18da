// Run-time class information: a class's name, its parent, its virtual
// constructor and its published properties. The object text writer walks the
// properties in this order; the reader finds them by name. Classes declare
// their tables with the helpers of base/published.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <variant>
#include <vector>

namespace xs {

class TPersistent;

// The member names of an enumeration, ordinal 0 first.
class TEnumInfo {
 public:
  // names: the member identifiers separated by commas (blanks are trimmed),
  // as the stringized enumerator list of XS_ENUM gives them.
  TEnumInfo(std::string_view type_name, std::string_view names);
  const std::string& TypeName() const { return type_name_; }
  int Count() const { return static_cast<int>(names_.size()); }
  const std::string& Name(int ordinal) const { return names_[static_cast<size_t>(ordinal)]; }
  // Ordinal of the member with this name, compared without regard to case;
  // -1 when there is none.
  int IndexOf(std::string_view name) const;

 private:
  std::string type_name_;
  std::vector<std::string> names_;
};

// The members False and True of the boolean type.
const TEnumInfo& BooleanInfo();

// The kinds of published properties and the form of their values.
enum class TPropKind {
  Integer,  // 8-, 16- or 32-bit, signed or unsigned: int64_t
  Int64,    // int64_t
  Boolean,  // int64_t 0 or 1
  Enum,     // int64_t ordinal
  Set,      // int64_t, bit n for the member of ordinal n
  Float,    // double (also date-time)
  Color,    // int64_t holding the 32-bit signed colour
  String,   // std::string
  Object,   // TPersistent*, may be null; collections are objects too
};

using TPropValue = std::variant<int64_t, double, std::string, TPersistent*>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumInfo* Enum = nullptr;  // Boolean, Enum and Set
  int64_t Min = 0;                  // Integer: the values the field holds;
  int64_t Max = 0;                  // Set: Max is the mask of storable bits
  std::optional<int64_t> DefaultValue;
  bool IsStored = true;
  std::function<TPropValue(TPersistent&)> Get;
  // Empty for object properties: the reader fills their objects in place.
  std::function<void(TPersistent&, const TPropValue&)> Set;

  // Ordinal kinds: the value is not written when it equals v.
  TPropInfo Default(int64_t v) && {
    DefaultValue = v;
    return std::move(*this);
  }
  // The property is never written (it is still read).
  TPropInfo NotStored() && {
    IsStored = false;
    return std::move(*this);
  }
};

class TClass {
 public:
  using Factory = TPersistent* (*)();

  // parent: nullptr only for TPersistent. create: nullptr for classes that
  // cannot be instantiated. type: the C++ class. props: own published
  // properties in declaration order; one with the name of an inherited
  // property takes that property's place.
  TClass(std::string name, const TClass* parent, Factory create, const std::type_info& type,
         std::vector<TPropInfo> props);
  TClass(const TClass&) = delete;
  TClass& operator=(const TClass&) = delete;

  const std::string& Name() const { return name_; }
  const TClass* Parent() const { return parent_; }
  bool InheritsFrom(const TClass& other) const;
  // Whether object is exactly of this class (not of an undeclared subclass).
  bool IsClassOf(const TPersistent& object) const;

  bool CanCreate() const { return create_ != nullptr; }
  // The virtual constructor. On success returns a new default-constructed
  // object of this class. On failure (an abstract class) returns nullptr.
  std::unique_ptr<TPersistent> Create() const;

  // All published properties, those of the base classes first.
  const std::vector<const TPropInfo*>& Properties() const { return all_; }
  // The published property with this name, compared without regard to case;
  // nullptr when there is none.
  const TPropInfo* FindProperty(std::string_view name) const;

 private:
  std::string name_;
  const TClass* parent_;
  Factory create_;
  const std::type_info& type_;
  std::vector<TPropInfo> own_;
  std::vector<const TPropInfo*> all_;
};

}  // namespace xs
