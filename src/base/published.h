// Declaring a class's published properties: the table the object text
// writer follows (base class first, then declaration order) and the reader
// searches by name.
//
// In the header, first in the class body:
//
//   class TXUITextItem : public TXUICustomItem {
//     XS_DECLARE_CLASS(TXUITextItem)
//    public:
//     std::string Text;
//     std::string TextName;
//   };
//
// In the source file, the class name, its base and the table:
//
//   XS_DEFINE_CLASS(TXUITextItem, TXUICustomItem,
//       Prop("Text", &TXUITextItem::Text),
//       Prop("TextName", &TXUITextItem::TextName))
//
// Prop deduces the kind from the member's type:
//   bool                                     Boolean
//   TColor                                   Color
//   enumeration E with EnumInfo(E) (XS_ENUM) Enum (written by member name)
//   std::bitset<N>                           Set; name the member enumeration:
//                                              Prop<TXUICondition>("Condition", &T::Condition)
//   8-, 16-, 32-bit integer (signed or not)  Integer
//   int64_t                                  Int64
//   double                                   Float (also date-time)
//   std::string                              String
//   X, X* or std::unique_ptr<X>, X derived   Object: its own properties are written with a
//     from TPersistent                         dotted prefix; a TCollection as "<...>"; a
//                                              TStringList as "Name.Strings = (...)"
// A setter may take the place of the field write:
//   Prop("LgID", &TXObject::lg_id_, &TXObject::SetLgID)            (field, setter)
//   Prop("Obj", &TXObjectComponent::Obj, &TXObjectComponent::SetObj)   (getter method)
// and two modifiers follow the declaration:
//   Prop("LgID", ...).Default(0)   ordinal kinds: not written while equal to 0
//   Prop("Name", ...).NotStored()  never written
#pragma once

#include <algorithm>
#include <bitset>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>

#include "base/class_info.h"
#include "base/color.h"
#include "base/persistent.h"

// Declares StaticClass and ClassType. Place first in the class body; the
// access is public after it.
#define XS_DECLARE_CLASS(Class)                                              \
 public:                                                                     \
  static const ::xs::TClass& StaticClass();                                  \
  const ::xs::TClass& ClassType() const override { return StaticClass(); }

