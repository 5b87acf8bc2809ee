// Measures how the window's thread fares while the board's worker talks to the simulated
// board on a pseudo-terminal, in each condition a plant meets: normal polling, the board
// switched off, the board going silent in the middle of a program transfer, and a slow
// board. For each it prints the longest stall of the window's event loop (the worst
// lateness of a 10 ms timer on the window's thread), the processor time of the process
// (the station, the simulated board on its thread and the 10 ms timer itself), and the
// time from the close request (what SIGTERM does) to the end of the
// close sequence.
//
//   stall_bench [seconds per condition]   (60 by default)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/station.h"
#include "app/tmain.h"
#include "bench/benchutil.h"
#include "bench/workplace.h"
#include "programs/tlistaprogrammi.h"

namespace {

// The window's loop, watched (see benchutil.h).
qint64 runFor(int ms, const std::function<bool()>& done = {}) { return runWindowLoop(ms, done); }

struct Result {
  qint64 worstStallMs;
  double cpuPercent;
  qint64 closeMs;
};

Result measure(const char* condition, int seconds) {
  Workplace place;
  // Scripted: the program list of F2 is answered with the first program, the rest OK.
  ModalUi& ui = place.ui;
  {
    TDataModule1 data(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), place.work), ui);
    TTable& t = data.Table1;
    if (!t.Open() || !t.Insert()) Workplace::fail("cannot store the program");
    t.FieldByName(QStringLiteral("codiceprog")).SetAsString(QStringLiteral("01"));
    t.FieldByName(QStringLiteral("descrizione")).SetAsString(QStringLiteral("Bench"));
    for (int b = 1; b <= 16; ++b) t.FieldByName(QStringLiteral("pesocal%1q1").arg(b)).SetAsInteger(50 + 10 * b);
    for (int c = 1; c <= 15; ++c) t.FieldByName(QStringLiteral("nomecal%1q1").arg(c)).SetAsString(QStringLiteral("C%1").arg(c));
    for (int c = 1; c <= 12; ++c) t.FieldByName(QStringLiteral("uscite%1q1").arg(c)).SetAsString(QStringLiteral("01020304"));
    if (!t.Post()) Workplace::fail("cannot store the program");
  }
  PtyPeer& peer = *place.peer;
  StationEnvironment env = place.environment(true);
  TMain main(env);
  main.show();
  runFor(10000, [&] { return main.station().snapshot().boardOn && main.station().snapshot().lastBoardState >= 4; });

  const QString c = QString::fromLatin1(condition);
  if (c == QLatin1String("board off")) {
    peer.with<SimBoard>([](SimBoard& b) { b.powerOff(); });
  } else if (c == QLatin1String("slow board")) {
    peer.with<SimBoard>([](SimBoard& b) { b.faults.slowCharMs = 20; });
  }
  const double cpuBefore = processCpuMs();
  QElapsedTimer wall;
  wall.start();
  qint64 worst = 0;
  if (c == QLatin1String("silent mid-transfer")) {
    // Repeatedly: a transfer starts and the board falls silent in the middle of it.
    while (wall.elapsed() < seconds * 1000) {
      peer.with<SimBoard>([](SimBoard& b) { b.powerOn(); });
      runFor(3000, [&] { return main.station().snapshot().boardOn; });
      // F2 on program 01; the board falls silent after the first lines.
      ui.queueDialog([](QDialog& d) {
        static_cast<TListaProgrammi&>(d).choose(0);
        return d.result();
      });
      QMetaObject::invokeMethod(&main, [&] { main.station().Programma1Click(); }, Qt::QueuedConnection);
      worst = std::max(worst, runFor(1500));
      peer.with<SimBoard>([](SimBoard& b) { b.powerOff(); });
      worst = std::max(worst, runFor(std::min<qint64>(10000, seconds * 1000 - wall.elapsed())));
    }
  } else {
    worst = runFor(seconds * 1000);
  }
  const double cpu = processCpuMs() - cpuBefore;
  const double elapsed = wall.elapsed();
  QElapsedTimer closing;
  closing.start();
  main.close();
  runFor(30000, [&] { return main.station().closed(); });
  return {worst, 100.0 * cpu / elapsed, closing.elapsed()};
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
  std::printf("the window's thread while the board's worker works, %d s per condition\n", seconds);
  std::printf("%-22s %18s %16s %18s\n", "condition", "longest stall ms", "process cpu %", "close request ms");
  for (const char* c : {"normal polling", "board off", "silent mid-transfer", "slow board"}) {
    const Result r = measure(c, seconds);
    std::printf("%-22s %18lld %16.3f %18lld\n", c, static_cast<long long>(r.worstStallMs), r.cpuPercent,
                static_cast<long long>(r.closeMs));
    std::fflush(stdout);
  }
  std::printf("goals: longest stall below 100 ms, close within 2000 ms\n");
  return 0;
}
