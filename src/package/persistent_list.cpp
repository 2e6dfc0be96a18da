#include "package/persistent_list.h"

namespace xs {

void TXObjectList::Assign(const TObjectList& source) {
  int count = source.Count();  // source may be this list
  for (int i = 0; i < count; ++i) {
    auto* element = dynamic_cast<const TXPersistent*>(source.Items(i));
    if (!element) continue;
    std::unique_ptr<TPersistent> copy = element->ClassType().Create();
    if (!copy) continue;
    copy->Assign(*element);
    Add(copy.release());
  }
}

}  // namespace xs