// Defines StaticClass in a source file: the class named as written, its base
// and its own published properties (Prop(...) expressions, possibly none).
#define XS_DEFINE_CLASS(Class, Base, ...)                                                   \
  const ::xs::TClass& Class::StaticClass() {                                                \
    static const ::xs::TClass cls = ::xs::MakeClass<Class, Base>(#Class, {__VA_ARGS__});    \
    return cls;                                                                             \
  }

// Declares an enumeration (members without explicit values) together with
// the member names the object text uses.
#define XS_ENUM(Name, Underlying, ...)                                       \
  enum Name : Underlying { __VA_ARGS__ };                                    \
  inline const ::xs::TEnumInfo& EnumInfo(Name) {                             \
    static const ::xs::TEnumInfo info(#Name, #__VA_ARGS__);                  \
    return info;                                                             \
  }

namespace xs {

template <class T, class Base>
TClass MakeClass(std::string name, std::initializer_list<TPropInfo> props) {
  static_assert(std::is_base_of_v<Base, T> && !std::is_same_v<Base, T>);
  TClass::Factory create = nullptr;
  if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>)
    create = []() -> TPersistent* { return new T(); };
  return TClass(std::move(name), &Base::StaticClass(), create, typeid(T), props);
}

namespace prop_detail {

template <class T>
struct BitsetSize : std::integral_constant<size_t, 0> {};
template <size_t N>
struct BitsetSize<std::bitset<N>> : std::integral_constant<size_t, N> {};

// The object class X behind X, X* and std::unique_ptr<X>; void otherwise.
template <class T>
struct ObjectOf {
  using type = std::conditional_t<std::is_base_of_v<TPersistent, T>, T, void>;
};
template <class X>
struct ObjectOf<X*> {
  using type = std::conditional_t<std::is_base_of_v<TPersistent, X>, X, void>;
};
template <class X>
struct ObjectOf<std::unique_ptr<X>> {
  using type = std::conditional_t<std::is_base_of_v<TPersistent, X>, X, void>;
};

template <class T>
constexpr bool kIsObject = !std::is_void_v<typename ObjectOf<T>::type>;

// Kind, member names and range of a property whose value has type T.
template <class E, class T>
TPropInfo Describe(std::string_view name) {
  TPropInfo p;
  p.Name = name;
  if constexpr (std::is_same_v<T, bool>) {
    p.Kind = TPropKind::Boolean;
    p.Enum = &BooleanInfo();
    p.Max = 1;
  } else if constexpr (std::is_same_v<T, TColor>) {
    p.Kind = TPropKind::Color;
  } else if constexpr (std::is_enum_v<T>) {
    p.Kind = TPropKind::Enum;
    p.Enum = &EnumInfo(T{});
    p.Max = p.Enum->Count() - 1;
  } else if constexpr (BitsetSize<T>::value > 0) {
    static_assert(std::is_enum_v<E>, "name the member enumeration: Prop<E>(...)");
    static_assert(BitsetSize<T>::value <= 64);
    p.Kind = TPropKind::Set;
    p.Enum = &EnumInfo(E{});
    size_t bits = std::min<size_t>(BitsetSize<T>::value, static_cast<size_t>(p.Enum->Count()));
    p.Max = bits >= 64 ? -1 : static_cast<int64_t>((uint64_t{1} << bits) - 1);
  } else if constexpr (std::is_same_v<T, int64_t>) {
    p.Kind = TPropKind::Int64;
  } else if constexpr (std::is_integral_v<T>) {
    static_assert(sizeof(T) <= 4, "64-bit properties are int64_t");
    p.Kind = TPropKind::Integer;
    p.Min = std::numeric_limits<T>::min();
    p.Max = std::numeric_limits<T>::max();
  } else if constexpr (std::is_same_v<T, double>) {
    p.Kind = TPropKind::Float;
  } else if constexpr (std::is_same_v<T, std::string>) {
    p.Kind = TPropKind::String;
  } else {
    static_assert(kIsObject<T>, "no published property kind for this type");
    p.Kind = TPropKind::Object;
  }
  return p;
}

template <class T>
TPropValue ToValue(T& v) {
  if constexpr (kIsObject<T>) {
    if constexpr (std::is_pointer_v<T>) return static_cast<TPersistent*>(v);
    else if constexpr (std::is_base_of_v<TPersistent, T>) return static_cast<TPersistent*>(&v);
    else return static_cast<TPersistent*>(v.get());
  } else if constexpr (BitsetSize<T>::value > 0) {
    return static_cast<int64_t>(v.to_ullong());
  } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
    return static_cast<int64_t>(v);
  } else {
    return v;  // double or std::string
  }
}

template <class T>
T FromValue(const TPropValue& v) {
  if constexpr (BitsetSize<T>::value > 0) return T(static_cast<unsigned long long>(std::get<int64_t>(v)));
  else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) return static_cast<T>(std::get<int64_t>(v));
  else return std::get<T>(v);
}

template <class C>
C& Self(TPersistent& o) {
  return static_cast<C&>(o);
}

}  // namespace prop_detail

// A property read from and written to a field.
template <class E = void, class C, class M>
  requires(!std::is_function_v<M>)
TPropInfo Prop(std::string_view name, M C::*field) {
  TPropInfo p = prop_detail::Describe<E, M>(name);
  p.Get = [field](TPersistent& o) { return prop_detail::ToValue(prop_detail::Self<C>(o).*field); };
  if constexpr (!prop_detail::kIsObject<M>)
    p.Set = [field](TPersistent& o, const TPropValue& v) {
      prop_detail::Self<C>(o).*field = prop_detail::FromValue<M>(v);
    };
  return p;
}

// A property read from a field and written through a setter.
template <class E = void, class C, class M, class CS, class S>
  requires(!std::is_function_v<M>)
TPropInfo Prop(std::string_view name, M C::*field, void (CS::*setter)(S)) {
  TPropInfo p = prop_detail::Describe<E, M>(name);
  p.Get = [field](TPersistent& o) { return prop_detail::ToValue(prop_detail::Self<C>(o).*field); };
  if constexpr (!prop_detail::kIsObject<M>)
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      (prop_detail::Self<C>(o).*setter)(prop_detail::FromValue<std::decay_t<S>>(v));
    };
  return p;
}

// A property read through a getter and written through a setter.
template <class E = void, class C, class R, class CS, class S>
TPropInfo Prop(std::string_view name, R (C::*getter)() const, void (CS::*setter)(S)) {
  using T = std::decay_t<R>;
  static_assert(!prop_detail::kIsObject<T> || std::is_pointer_v<T>, "a getter returns objects by pointer");
  TPropInfo p = prop_detail::Describe<E, T>(name);
  p.Get = [getter](TPersistent& o) {
    T v = (prop_detail::Self<C>(o).*getter)();
    return prop_detail::ToValue(v);
  };
  if constexpr (!prop_detail::kIsObject<T>)
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      (prop_detail::Self<C>(o).*setter)(prop_detail::FromValue<std::decay_t<S>>(v));
    };
  return p;
}

}  // namespace xs
