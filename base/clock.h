#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <atomic>

// Every wait and every reading of time goes through a Clock, so that tests can run the
// board's multi-second waits instantly and the station can measure in the board's own
// time unit. Times are kept in microseconds: the unit of 0.864 ms is not a whole number of
// milliseconds.
class Clock {
 public:
  // The board counts waits in hundred-millionths of a day: 0.864 ms.
  static constexpr qint64 kUnitUs = 864;

  Clock();
  virtual ~Clock();
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  // Makes every wait, the ones under way and all later ones, return at once (a wait for
  // bytes answers "nothing came"): the station is closing, and the exchange under way is
  // abandoned at its next wait instead of waiting for a board that does not answer.
  // Safe from any thread.
  void interrupt();
  bool interrupted() const { return interrupted_.load(); }
  // Waits wait again (a new worker starts on a clock an ended one interrupted).
  void resume();

  // Microseconds on a monotonic scale; only differences mean anything.
  virtual qint64 monotonicUs() const = 0;
  // Wall-clock date and time, for the event log, lot dates and the hourly production.
  virtual QDateTime now() const = 0;
  // Blocks the caller for the given time (the board exchanges are synchronous).
  virtual void waitUs(qint64 us) = 0;
  // Blocks until the file descriptor has bytes to read or the time has passed; true when
  // there is something to read. The serial links wait for echoes and replies this way, so
  // an idle line costs no processor time and a test clock can let the time-out pass at once.
  virtual bool waitReadable(int fd, qint64 us) = 0;

  qint64 monotonicMs() const { return monotonicUs() / 1000; }
  void waitMs(qint64 ms) { waitUs(ms * 1000); }
  void waitUnits(qint64 units) { waitUs(unitsToUs(units)); }

  static constexpr qint64 unitsToUs(qint64 units) { return units > 0 ? units * kUnitUs : 0; }
  // The units as milliseconds, rounded up.
  static constexpr qint64 unitsToMs(qint64 units) { return (unitsToUs(units) + 999) / 1000; }

 protected:
  // Waits up to `us` for the descriptor (or, with fd -1, only for the interrupt).
  bool pollReadable(int fd, qint64 us) const;

 private:
  std::atomic<bool> interrupted_{false};
  int interruptFd_ = -1;  // an eventfd, readable once interrupted
};

class SystemClock final : public Clock {
 public:
  SystemClock();
  qint64 monotonicUs() const override;
  QDateTime now() const override;
  void waitUs(qint64 us) override;
  bool waitReadable(int fd, qint64 us) override;

 private:
  QElapsedTimer timer_;
};

// A clock that moves only when told to, or when someone waits on it. Tests use it so a
// 4320 ms time-out passes in no time while the code under test still sees it pass.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 15), QTime(8, 0, 0)));
  qint64 monotonicUs() const override { return elapsedUs_.load(); }
  QDateTime now() const override { return start_.addMSecs(elapsedUs_.load() / 1000); }
  void waitUs(qint64 us) override {
    if (!interrupted()) advanceUs(us);
  }
  // Waits for real at most the grace time (for a peer thread or process to answer); when
  // the bytes come, the clock moves by the real time taken, otherwise by the whole wait.
  bool waitReadable(int fd, qint64 us) override;

  void advance(qint64 ms) { advanceUs(ms * 1000); }
  void advanceUs(qint64 us) {
    if (us > 0) elapsedUs_ += us;
  }
  void setGraceMs(qint64 ms) { graceUs_ = ms * 1000; }

 private:
  QDateTime start_;
  // Read by the window's thread and moved by the board's worker.
  std::atomic<qint64> elapsedUs_{0};
  qint64 graceUs_ = 300'000;
};
