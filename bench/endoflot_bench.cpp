// Closes 1,000 lots against the simulated machine with an archive of 50,000 lots and
// prints the median time of the close's own work (the lot stored under the next free
// number, its line exported into its file and renamed, the print server told), without
// Timer2's delay and the board's exchanges (goal: below 50 ms).
//
//   cmake --build build/run --target endoflot_bench && build/run/bench/endoflot_bench [closes] [lots]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/station.h"
#include "app/tmain.h"
#include "bench/archive.h"
#include "bench/workplace.h"
#include "export/endoflot.h"
#include "lots/lots.h"
#include "sampling/maincycle.h"
#include "sim/simprintserver.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int closes = argc > 1 ? std::max(10, atoi(argv[1])) : 1000;
  const int lots = argc > 2 ? std::max(0, atoi(argv[2])) : 50000;

  Workplace place;
  {
    TDataModule1 dm(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), place.work), place.ui);
    if (!dm.Database1.Connect() || !bench::fillArchive(dm.Database1, lots, 2000)) Workplace::fail("cannot fill the archive");
  }
  SimPrintServer printServer;
  if (!printServer.start(0)) Workplace::fail("cannot start the print server");
  place.store.writeInteger(QStringLiteral("printserver"), QStringLiteral("port"), printServer.port());
  place.store.writeText(QStringLiteral("morvel"), QStringLiteral("porta_scarti"), QStringLiteral("0"));
  StationEnvironment env = place.environment(false);
  TMain main(env);
  main.show();
  main.timer1()->stop();
  for (int i = 0; i < 60 && main.runState().currentProgram == 9999; ++i) {
    main.mainCycle().Timer1Timer();
    QCoreApplication::processEvents();
  }
  RunState& state = main.runState();
  state.currentProgram = 1;  // a program of the archive's
  RunningTotals& totals = main.totals();
  for (int q = 0; q < 4; ++q)
    for (int c = 0; c < 15; ++c) totals.T[q][c] = 1000 + q * 100 + c;
  Lots& lotsSide = *main.station().lots();
  const QDir exports(place.work.filePath(QStringLiteral("c/camp")));

  std::vector<double> ms;
  ms.reserve(closes);
  for (int i = 0; i < closes; ++i) {
    lotsSide.lotData.numero = QStringLiteral("B%1").arg(i);
    QElapsedTimer t;
    t.start();
    if (!main.station().endOfLot().closeLot()) {
      std::fprintf(stderr, "close %d failed: %s\n", i, place.ui.shownTexts().join(QStringLiteral("; ")).toLocal8Bit().constData());
      return 1;
    }
    ms.push_back(t.nsecsElapsed() / 1e6);
    // The host takes the file (a close of the same second would find it there).
    for (const QString& f : exports.entryList(QDir::Files)) QFile::remove(exports.filePath(f));
  }
  std::sort(ms.begin(), ms.end());
  std::printf("goal: the close's own work below 50 ms with an archive of %d lots\n", lots);
  std::printf("%d closes: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms; %d print commands received\n", closes,
              ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), static_cast<int>(printServer.received().size()));
  main.close();
  return 0;
}
