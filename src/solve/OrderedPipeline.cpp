#include "solve/OrderedPipeline.h"

#include <utility>

namespace vantrel::solve {

namespace {

// Chunks in flight per worker: enough that no worker waits for the writer, few enough that the
// memory stays small.
constexpr std::int64_t kChunksPerWorker = 4;

}  // namespace

OrderedPipeline::OrderedPipeline(int workers, std::function<Worker()> makeWorker,
                                 std::function<void(const QByteArray&)> write)
    : makeWorker_(std::move(makeWorker)),
      write_(std::move(write)),
      maxInFlight_(kChunksPerWorker * workers) {
  for (int i = 0; i < workers; ++i)
    threads_.emplace_back([this] { work(); });
}

OrderedPipeline::~OrderedPipeline() {
  try {
    finish();
  } catch (...) {
    // Reached only while another failure ends the run; that one is reported.
  }
}

void OrderedPipeline::submit(Chunk chunk) {
  std::unique_lock lock(mutex_);
  roomFreed_.wait(lock, [this] { return submitted_ - written_ < maxInFlight_ || failure_; });
  // Once a chunk is lost the run has failed: nothing more is solved or written.
  if (failure_) std::rethrow_exception(failure_);
  waiting_.emplace_back(submitted_++, std::move(chunk));
  workWaiting_.notify_one();
}

void OrderedPipeline::finish() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  workWaiting_.notify_all();
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void OrderedPipeline::work() {
  Worker worker;
  std::unique_lock lock(mutex_);
  for (;;) {
    workWaiting_.wait(lock, [this] { return !waiting_.empty() || closing_; });
    if (waiting_.empty()) return;
    auto [number, chunk] = std::move(waiting_.front());
    waiting_.pop_front();
    lock.unlock();
    QByteArray output;
    try {
      if (!worker) worker = makeWorker_();
      output = worker(chunk);
    } catch (...) {
      const std::lock_guard failed(mutex_);
      if (!failure_) failure_ = std::current_exception();
    }
    lock.lock();
    made_.emplace(number, std::move(output));
    if (!writing_) writeInOrder(lock);
  }
}

// Writes the outputs that are next in order, the lock released while writing. Only one thread
// writes at a time; a worker that finishes a chunk while another writes leaves it to that one,
// which looks for the next output after every write. After a failure the outputs are dropped:
// what follows a gap in the output would pass for the whole of it.
void OrderedPipeline::writeInOrder(std::unique_lock<std::mutex>& lock) {
  writing_ = true;
  for (auto next = made_.find(written_); next != made_.end(); next = made_.find(written_)) {
    const QByteArray output = std::move(next->second);
    made_.erase(next);
    const bool lost = failure_ != nullptr;
    lock.unlock();
    try {
      if (!lost) write_(output);
    } catch (...) {
      const std::lock_guard failed(mutex_);
      if (!failure_) failure_ = std::current_exception();
    }
    lock.lock();
    ++written_;
    roomFreed_.notify_all();
  }
  writing_ = false;
}

}  // namespace vantrel::solve
