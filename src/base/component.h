// Objects with an owner that frees them.
#pragma once

#include <string>
#include <vector>

#include "base/published.h"

namespace xs {

class TComponent : public TPersistent {
  XS_DECLARE_CLASS(TComponent)
 public:
  // Joins owner's list (when given); the owner frees it in its destructor.
  explicit TComponent(TComponent* owner = nullptr);
  // Frees the owned components, last first, and leaves the owner's list.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  std::string Name;

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};

}  // namespace xs
