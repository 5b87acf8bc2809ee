#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/station.h"
#include "base/clock.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "config/settingsstore.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "sim/simkestin.h"

// What a benchmark runs the station in: a temporary working folder with its archive, a
// settings store, the event log, a scripted modal UI, the real clock, and the simulated
// board on a pseudo-terminal published as COM1, the simulated reject unit as COM3. Exits
// the program when any of it fails.
struct Workplace {
  QTemporaryDir root;
  QDir work{root.path()};
  SystemClock clock;
  EventLog log{work, clock};
  ModalUi ui{ModalUi::Mode::Scripted};
  SettingsStore store{root.filePath(QStringLiteral("settings.json"))};
  std::unique_ptr<PtyPeer> rejectPeer;
  std::unique_ptr<PtyPeer> peer;

  explicit Workplace(int phaseMs = 200) {
    TDataModule1 setup(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), work), ui);
    if (setup.Database1.createTables()) fail("cannot create the archive");
    SimBoard::Settings s;
    s.phaseMs = phaseMs;
    peer = std::make_unique<PtyPeer>(std::make_unique<SimBoard>(s));
    if (!peer->start()) fail("cannot start the simulated board");
    PortMap::publish(store, 1, peer->devicePath());
    rejectPeer = std::make_unique<PtyPeer>(std::make_unique<SimKestin>());
    if (!rejectPeer->start()) fail("cannot start the simulated reject unit");
    PortMap::publish(store, 3, rejectPeer->devicePath());
    if (qEnvironmentVariableIsSet("BENCH_NO_REJECT")) store.writeText(QStringLiteral("morvel"), QStringLiteral("porta_scarti"), QStringLiteral("0"));
  }
  StationEnvironment environment(bool boardOnWorker) {
    return StationEnvironment{work, store, ui, clock, log, {}, boardOnWorker};
  }
  [[noreturn]] static void fail(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
    std::exit(1);
  }
};
