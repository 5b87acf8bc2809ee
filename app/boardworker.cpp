#include "app/boardworker.h"

BoardWorker::BoardWorker(Mode mode, int tickMs, std::function<void()> tick)
    : mode_(mode), period_(tickMs), tick_(std::move(tick)) {}

BoardWorker::~BoardWorker() {
  stop();
  join({});
}

void BoardWorker::start(std::function<void()> finished) {
  if (mode_ == Mode::Inline || thread_.joinable()) return;
  finished_ = std::move(finished);
  thread_ = std::thread([this] { run(); });
}

void BoardWorker::post(std::function<void()> work) {
  if (mode_ == Mode::Inline) {
    work();
    return;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_) return;
    work_.push_back(std::move(work));
  }
  wake_.notify_one();
}

void BoardWorker::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
}

bool BoardWorker::join(const std::function<void()>& whileWaiting) {
  if (!thread_.joinable()) return true;
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return ended_; })) break;
    }
    if (whileWaiting) whileWaiting();
  }
  thread_.join();
  return true;
}

void BoardWorker::run() {
  auto next = std::chrono::steady_clock::now() + period_;
  for (;;) {
    std::function<void()> work;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait_until(lock, next, [this] { return stop_ || !work_.empty(); });
      if (stop_) break;
      if (!work_.empty()) {
        work = std::move(work_.front());
        work_.pop_front();
      }
    }
    if (work) {
      work();
      continue;
    }
    tick_();
    // A tick that took longer than the period (a board that does not answer) is followed
    // by the next one a period later, not by a burst of late ones.
    next = std::max(next + period_, std::chrono::steady_clock::now());
  }
  if (finished_) finished_();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
  }
  wake_.notify_all();
}
