#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <sys/resource.h>

// Processor time of the calling thread, in milliseconds.
inline double threadCpuMs() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// Processor time of the whole process, in milliseconds.
inline double processCpuMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// Runs the window's event loop for `ms`, or until `done` holds, and returns the worst
// lateness of a 10 ms timer meanwhile: the longest the window could not paint or take a
// key. (The benchmarks print it; the worker tests hold it under a bound.)
inline qint64 runWindowLoop(int ms, const std::function<bool()>& done = {}) {
  QElapsedTimer total, since;
  total.start();
  since.start();
  qint64 worst = 0;
  QTimer beat;
  beat.setInterval(10);
  QEventLoop loop;
  QObject::connect(&beat, &QTimer::timeout, [&] {
    worst = std::max(worst, since.restart() - 10);
    if ((done && done()) || total.elapsed() >= ms) loop.quit();
  });
  beat.start();
  loop.exec();
  return worst;
}
