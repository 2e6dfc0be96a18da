// Compresses stream objects' bytes on worker threads ahead of the writer,
// which takes them in the order it writes them. Which compressor an item
// gets depends only on its size, never on the number of threads, so the
// container comes out byte for byte the same whatever that number.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "package/stored_item.h"
#include "package/whole_deflater.h"

namespace xs {

// Items up to this size are compressed whole (TXWholeDeflater); larger ones
// are left to the writer's streaming deflate.
constexpr int64_t kWholeItemLimit = int64_t{8} << 20;
// What the workers may hold at once in bytes read and compressed but not
// yet taken: with an item being written and the compressors, it keeps a
// build's memory far below 100 MB whatever the payload.
constexpr int64_t kCompressorBudget = int64_t{40} << 20;

// What the deflaters' own state may take together: it caps the number of
// threads at the strongest levels, whose deflaters are large.
constexpr int64_t kDeflaterStateBudget = int64_t{32} << 20;

class TXItemCompressor : public TXStoredItemProvider {
 public:
  // objects: in the order the writer will ask for them. Those whose bytes
  // stay in a source and whose Size is at most kWholeItemLimit are prepared
  // at level (1..12); the others are left to the writer. threads: workers
  // besides the writer's own thread, which compresses the next items itself
  // while it waits for one (0: it compresses them all); at most as many as
  // kDeflaterStateBudget takes, counting the writer's.
  TXItemCompressor(const std::vector<const TXStreamObject*>& objects, int level, int threads);
  // Stops the workers once their current items are done.
  ~TXItemCompressor() override;

  // An object asked for out of order is left to the writer, and so are
  // those it skipped over: every item prepared is either taken or dropped,
  // so the budget always comes back.
  std::optional<TXStoredItem> Take(const TXStreamObject& object) override;

 private:
  enum class TState { Waiting, Running, Done, Skipped };
  struct TJob {
    const TXStreamObject* Object = nullptr;
    TState State = TState::Waiting;
    int64_t Charge = 0;  // bytes held against the budget
    bool Dropped = false;
    std::optional<TXStoredItem> Result;
  };

  void Work();
  // The first job no thread has begun, or none; skips those skipped.
  TJob* NextWaiting();
  // Whether there is a job to begin and the budget takes it.
  bool CanBegin();
  // Begins the next job and runs it with lock released; the result waits
  // for the writer.
  void RunNext(std::unique_lock<std::mutex>& lock, std::unique_ptr<TXWholeDeflater>& deflater);
  // Reads and deflates one job's bytes; empty on any failure.
  static std::optional<TXStoredItem> Prepare(const TXStreamObject& object, TXWholeDeflater& deflater);

  int level_;
  std::vector<TJob> jobs_;
  std::unordered_map<const TXStreamObject*, size_t> index_;
  size_t next_claim_ = 0;
  size_t next_take_ = 0;
  int64_t held_ = 0;
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::unique_ptr<TXWholeDeflater> own_deflater_;  // the writer's thread's
  std::vector<std::thread> workers_;
};

}  // namespace xs
