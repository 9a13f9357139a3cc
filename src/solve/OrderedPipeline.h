#pragma once
// Work spread over threads with the results kept in order: chunks of input are handed to
// workers as they come, each worker makes the chunk's output, and the outputs are written in the
// order the chunks were submitted. At most a few chunks per worker are in flight at once, so the
// memory used stays the same however much input passes through.

#include <QByteArray>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace vantrel::solve {

// A chunk of input: records with the line each starts on.
struct Record {
  QByteArray text;
  std::int64_t line = 0;
};
using Chunk = std::vector<Record>;

class OrderedPipeline {
 public:
  // Makes a chunk's output; each worker thread makes its own with makeWorker, on that thread.
  using Worker = std::function<QByteArray(const Chunk&)>;

  // Starts `workers` threads; `write` receives every output, in order, on one thread at a time.
  OrderedPipeline(int workers, std::function<Worker()> makeWorker,
                  std::function<void(const QByteArray&)> write);
  // Finishes the work when finish() was not called.
  ~OrderedPipeline();
  OrderedPipeline(const OrderedPipeline&) = delete;
  OrderedPipeline& operator=(const OrderedPipeline&) = delete;

  // Hands chunk over; waits while as many chunks as allowed are in flight. Rethrows the first
  // exception a worker or the writer threw, once there is one.
  void submit(Chunk chunk);
  // Waits until every chunk is written and the threads have ended. Rethrows the first
  // exception a worker or the writer threw (the output of that chunk is then missing).
  void finish();

 private:
  void work();
  void writeInOrder(std::unique_lock<std::mutex>& lock);

  std::function<Worker()> makeWorker_;
  std::function<void(const QByteArray&)> write_;
  const std::int64_t maxInFlight_;

  std::mutex mutex_;
  std::condition_variable workWaiting_;
  std::condition_variable roomFreed_;
  std::deque<std::pair<std::int64_t, Chunk>> waiting_;
  std::map<std::int64_t, QByteArray> made_;
  std::int64_t submitted_ = 0;
  std::int64_t written_ = 0;
  bool writing_ = false;
  bool closing_ = false;
  std::exception_ptr failure_;
  std::vector<std::thread> threads_;
};

}  // namespace vantrel::solve
