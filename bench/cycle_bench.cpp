// Measures the main cycle against the simulated board on a pseudo-terminal: the processor
// time of the station's thread over a minute of normal polling, and the median time of a
// tick that polls the board, beside the exchange floor (the 8.64 ms pause before the
// reply; see link_bench).
//
//   cycle_bench [seconds]

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/station.h"
#include "app/tmain.h"
#include "sampling/maincycle.h"
#include "base/clock.h"
#include "bench/benchutil.h"
#include "bench/workplace.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "config/settingsstore.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "reject/thread_Trevik.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;

  Workplace place;
  StationEnvironment env = place.environment(false);
  TMain main(env);
  main.show();
  // The ticks are timed one by one; everything else runs as in the station.
  main.timer1()->stop();
  std::vector<double> pollTicks;
  long ticks = 0;
  QTimer ticker;
  ticker.setInterval(MainCycle::kTickMs);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    QElapsedTimer t;
    t.start();
    main.mainCycle().Timer1Timer();
    ++ticks;
    if (main.runState().pollCounter == 1) pollTicks.push_back(t.nsecsElapsed() / 1e6);
  });
  // Let the board be identified and initialised first, then measure.
  ticker.start();
  double cpuBefore = 0, cpu = 0;
  double rejectBefore = 0, rejectCpu = 0;
  double elapsed = 0;
  QElapsedTimer wall;
  QTimer::singleShot(3000, &app, [&] {
    pollTicks.clear();
    ticks = 0;
    cpuBefore = threadCpuMs();
    if (tTrevik* unit = main.station().rejectUnit()) rejectBefore = unit->cpuMs();
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, [&] {
      // Measured before the application quits: closing is not the cycle's work.
      cpu = threadCpuMs() - cpuBefore;
      if (tTrevik* unit = main.station().rejectUnit()) rejectCpu = unit->cpuMs() - rejectBefore;
      elapsed = wall.elapsed();
      ticker.stop();
      app.quit();
    });
  });
  app.exec();
  std::sort(pollTicks.begin(), pollTicks.end());
  const double median = pollTicks.empty() ? 0 : pollTicks[pollTicks.size() / 2];
  const double worst = pollTicks.empty() ? 0 : pollTicks.back();
  std::printf("main cycle against the simulated board for %.0f s (board state %s)\n", elapsed / 1000.0,
              main.runState().status.state.toLatin1().constData());
  std::printf("station thread processor time: %.1f ms = %.3f%% of one core (goal: below 1%%)\n", cpu,
              100.0 * cpu / elapsed);
  std::printf("reject unit thread processor time: %.1f ms = %.3f%% of one core (state shown: %s); both together %.3f%% (goal: below 1%%)\n",
              rejectCpu, 100.0 * rejectCpu / elapsed, main.panelText(4).toLocal8Bit().constData(),
              100.0 * (cpu + rejectCpu) / elapsed);
  std::printf("ticks: %ld, poll ticks: %zu, median %.2f ms, worst %.2f ms; exchange floor 8.64 ms, added %.2f ms (goal: within 2 ms)\n",
              ticks, pollTicks.size(), median, worst, median - 8.64);
  main.close();
  return 0;
}
