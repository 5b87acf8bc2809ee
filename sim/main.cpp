// The simulated machine: the controller board on a pseudo-terminal, published in the
// station's port map as a COM number, with a command interface on standard input and,
// optionally, on a control FIFO.

#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "config/settingsstore.h"
#include "link/portmap.h"
#include "sim/commands.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "sim/simkestin.h"
#include "sim/simprintserver.h"
#include "sim/simscanner.h"
#include <QFile>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }

void usage() {
  std::fputs(
      "Uso: campionatrice-sim [--port N] [--reject-port N|0] [--print-port N|0] [--scanner-port N|0]\n"
      "                       [--scanner-file FILE] [--scanner-interval MS] [--settings FILE] [--control FIFO] [--model 0-3|old]\n"
      "                       [--lot-size N] [--mean G] [--sd G] [--cadence N] [--line-speed BAUD]\n"
      "                       [--long-status] [--trace FILE] [--phase-ms MS] [--unit G] [--plain-ends]\n"
      "Puts a simulated controller board on a pseudo-terminal and publishes it as COM N\n"
      "(default 1) in the station's settings store. Commands on standard input or the FIFO:\n",
      stdout);
  std::fputs(simcommands::help().toLocal8Bit().constData(), stdout);
}

// Reads whole lines from a descriptor, keeping a partial line for the next read.
struct LineReader {
  int fd = -1;
  QByteArray pending;
  bool eof = false;
  QList<QByteArray> read() {
    char buf[512];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    QList<QByteArray> lines;
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) eof = true;
    if (n <= 0) return lines;
    pending.append(buf, static_cast<qsizetype>(n));
    qsizetype nl;
    while ((nl = pending.indexOf('\n')) >= 0) {
      lines << pending.left(nl).trimmed();
      pending.remove(0, nl + 1);
    }
    return lines;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  int port = 1;
  int rejectPort = 3;
  int printPort = 5430;
  int scannerPort = 2;
  QString scannerFile;
  int scannerIntervalMs = 3000;
  QString settingsPath = SettingsStore::defaultPath();
  QString control;
  QString trace;
  int phaseMs = -1;
  QStringList startCommands;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const QString value = args.value(i + 1);
    if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      usage();
      return 0;
    } else if (a == QLatin1String("--port")) {
      port = value.toInt();
      ++i;
    } else if (a == QLatin1String("--print-port")) {
      printPort = value.toInt();
      ++i;
    } else if (a == QLatin1String("--scanner-port")) {
      scannerPort = value.toInt();
      ++i;
    } else if (a == QLatin1String("--scanner-file")) {
      scannerFile = value;
      ++i;
    } else if (a == QLatin1String("--scanner-interval")) {
      scannerIntervalMs = value.toInt();
      ++i;
    } else if (a == QLatin1String("--reject-port")) {
      rejectPort = value.toInt();
      ++i;
    } else if (a == QLatin1String("--settings")) {
      settingsPath = value;
      ++i;
    } else if (a == QLatin1String("--control")) {
      control = value;
      ++i;
    } else if (a == QLatin1String("--trace")) {
      trace = value;
      ++i;
    } else if (a == QLatin1String("--phase-ms")) {
      phaseMs = value.toInt();
      ++i;
    } else if (a == QLatin1String("--model")) {
      startCommands << QStringLiteral("model ") + value;
      ++i;
    } else if (a == QLatin1String("--lot-size")) {
      startCommands << QStringLiteral("lot-size ") + value;
      ++i;
    } else if (a == QLatin1String("--cadence")) {
      startCommands << QStringLiteral("cadence ") + value;
      ++i;
    } else if (a == QLatin1String("--line-speed")) {
      startCommands << QStringLiteral("line-speed ") + value;
      ++i;
    } else if (a == QLatin1String("--mean") || a == QLatin1String("--sd")) {
      startCommands << QStringLiteral("%1 %2").arg(a.mid(2), value);
      ++i;
    } else if (a == QLatin1String("--long-status")) {
      startCommands << QStringLiteral("long-status on");
    } else if (a == QLatin1String("--plain-ends")) {
      startCommands << QStringLiteral("plain-ends on");
    } else if (a == QLatin1String("--unit")) {
      startCommands << QStringLiteral("unit ") + value;
      ++i;
    } else {
      std::fprintf(stderr, "campionatrice-sim: unknown option %s\n", a.toLocal8Bit().constData());
      usage();
      return 2;
    }
  }
  if (port < 1 || port > 99) {
    std::fputs("campionatrice-sim: --port must be 1 to 99\n", stderr);
    return 2;
  }
  if (rejectPort < 0 || rejectPort > 98 || rejectPort == port) {
    std::fputs("campionatrice-sim: --reject-port must be 0 (none) or 1 to 98, not the board's\n", stderr);
    return 2;
  }

  if (scannerPort < 0 || scannerPort > 99 || (scannerPort > 0 && (scannerPort == port || scannerPort == rejectPort))) {
    std::fputs("campionatrice-sim: --scanner-port must be 0 (none) or 1 to 99, not the board's or the reject unit's\n", stderr);
    return 2;
  }
  // The barcode scanner on the auxiliary line.
  PtyPeer scannerPeer{std::make_unique<SimScanner>()};
  // The reject unit on its own line (made first, so it outlives the board that feeds it);
  // the board sends it the fruit it rejects.
  PtyPeer rejectPeer{std::make_unique<SimKestin>()};
  auto* board = new SimBoard();
  double mean = board->settings.meanWeight, sd = board->settings.sdWeight;
  PtyPeer peer{std::unique_ptr<SerialDevice>(board)};
  for (const QString& c : startCommands) {
    if (c.startsWith(QLatin1String("mean "))) mean = c.mid(5).toDouble();
    else if (c.startsWith(QLatin1String("sd "))) sd = c.mid(3).toDouble();
    else std::printf("%s\n", simcommands::apply(*board, c, 0).toLocal8Bit().constData());
  }
  board->settings.meanWeight = mean;
  board->settings.sdWeight = sd;
  if (phaseMs >= 0) board->settings.phaseMs = phaseMs;
  // The trace: every command line the board receives, one per line, as it arrives.
  std::FILE* traceFile = nullptr;
  if (!trace.isEmpty()) {
    traceFile = std::fopen(trace.toLocal8Bit().constData(), "a");
    if (!traceFile) {
      std::fprintf(stderr, "campionatrice-sim: cannot write the trace %s\n", trace.toLocal8Bit().constData());
      return 1;
    }
    board->onLine = [traceFile](const QByteArray& line) {
      QByteArray shown = line;
      shown.replace('\x1b', "<ESC>");
      std::fprintf(traceFile, "%s\n", shown.constData());
      std::fflush(traceFile);
    };
  }

  // A line that breaks the board's layouts is told at once, on standard output and in the
  // trace: the station sent something a real board would misread.
  board->onProtocolError = [traceFile](const QString& text) {
    const QByteArray t = text.toLocal8Bit();
    std::printf("campionatrice-sim: %s\n", t.constData());
    std::fflush(stdout);
    if (traceFile) {
      std::fprintf(traceFile, "%s\n", t.constData());
      std::fflush(traceFile);
    }
  };

  if (rejectPort > 0)
    board->onReject = [&rejectPeer](qint64 grams) { rejectPeer.with<SimKestin>([grams](SimKestin& k) { k.addReject(grams); }); };

  if (!peer.start()) {
    std::fprintf(stderr, "campionatrice-sim: cannot create a pseudo-terminal: %s\n",
                 peer.errorString().toLocal8Bit().constData());
    return 1;
  }
  SettingsStore store(settingsPath);
  if (!PortMap::publish(store, port, peer.devicePath())) {
    std::fprintf(stderr, "campionatrice-sim: cannot write the port map into %s: %s\n",
                 settingsPath.toLocal8Bit().constData(), store.lastError().toLocal8Bit().constData());
    return 1;
  }
  std::printf("campionatrice-sim: controller board on COM%d = %s (port map in %s)\n", port,
              peer.devicePath().toLocal8Bit().constData(), settingsPath.toLocal8Bit().constData());
  if (rejectPort > 0) {
    if (!rejectPeer.start() || !PortMap::publish(store, rejectPort, rejectPeer.devicePath())) {
      std::fprintf(stderr, "campionatrice-sim: cannot start the reject unit on COM%d\n", rejectPort);
      return 1;
    }
    std::printf("campionatrice-sim: reject unit on COM%d = %s\n", rejectPort,
                rejectPeer.devicePath().toLocal8Bit().constData());
  }
  if (scannerPort > 0) {
    if (!scannerPeer.start() || !PortMap::publish(store, scannerPort, scannerPeer.devicePath())) {
      std::fprintf(stderr, "campionatrice-sim: cannot start the barcode scanner on COM%d\n", scannerPort);
      return 1;
    }
    std::printf("campionatrice-sim: barcode scanner on COM%d = %s\n", scannerPort,
                scannerPeer.devicePath().toLocal8Bit().constData());
    if (!scannerFile.isEmpty()) {
      QFile f(scannerFile);
      if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "campionatrice-sim: cannot read the scans %s\n", scannerFile.toLocal8Bit().constData());
        return 1;
      }
      QStringList codes;
      for (const QByteArray& l : f.readAll().split('\n'))
        if (!l.trimmed().isEmpty()) codes << QString::fromLatin1(l.trimmed());
      scannerPeer.with<SimScanner>([&](SimScanner& sc) { sc.feed(codes, scannerIntervalMs); });
      std::printf("campionatrice-sim: %lld scans from %s, one every %d ms\n", static_cast<long long>(codes.size()),
                  scannerFile.toLocal8Bit().constData(), scannerIntervalMs);
    }
  }
  std::fflush(stdout);

  // The print server the station tells to print each closed lot.
  SimPrintServer printServer;
  if (printPort > 0) {
    printServer.onCommand = [traceFile](const QString& command) {
      std::printf("campionatrice-sim: print server received %s\n", command.toLocal8Bit().constData());
      std::fflush(stdout);
      if (traceFile) {
        std::fprintf(traceFile, "print server: %s\n", command.toLocal8Bit().constData());
        std::fflush(traceFile);
      }
    };
    if (printServer.start(static_cast<quint16>(printPort)))
      std::printf("campionatrice-sim: print server on 127.0.0.1:%d\n", printServer.port());
    else
      std::printf("campionatrice-sim: no print server on port %d (%s)\n", printPort,
                  printServer.errorString().toLocal8Bit().constData());
  }

  std::signal(SIGTERM, onSignal);
  std::signal(SIGINT, onSignal);
  std::signal(SIGPIPE, SIG_IGN);

  LineReader in{STDIN_FILENO, {}};
  bool stdinOpen = true;
  LineReader fifo;
  if (!control.isEmpty()) {
    const QByteArray path = control.toLocal8Bit();
    if (::mkfifo(path.constData(), 0600) != 0 && errno != EEXIST) {
      std::fprintf(stderr, "campionatrice-sim: cannot create the control FIFO %s\n", path.constData());
    }
    // Opened for writing too, so it never reports end of file between two writers.
    fifo.fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  }

  while (!stopRequested) {
    pollfd fds[2] = {{stdinOpen ? STDIN_FILENO : -1, POLLIN, 0}, {fifo.fd, POLLIN, 0}};
    const int r = ::poll(fds, 2, 200);
    if (r <= 0) continue;
    QList<QByteArray> lines;
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      lines += in.read();
      // Standard input closed (started in the background): the FIFO and signals remain.
      if (in.eof) stdinOpen = false;
    }
    if (fifo.fd >= 0 && (fds[1].revents & POLLIN)) lines += fifo.read();
    for (const QByteArray& l : lines) {
      if (l.isEmpty()) continue;
      if (l == "quit" || l == "exit") {
        stopRequested = 1;
        break;
      }
      QString answer;
      if (l.startsWith("scan")) {
        if (scannerPort > 0) scannerPeer.with<SimScanner>([&](SimScanner& sc) { answer = simcommands::applyScanner(sc, QString::fromLocal8Bit(l)); });
        else answer = QStringLiteral("scan: nessun lettore barcode (--scanner-port 0)");
      } else if (l.startsWith("scarti")) {
        if (rejectPort > 0) rejectPeer.with<SimKestin>([&](SimKestin& k) { answer = simcommands::applyReject(k, QString::fromLocal8Bit(l)); });
        else answer = QStringLiteral("scarti: nessuna unità scarti (--reject-port 0)");
      } else {
        peer.with<SimBoard>([&](SimBoard& b) { answer = simcommands::apply(b, QString::fromLocal8Bit(l), peer.nowMs()); });
      }
      std::printf("%s\n", answer.toLocal8Bit().constData());
      std::fflush(stdout);
    }
  }
  peer.stop();
  rejectPeer.stop();
  scannerPeer.stop();
  printServer.stop();
  if (traceFile) std::fclose(traceFile);
  if (fifo.fd >= 0) ::close(fifo.fd);
  std::puts("campionatrice-sim: stopped");
  return 0;
}
