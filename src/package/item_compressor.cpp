#include "package/item_compressor.h"

#include <exception>

#include "package/crc32.h"

namespace xs {

namespace {
// What a job holds while it runs: the bytes read, room for them deflated,
// and buffers and bookkeeping beside them.
int64_t RunningCharge(const TXStreamObject& object) { return 2 * object.Size + 64 * 1024; }
// What its result holds until the writer takes it.
int64_t ResultCharge(const TXStoredItem& item) { return static_cast<int64_t>(item.Bytes.size()) + 64 * 1024; }
}  // namespace

TXItemCompressor::TXItemCompressor(const std::vector<const TXStreamObject*>& objects, int level, int threads)
    : level_(level) {
  for (const TXStreamObject* object : objects) {
    if (object->InMemory() || object->Size < 0 || object->Size > kWholeItemLimit || index_.count(object)) continue;
    index_[object] = jobs_.size();
    jobs_.emplace_back().Object = object;
  }
  const int64_t most = kDeflaterStateBudget / TXWholeDeflater::StateBytes(level) - 1;
  for (int i = 0; i < threads && i < most && static_cast<size_t>(i) < jobs_.size(); ++i)
    workers_.emplace_back([this] { Work(); });
}

TXItemCompressor::~TXItemCompressor() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

TXItemCompressor::TJob* TXItemCompressor::NextWaiting() {
  while (next_claim_ < jobs_.size() && jobs_[next_claim_].State == TState::Skipped) ++next_claim_;
  return next_claim_ < jobs_.size() ? &jobs_[next_claim_] : nullptr;
}

bool TXItemCompressor::CanBegin() {
  TJob* job = NextWaiting();
  return job && (held_ == 0 || held_ + RunningCharge(*job->Object) <= kCompressorBudget);
}

// Jobs are begun in order, each when its bytes fit the budget (or nothing
// is held): the one the writer waits for is never kept out by later ones.
void TXItemCompressor::RunNext(std::unique_lock<std::mutex>& lock, std::unique_ptr<TXWholeDeflater>& deflater) {
  TJob& job = *NextWaiting();
  ++next_claim_;
  job.State = TState::Running;
  job.Charge = RunningCharge(*job.Object);
  held_ += job.Charge;
  lock.unlock();
  std::optional<TXStoredItem> result;
  try {
    if (!deflater) deflater = std::make_unique<TXWholeDeflater>(level_);
    result = Prepare(*job.Object, *deflater);
  } catch (const std::exception&) {
  }
  lock.lock();
  job.State = TState::Done;
  held_ -= job.Charge;
  job.Charge = 0;
  if (result && !job.Dropped) {
    job.Charge = ResultCharge(*result);
    held_ += job.Charge;
    job.Result = std::move(result);
  }
  changed_.notify_all();
}

void TXItemCompressor::Work() {
  std::unique_ptr<TXWholeDeflater> deflater;
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || !NextWaiting() || CanBegin(); });
    if (stopping_ || !NextWaiting()) return;
    RunNext(lock, deflater);
  }
}

std::optional<TXStoredItem> TXItemCompressor::Take(const TXStreamObject& object) {
  auto found = index_.find(&object);
  if (found == index_.end()) return std::nullopt;
  const size_t i = found->second;
  std::unique_lock lock(mutex_);
  if (i < next_take_) return std::nullopt;
  for (size_t k = next_take_; k < i; ++k) {
    TJob& skipped = jobs_[k];
    if (skipped.State == TState::Waiting) skipped.State = TState::Skipped;
    skipped.Dropped = true;
    skipped.Result.reset();
    held_ -= skipped.Charge;
    skipped.Charge = 0;
  }
  next_take_ = i + 1;
  TJob& job = jobs_[i];
  // Rather than wait, the writer compresses the next items itself.
  while (job.State != TState::Done) {
    if (CanBegin()) RunNext(lock, own_deflater_);
    else changed_.wait(lock);
  }
  held_ -= job.Charge;
  job.Charge = 0;
  std::optional<TXStoredItem> result = std::move(job.Result);
  job.Result.reset();
  changed_.notify_all();
  return result;
}

std::optional<TXStoredItem> TXItemCompressor::Prepare(const TXStreamObject& object, TXWholeDeflater& deflater) {
  const size_t size = static_cast<size_t>(object.Size);
  TXStoredItem item;
  std::vector<uint8_t> plain(size + 1);
  std::unique_ptr<TStream> bytes = object.Source()->Open();
  size_t got = 0;
  for (int64_t n; got < plain.size() && (n = bytes->Read(plain.data() + got, plain.size() - got)) > 0;)
    got += static_cast<size_t>(n);
  // Bytes unlike the declared size are for the writer to meet and report.
  if (got != size) return std::nullopt;
  item.Checksum = CRC32Update(0, plain.data(), static_cast<int64_t>(size));
  // An empty item stores nothing, compressed or not.
  if (size > 0) item.Bytes = deflater.Deflate(plain.data(), size);
  return item;
}

}  // namespace xs
