#include "base/clock.h"

#include <cerrno>
#include <ctime>
#include <poll.h>

namespace {

void sleepUs(qint64 us) {
  if (us <= 0) return;
  timespec t{static_cast<time_t>(us / 1'000'000), static_cast<long>((us % 1'000'000) * 1000)};
  while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
  }
}

// Polls the descriptor for up to `us` microseconds. A descriptor whose peer hung up is
// never readable: the wait then lasts its whole time instead of returning at once, so
// callers that loop on it do not spin.
bool pollReadable(int fd, qint64 us) {
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    const qint64 left = us - timer.nsecsElapsed() / 1000;
    timespec t{0, 0};
    if (left > 0) t = {static_cast<time_t>(left / 1'000'000), static_cast<long>((left % 1'000'000) * 1000)};
    pollfd p{fd, POLLIN, 0};
    const int r = ::ppoll(&p, 1, &t, nullptr);
    if (r < 0 && errno == EINTR) continue;
    if (r > 0 && (p.revents & POLLIN)) return true;
    if (r != 0) sleepUs(us - timer.nsecsElapsed() / 1000);
    return false;
  }
}

}  // namespace

SystemClock::SystemClock() { timer_.start(); }

qint64 SystemClock::monotonicUs() const { return timer_.nsecsElapsed() / 1000; }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

void SystemClock::waitUs(qint64 us) { sleepUs(us); }

bool SystemClock::waitReadable(int fd, qint64 us) { return pollReadable(fd, us); }

ManualClock::ManualClock(QDateTime start) : start_(std::move(start)) {}

bool ManualClock::waitReadable(int fd, qint64 us) {
  QElapsedTimer real;
  real.start();
  const qint64 wait = us < graceUs_ ? us : graceUs_;
  if (pollReadable(fd, wait)) {
    advanceUs(real.nsecsElapsed() / 1000);
    return true;
  }
  advanceUs(us);
  return false;
}
