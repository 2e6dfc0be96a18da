#include "lang/lg_header.h"

#include <algorithm>
#include <vector>

#include "base/convert.h"
#include "lang/language.h"

namespace xs {

XS_DEFINE_CLASS(TXB, TXStreamItem, Prop("x", &TXB::x))

bool TXB::AssignFrom(const TPersistent& source) {
  TXStreamItem::AssignFrom(source);
  if (auto* b = dynamic_cast<const TXB*>(&source)) x = b->x;
  return true;
}

XS_DEFINE_CLASS(TXLgHeader, TXObject,
    Prop("Name", &TXLgHeader::LgName),
    Prop("AppID", &TXLgHeader::AppID),
    Prop("AppVer", &TXLgHeader::AppVer),
    Prop("Revision", &TXLgHeader::Revision),
    Prop("Author", &TXLgHeader::Author),
    Prop("Contact", &TXLgHeader::Contact),
    Prop("Comments", &TXLgHeader::Comments),
    Prop("Data", &TXLgHeader::Data))

bool TXLgHeader::AssignFrom(const TPersistent& source) {
  TXObject::AssignFrom(source);
  if (auto* h = dynamic_cast<const TXLgHeader*>(&source)) {
    LgName = h->LgName;
    AppID = h->AppID;
    AppVer = h->AppVer;
    Revision = h->Revision;
    Author = h->Author;
    Contact = h->Contact;
    Comments = h->Comments;
    Data = h->Data;
    FileName = h->FileName;
    Source = h->Source;
  }
  return true;
}

XS_DEFINE_CLASS(TXLgProject, TXLgHeader)

bool TXLgProject::AssignFrom(const TPersistent& source) {
  if (auto* p = dynamic_cast<const TXLgProject*>(&source)) {
    Words.Bytes() = p->Words.Bytes();
    Words.SetPosition(0);
    Items.Assign(p->Items);
  }
  return TXLgHeader::AssignFrom(source);
}

int TXLgHeaderList::IndexOfLgID(int id) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->LgID() == id) return i;
  return -1;
}

int TXLgHeaderList::IndexOfFirstWithStream() const {
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->Source) return i;
  return -1;
}

void TXLgHeaderList::Sort() {
  if (Count() < 2) return;
  std::vector<TXLgHeader*> headers;
  for (int i = 0; i < Count(); ++i) headers.push_back(GetItem(i));
  const int preferred = PreferredLgID();
  std::stable_sort(headers.begin(), headers.end(), [preferred](const TXLgHeader* a, const TXLgHeader* b) {
    bool pa = a->LgID() == preferred, pb = b->LgID() == preferred;
    if (pa != pb) return pa;
    return CompareText(a->LgName, b->LgName) < 0;
  });
  for (int i = Count() - 1; i >= 0; --i) Extract(i);
  for (TXLgHeader* h : headers) Add(h);
}

}  // namespace xs
