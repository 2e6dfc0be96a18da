#include "base/class_info.h"

#include "base/convert.h"
#include "base/persistent.h"
#include "base/text.h"

namespace xs {

TEnumInfo::TEnumInfo(std::string_view type_name, std::string_view names) : type_name_(type_name) {
  while (!names.empty()) {
    size_t comma = names.find(',');
    names_.push_back(Trim(names.substr(0, comma)));
    names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
  }
}

const TEnumInfo& BooleanInfo() {
  static const TEnumInfo info("Boolean", "False, True");
  return info;
}

int TEnumInfo::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (SameText(names_[i], name)) return static_cast<int>(i);
  return -1;
}

TClass::TClass(std::string name, const TClass* parent, Factory create, const std::type_info& type,
               std::vector<TPropInfo> props)
    : name_(std::move(name)), parent_(parent), create_(create), type_(type), own_(std::move(props)) {
  if (parent_) all_ = parent_->all_;
  for (const TPropInfo& p : own_) {
    bool replaced = false;
    for (const TPropInfo*& q : all_)
      if (SameText(q->Name, p.Name)) {
        q = &p;
        replaced = true;
      }
    if (!replaced) all_.push_back(&p);
  }
}

bool TClass::InheritsFrom(const TClass& other) const {
  for (const TClass* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

bool TClass::IsClassOf(const TPersistent& object) const { return typeid(object) == type_; }

std::unique_ptr<TPersistent> TClass::Create() const {
  return std::unique_ptr<TPersistent>(create_ ? create_() : nullptr);
}

const TPropInfo* TClass::FindProperty(std::string_view name) const {
  for (const TPropInfo* p : all_)
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

}  // namespace xs
