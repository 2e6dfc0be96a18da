// Nested progress reporting for long container and filer operations.
//
// A root item covers a share [Base, Base+Range) of a target that keeps the
// overall position in per mille. Each item may start one child covering part
// of its own scale; the child reports into the same target, so deep work
// moves one bar smoothly. Every operation has a Px* companion that accepts an
// absent item, so callers can always pass nullptr.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace xs {

class TXProgressItem;

class TXProgressTarget {
 public:
  int Position() const { return position_; }
  // Ignored when v is not 0 and not above the position (it never moves back,
  // except to 0); otherwise stores v and calls OnChange. An exception from
  // OnChange is swallowed.
  void SetProgress(int v);

  std::function<void(TXProgressTarget&)> OnChange;
  TXProgressItem* Current = nullptr;  // the item that currently reports

 private:
  friend class TXProgressItem;
  int position_ = 0;
};

class TXProgressItem {
 public:
  // A root item when parent is nullptr; a child shares its parent's target.
  explicit TXProgressItem(TXProgressItem* parent = nullptr, TXProgressTarget* target = nullptr);
  TXProgressItem(const TXProgressItem&) = delete;
  TXProgressItem& operator=(const TXProgressItem&) = delete;

  uint32_t Position = 0;
  uint32_t Max = 100;
  int32_t Base = 0;
  int32_t Range = 0;
  int32_t ParentEnd = 0;

  TXProgressItem* Parent() const { return parent_; }
  TXProgressItem* Child() const { return child_.get(); }
  TXProgressTarget* Target() const { return target_; }

  void SetPosition(uint32_t v);
  void SetMax(uint32_t v);
  void Step() { SetPosition(Position + 1); }
  void SetPercent(int percent);
  void GrowMax(uint32_t n);
  TXProgressItem* BeginChild(int percent);
  TXProgressItem* BeginStepChild();
  void Finish();

 private:
  TXProgressItem* StartChild(uint32_t end);

  TXProgressItem* parent_;
  std::unique_ptr<TXProgressItem> child_;
  TXProgressTarget* target_;
};

// Companions that do nothing for an absent item.
TXProgressItem* PxBeginChild(TXProgressItem* item, int percent);
TXProgressItem* PxBeginStepChild(TXProgressItem* item);
void PxSetMax(TXProgressItem* item, uint32_t v);
void PxStep(TXProgressItem* item);
void PxSetPercent(TXProgressItem* item, int percent);
void PxFinish(TXProgressItem* item);

// num / den to the nearest integer, halves to even. den must not be 0.
uint64_t RoundDiv(uint64_t num, uint64_t den);

}  // namespace xs
