#include "base/clock.h"

#include <QThread>
#include <cerrno>
#include <cmath>
#include <poll.h>

qint64 Clock::unitsToMs(qint64 units) {
  if (units <= 0) return 0;
  return static_cast<qint64>(std::ceil(static_cast<double>(units) * kUnitMs));
}

qint64 Clock::unitsSince(qint64 startMs) const {
  const qint64 elapsed = monotonicMs() - startMs;
  if (elapsed <= 0) return 0;
  return static_cast<qint64>(std::floor(static_cast<double>(elapsed) / kUnitMs));
}

SystemClock::SystemClock() { timer_.start(); }

qint64 SystemClock::monotonicMs() const { return timer_.elapsed(); }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

void SystemClock::waitMs(qint64 ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

namespace {

// Polls the descriptor for up to ms milliseconds. A descriptor whose peer hung up is never
// readable: the wait then lasts its whole time instead of returning at once, so callers
// that loop on it do not spin.
bool pollReadable(int fd, qint64 ms, QElapsedTimer& timer) {
  const qint64 start = timer.elapsed();
  for (;;) {
    const qint64 left = ms - (timer.elapsed() - start);
    pollfd p{fd, POLLIN, 0};
    const int r = ::poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
    if (r < 0 && errno == EINTR) continue;
    if (r > 0 && (p.revents & POLLIN)) return true;
    if (r > 0) {
      const qint64 rest = ms - (timer.elapsed() - start);
      if (rest > 0) QThread::msleep(static_cast<unsigned long>(rest));
    }
    return false;
  }
}

}  // namespace

bool SystemClock::waitReadable(int fd, qint64 ms) { return pollReadable(fd, ms, timer_); }

bool ManualClock::waitReadable(int fd, qint64 ms) {
  QElapsedTimer real;
  real.start();
  const qint64 wait = ms < graceMs_ ? ms : graceMs_;
  if (pollReadable(fd, wait < 0 ? 0 : wait, real)) {
    advance(real.elapsed());
    return true;
  }
  advance(ms);
  return false;
}

ManualClock::ManualClock(QDateTime start) : start_(std::move(start)) {}
