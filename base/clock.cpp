#include "base/clock.h"

#include <QThread>
#include <cmath>

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

ManualClock::ManualClock(QDateTime start) : start_(std::move(start)) {}
