// Measures the controller link against the simulated board on a pseudo-terminal: the
// median and worst time of a status request and of a four-line totals read over 200
// exchanges each, beside the floor the protocol itself imposes (the 8.64 ms pause before
// every reply, and the characters' transfer time when the simulator emulates the line's
// speed: the echoes one after the other, then the pause or the reply, whichever is
// longer, since the reply flows during the pause), and the processor time the station spends while it waits for a reply.
//
//   build/run/bench/link_bench [exchanges]

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/clock.h"
#include "bench/benchutil.h"
#include "base/modalui.h"
#include "link/cSelvik.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"

namespace {

struct Figures {
  double median = 0;
  double worst = 0;
};

Figures measure(int n, const std::function<bool()>& exchange, SystemClock& clock, int* failures) {
  std::vector<double> ms;
  ms.reserve(n);
  for (int i = 0; i < n; ++i) {
    const qint64 start = clock.monotonicUs();
    if (!exchange()) ++*failures;
    ms.push_back((clock.monotonicUs() - start) / 1000.0);
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}


}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int n = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
  constexpr double pauseMs = 8.64;
  // The echoes come back one by one before the next character goes out; the reply flows
  // while the station makes its pause, so the pause and the reply's transfer overlap.
  constexpr int statusEchoes = 2, statusReply = 15;   // "A0", 14 characters and CR
  constexpr int totalsEchoes = 3, totalsReply = 121;  // "V2d", 120 characters and CR

  std::printf("controller link against the simulated board, %d exchanges each\n", n);
  std::printf("%-28s %10s %10s %10s %12s\n", "", "median ms", "worst ms", "floor ms", "added ms");
  for (int baud : {0, 19200}) {
    auto* board = new SimBoard();
    board->lineSpeed = baud;
    PtyPeer peer{std::unique_ptr<SerialDevice>(board)};
    if (!peer.start()) {
      std::fprintf(stderr, "no pseudo-terminal: %s\n", peer.errorString().toLocal8Bit().constData());
      return 1;
    }
    SystemClock clock;
    ModalUi ui(ModalUi::Mode::Scripted);
    cSelvik link(1, 19200, peer.devicePath(), clock, ui);
    if (!link.Open()) {
      std::fprintf(stderr, "cannot open %s\n", peer.devicePath().toLocal8Bit().constData());
      return 1;
    }
    const double charMs = baud > 0 ? 10000.0 / baud : 0.0;
    int failures = 0;
    const Figures status =
        measure(n, [&] { return link.RequestStatus(cSelvik::kShortTimeout); }, clock, &failures);
    const Figures totals = measure(
        n,
        [&] {
          bool ok = true;
          for (int l = 0; l < 4; ++l) ok = link.RequestTotals("2" + QByteArray::number(l), cSelvik::kLongTimeout) && ok;
          return ok;
        },
        clock, &failures);
    const double statusFloor = statusEchoes * charMs + std::max(pauseMs, statusReply * charMs);
    const double totalsFloor = 4 * (totalsEchoes * charMs + std::max(pauseMs, totalsReply * charMs));
    const QByteArray label = baud > 0 ? QByteArray("at ") + QByteArray::number(baud) + " baud" : "line unpaced";
    std::printf("%-28s %10.2f %10.2f %10.2f %12.2f\n", (QByteArray("status, ") + label).constData(), status.median,
                status.worst, statusFloor, status.median - statusFloor);
    std::printf("%-28s %10.2f %10.2f %10.2f %12.2f\n", (QByteArray("totals x4, ") + label).constData(),
                totals.median, totals.worst, totalsFloor, (totals.median - totalsFloor) / 4);
    if (failures) std::printf("  %d exchanges failed\n", failures);

    if (baud == 0) {
      // Waiting for a reply that never comes: the processor time of the waiting thread.
      peer.with<SimBoard>([](SimBoard& b) { b.faults.noReply = true; });
      link.SendLine("A0\r", cSelvik::Echo::PerCharacter);
      const double before = threadCpuMs();
      const qint64 start = clock.monotonicUs();
      link.CollectReply(1157);  // about one second
      const double wall = (clock.monotonicUs() - start) / 1000.0;
      std::printf("waiting %.0f ms for a reply cost %.2f ms of processor time\n", wall, threadCpuMs() - before);
    }
    link.Close();
    peer.stop();
  }
  std::printf("goal: less than 2 ms added per exchange\n");
  return 0;
}
