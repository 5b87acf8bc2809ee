// Streams each service test from the simulated board for a while at ten frames a second
// (the memorised net, the encoder, the empty cups, the line calibration, the trace) and
// prints the processor time of the process (station, reader and simulator together), and
// whether every frame reached the display step at the tick after its arrival (goal: below
// 2 % of one core, and no tick behind).
//
//   cmake --build build/run --target service_bench && build/run/bench/service_bench [seconds per test]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/clock.h"
#include "base/modalui.h"
#include "bench/benchutil.h"
#include "link/cSelvik.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(2, atoi(argv[1])) : 60;
  auto* board = new SimBoard();
  PtyPeer peer{std::unique_ptr<SerialDevice>(board)};
  if (!peer.start()) return 1;
  SystemClock clock;
  ModalUi ui(ModalUi::Mode::Scripted);
  cSelvik link(1, 19200, peer.devicePath(), clock, ui);
  if (!link.Open()) return 1;
  std::printf("goal: below 2%% of one core, and every frame displayed at the next tick (100 ms)\n");

  struct Test {
    const char* name;
    std::function<bool()> start;
    std::function<int()> takeAll;  // the display step: what it took
    std::function<bool()> stop;
  };
  const std::vector<Test> tests = {
      {"memorised net", [&] { return link.StartMemorisedTest(cSelvik::kMediumTimeout); },
       [&] { for (int l = 1; l <= 4; ++l) link.GetMemorised(l); return 1; }, [&] { return link.StopMemorisedTest(); }},
      {"encoder", [&] { return link.StartEncoderTest(cSelvik::kShortTimeout); }, [&] { link.GetEncoder(); return 1; },
       [&] { return link.StopEncoderTest(); }},
      {"empty cups", [&] { return link.StartEmptyCupTest("015"); },
       [&] { int n = 0; while (link.NextEmptyCup()) ++n; return n; }, [&] { return link.StopEmptyCupTest(); }},
      {"line calibration", [&] { return link.StartLineCalibration("200"); },
       [&] { int n = 0; while (link.NextCalibration()) ++n; return n; }, [&] { return link.StopLineCalibration(); }},
      {"trace", [&] { return link.StartTrace("1300"); }, [&] { int n = 0; while (link.NextTrace()) ++n; return n; },
       [&] { return link.StopTrace(); }},
  };
  for (const Test& t : tests) {
    if (!t.start()) {
      std::printf("%-17s did not start\n", t.name);
      continue;
    }
    const double cpu0 = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    int taken = 0;
    int behind = 0;  // ticks that found more than one tick's frames waiting
    while (wall.elapsed() < seconds * 1000) {
      QThread::msleep(100);  // one tick of the main cycle: its display step takes every frame
      const int n = t.takeAll();
      taken += n;
      if (n > 2) ++behind;
    }
    const double cpu = processCpuMs() - cpu0;
    const int frames = link.reader()->frames();
    const int dropped = link.reader()->dropped();
    t.stop();
    std::printf("%-17s %5d frames in %d s, %d taken, %d dropped, %d ticks behind; processor %.1f ms = %.2f%% of "
                "one core (station, reader and simulator together)\n",
                t.name, frames, seconds, taken, dropped, behind, cpu, 100.0 * cpu / wall.elapsed());
  }
  link.Close();
  return 0;
}
