#include "base/component.h"

#include <algorithm>

namespace xs {

XS_DEFINE_CLASS(TComponent, TPersistent)

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  while (!components_.empty()) delete components_.back();  // each erases itself
  if (owner_) {
    auto& list = owner_->components_;
    list.erase(std::find(list.begin(), list.end(), this));
  }
}

}  // namespace xs
