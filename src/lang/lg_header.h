// What describes a language pack: its header, the whole pack in memory, the
// pack's named data items, and ordered lists of headers.
#pragma once

#include <cstdint>
#include <string>

#include "base/stream.h"
#include "package/persistent_list.h"
#include "package/stored_stream.h"

namespace xs {

// A named data item of a language. Published: name, LgID, XFilter, Data, x.
class TXB : public TXStreamItem {
  XS_DECLARE_CLASS(TXB)
 public:
  bool x = true;
  bool AssignFrom(const TPersistent& source) override;
};

class TXBCollection : public TXStreamCollection {
 public:
  TXBCollection() : TXStreamCollection(TXB::StaticClass()) {}
  TXB* GetItem(int i) const { return Item<TXB>(i); }
};

// One language pack. Published: LgID, Name, AppID, AppVer, Revision, Author,
// Contact, Comments, Data.
class TXLgHeader : public TXObject {
  XS_DECLARE_CLASS(TXLgHeader)
 public:
  std::string LgName;  // published as "Name": the display name
  uint32_t AppID = 0;
  uint32_t AppVer = 0;
  std::string Revision, Author, Contact, Comments, Data;
  // Where the pack comes from: a stream (borrowed) or, without one, a file.
  std::string FileName;
  TStream* Source = nullptr;

  // From a TXLgHeader: every field; the stream as a reference.
  bool AssignFrom(const TPersistent& source) override;
};

// A whole pack in memory: the header, the words text and the data items.
class TXLgProject : public TXLgHeader {
  XS_DECLARE_CLASS(TXLgProject)
 public:
  TMemoryStream Words;
  TXBCollection Items;

  // From a TXLgProject: the words (by content) and the items, then the
  // header fields.
  bool AssignFrom(const TPersistent& source) override;
};

class TXLgHeaderList : public TXObjectList {
 public:
  explicit TXLgHeaderList(bool owns_objects) : TXObjectList(owns_objects) {}

  TXLgHeader* GetItem(int i) const { return static_cast<TXLgHeader*>(Items(i)); }
  // First index whose LgID is id; -1 when there is none.
  int IndexOfLgID(int id) const;
  // First index whose pack has a source stream; -1 when there is none.
  int IndexOfFirstWithStream() const;
  // The pack of the preferred language first, the rest by Name without
  // regard to case. Equal entries keep their order.
  void Sort();
};

}  // namespace xs
