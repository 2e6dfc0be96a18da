#include "base/progress.h"

#include <cmath>

namespace xs {

uint64_t RoundDiv(uint64_t num, uint64_t den) {
  uint64_t q = num / den, r = num % den;
  if (r > den - r || (r == den - r && (q & 1))) ++q;
  return q;
}

namespace {
// The share of range reached at pos of max; the product wraps at 32 bits as
// the stored format of older progress code did.
int32_t Share(int32_t range, uint32_t pos, uint32_t max) {
  uint32_t product = static_cast<uint32_t>(range) * pos;
  return static_cast<int32_t>(RoundDiv(product, max));
}
}  // namespace

void TXProgressTarget::SetProgress(int v) {
  if (v != 0 && v <= position_) return;
  position_ = v;
  if (!OnChange) return;
  try {
    OnChange(*this);
  } catch (...) {
  }
}

TXProgressItem::TXProgressItem(TXProgressItem* parent, TXProgressTarget* target)
    : parent_(parent), target_(parent ? parent->target_ : target) {}

void TXProgressItem::SetPosition(uint32_t v) {
  if (v > Max) v = Max;
  Position = v;
  if (target_) target_->SetProgress(Base + Share(Range, v, Max));
}

void TXProgressItem::SetMax(uint32_t v) {
  if (v == 0 || v == Max) return;
  Max = v;
  if (Position > Max) Position = Max;
}

void TXProgressItem::SetPercent(int percent) {
  SetPosition(static_cast<uint32_t>(std::nearbyint(Max / 100.0 * percent)));
}

void TXProgressItem::GrowMax(uint32_t n) {
  if (n == 0) return;
  uint32_t old_max = Max;
  Max += n;
  SetPosition(static_cast<uint32_t>(RoundDiv(uint64_t{Position} * Max, old_max)));
}

TXProgressItem* TXProgressItem::StartChild(uint32_t end) {
  if (!child_) child_ = std::make_unique<TXProgressItem>(this);
  TXProgressItem* c = child_.get();
  c->Base = Base + Share(Range, Position, Max);
  c->ParentEnd = static_cast<int32_t>(end);
  c->Range = Base + Share(Range, end, Max) - c->Base;
  if (target_) target_->Current = c;
  return c;
}

TXProgressItem* TXProgressItem::BeginChild(int percent) {
  // Finishing an earlier child moves Position first, so read it afterwards.
  if (child_) child_->Finish();
  uint32_t span = static_cast<uint32_t>(RoundDiv(uint64_t(percent < 0 ? 0 : percent) * Max, 100));
  return StartChild(Position + span);
}

TXProgressItem* TXProgressItem::BeginStepChild() {
  if (child_) child_->Finish();
  return StartChild(Position + 1);
}

void TXProgressItem::Finish() {
  SetPosition(Max);
  if (parent_) {
    parent_->SetPosition(static_cast<uint32_t>(ParentEnd));
  } else if (target_) {
    target_->position_ = 1000;
  }
  child_.reset();
  if (target_) target_->Current = parent_;
}

TXProgressItem* PxBeginChild(TXProgressItem* item, int percent) {
  return item ? item->BeginChild(percent) : nullptr;
}
TXProgressItem* PxBeginStepChild(TXProgressItem* item) {
  return item ? item->BeginStepChild() : nullptr;
}
void PxSetMax(TXProgressItem* item, uint32_t v) {
  if (item) item->SetMax(v);
}
void PxStep(TXProgressItem* item) {
  if (item) item->Step();
}
void PxSetPercent(TXProgressItem* item, int percent) {
  if (item) item->SetPercent(percent);
}
void PxFinish(TXProgressItem* item) {
  if (item) item->Finish();
}

}  // namespace xs
