#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The thread on which the main cycle and every exchange with the controller board run, so
// the window never waits on a serial line. It ticks every `tickMs` and runs the work handed
// to it between two ticks, in the order given; it waits on a condition between them, never
// spinning. Inline (the tests' mode), nothing runs on a thread of its own: the window's
// Timer1 ticks and handed work runs at once, as the station ran before it had a worker.
class BoardWorker {
 public:
  enum class Mode { Thread, Inline };

  BoardWorker(Mode mode, int tickMs, std::function<void()> tick);
  // Stops and waits for the thread (see stop()).
  ~BoardWorker();
  BoardWorker(const BoardWorker&) = delete;
  BoardWorker& operator=(const BoardWorker&) = delete;

  Mode mode() const { return mode_; }
  // Starts ticking (Thread). `finished` runs on the worker just before its thread ends.
  void start(std::function<void()> finished);
  // Hands work to the worker: Thread, queued and run between ticks in order; Inline, at
  // once on the caller's thread.
  void post(std::function<void()> work);
  // Asks the worker to end after the tick or work under way (the caller makes that
  // abandon its waits); returns at once.
  void stop();
  // Waits for the thread to end, running `whileWaiting` now and then (the window's
  // thread serves the worker's boxes meanwhile). True when it has ended.
  bool join(const std::function<void()>& whileWaiting);
  bool started() const { return thread_.joinable(); }
  bool onWorker() const { return std::this_thread::get_id() == thread_.get_id(); }

 private:
  void run();

  const Mode mode_;
  const std::chrono::milliseconds period_;
  std::function<void()> tick_;
  std::function<void()> finished_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> work_;
  bool stop_ = false;
  bool ended_ = false;
};
