// Objects that can copy themselves (Assign) and be stored by their
// properties: the published ones their class declares (base/published.h) and
// the defined ones they announce through DefineProperties.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"

namespace xs {

class TClass;
class TStream;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Raised when an object cannot be copied from a source of another class.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Receives the values a class stores beside its published properties. The
// object text writer and reader implement it: the writer asks each
// definition for its value, the reader hands a value to the definition whose
// name matches.
class TXDefiner {
 public:
  virtual ~TXDefiner() = default;
  // A block of bytes. read: gets a stream over the stored bytes (position 0).
  // write: puts the bytes into the stream it gets. has_data: whether the
  // writer writes the block at all.
  virtual void DefineBinaryProperty(std::string_view name,
                                    const std::function<void(TStream&)>& read,
                                    const std::function<void(TStream&)>& write,
                                    bool has_data) = 0;
  // A list of strings. read: gets the stored strings. has_data: whether the
  // writer writes items.
  virtual void DefineStringsProperty(std::string_view name,
                                     const std::function<void(std::vector<std::string>)>& read,
                                     const std::vector<std::string>& items, bool has_data) = 0;
};

class TPersistent : public TObject {
 public:
  static const TClass& StaticClass();
  // The class of the object as stored: its name, virtual constructor and
  // published properties. Every stored class overrides it (XS_DECLARE_CLASS).
  virtual const TClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;

  // Copies source into this object. On success this object holds source's
  // values. On failure (nothing knows how to copy such a source) raises
  // EConvertError and leaves this object unchanged. The base asks the source
  // to copy itself here (AssignTo).
  virtual void Assign(const TPersistent& source);

  // Announces the defined properties to definer; the base has none.
  virtual void DefineProperties(TXDefiner& definer) {}

 protected:
  // Copies this object into dest. The base raises EConvertError.
  virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace xs
