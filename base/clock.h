#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Every wait and every reading of time goes through a Clock, so that tests can run the
// board's multi-second waits instantly and the station can measure in the board's own
// time unit.
class Clock {
 public:
  // The board counts waits in hundred-millionths of a day: 0.864 ms.
  static constexpr double kUnitMs = 0.864;

  virtual ~Clock() = default;

  // Milliseconds on a monotonic scale; only differences mean anything.
  virtual qint64 monotonicMs() const = 0;
  // Wall-clock date and time, for the event log, lot dates and the hourly production.
  virtual QDateTime now() const = 0;
  // Blocks the caller for the given time (the board exchanges are synchronous).
  virtual void waitMs(qint64 ms) = 0;
  // Blocks until the file descriptor has bytes to read or the time has passed; true when
  // there is something to read. The serial links wait for echoes and replies this way, so
  // an idle line costs no processor time and a test clock can let the time-out pass at once.
  virtual bool waitReadable(int fd, qint64 ms) = 0;

  // The board time unit as milliseconds, rounded up so a wait is never shorter than asked.
  static qint64 unitsToMs(qint64 units);
  void waitUnits(qint64 units) { waitMs(unitsToMs(units)); }
  // Whole board units elapsed since a monotonic instant.
  qint64 unitsSince(qint64 startMs) const;
};

class SystemClock final : public Clock {
 public:
  SystemClock();
  qint64 monotonicMs() const override;
  QDateTime now() const override;
  void waitMs(qint64 ms) override;
  bool waitReadable(int fd, qint64 ms) override;

 private:
  QElapsedTimer timer_;
};

// A clock that moves only when told to, or when someone waits on it. Tests use it so a
// 4320 ms time-out passes in no time while the code under test still sees it pass.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 15), QTime(8, 0, 0)));
  qint64 monotonicMs() const override { return elapsedMs_; }
  QDateTime now() const override { return start_.addMSecs(elapsedMs_); }
  void waitMs(qint64 ms) override { advance(ms); }
  // Waits for real at most `graceMs` (for a peer thread or process to answer); when the
  // bytes come, the clock moves by the real time taken, otherwise by the whole wait.
  bool waitReadable(int fd, qint64 ms) override;
  void setGraceMs(qint64 ms) { graceMs_ = ms; }

  void advance(qint64 ms) { if (ms > 0) elapsedMs_ += ms; totalWaitedMs_ += ms > 0 ? ms : 0; }
  qint64 totalWaitedMs() const { return totalWaitedMs_; }

 private:
  QDateTime start_;
  qint64 elapsedMs_ = 0;
  qint64 totalWaitedMs_ = 0;
  qint64 graceMs_ = 150;
};
