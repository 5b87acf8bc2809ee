#include "base/clock.h"

#include <cerrno>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

Clock::Clock() : interruptFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

Clock::~Clock() {
  if (interruptFd_ >= 0) ::close(interruptFd_);
}

void Clock::interrupt() {
  interrupted_.store(true);
  const quint64 one = 1;
  if (interruptFd_ >= 0) [[maybe_unused]] ssize_t n = ::write(interruptFd_, &one, sizeof one);
}

void Clock::resume() {
  quint64 count = 0;
  if (interruptFd_ >= 0) [[maybe_unused]] ssize_t n = ::read(interruptFd_, &count, sizeof count);
  interrupted_.store(false);
}

// Polls the descriptor for up to `us` microseconds, and the interrupt all the while. A
// descriptor whose peer hung up is never readable: the wait then lasts its whole time
// instead of returning at once, so callers that loop on it do not spin.
bool Clock::pollReadable(int fd, qint64 us) const {
  QElapsedTimer timer;
  timer.start();
  bool hungUp = false;
  for (;;) {
    if (interrupted()) return false;
    const qint64 left = us - timer.nsecsElapsed() / 1000;
    if (left <= 0) return false;
    const timespec t{static_cast<time_t>(left / 1'000'000), static_cast<long>((left % 1'000'000) * 1000)};
    pollfd p[2] = {{hungUp ? -1 : fd, POLLIN, 0}, {interruptFd_, POLLIN, 0}};
    const int r = ::ppoll(p, 2, &t, nullptr);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return false;
    if (p[1].revents & POLLIN) return false;
    if (r > 0 && (p[0].revents & POLLIN)) return true;
    if (r == 0) return false;
    hungUp = true;  // wait out the rest on the interrupt alone
  }
}

SystemClock::SystemClock() { timer_.start(); }

qint64 SystemClock::monotonicUs() const { return timer_.nsecsElapsed() / 1000; }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

void SystemClock::waitUs(qint64 us) { pollReadable(-1, us); }

bool SystemClock::waitReadable(int fd, qint64 us) { return pollReadable(fd, us); }

ManualClock::ManualClock(QDateTime start) : start_(std::move(start)) {}

bool ManualClock::waitReadable(int fd, qint64 us) {
  QElapsedTimer real;
  real.start();
  if (interrupted()) return false;
  const qint64 wait = us < graceUs_ ? us : graceUs_;
  if (pollReadable(fd, wait)) {
    advanceUs(real.nsecsElapsed() / 1000);
    return true;
  }
  advanceUs(us);
  return false;
}
