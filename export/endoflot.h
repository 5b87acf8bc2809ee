#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "lots/tmoddati.h"

class Clock;
class Configuration;
class EventLog;
class LotArchive;
class LotExport;
class ModalUi;
class RunCommands;
class RunView;
class RunningTotals;
class tTrevik;
class cSelvik;
struct RunState;

// What the end of lot needs from the window's side: the lot data the operator typed, the
// barcode queue, the print server, the quality alarm's picture. The station implements it,
// carrying each call to the window's thread.
class EndOfLotWindow {
 public:
  virtual ~EndOfLotWindow() = default;
  virtual LotData lotData() = 0;
  // The first barcode of the queue (empty when there is none), and its removal once the lot
  // that took it is stored.
  virtual QString firstBarcode() = 0;
  virtual void dropFirstBarcode() = 0;
  // Sends the command to the print server; false (with the reason) when it was not sent.
  virtual bool sendPrintCommand(const QString& command, QString* error) = 0;
  // The lot data emptied for the next lot (quantity "0"), on the main window too.
  virtual void clearLotData() = 0;
};

// The close of a lot: armed by the board's state 5 or by F9, started when Timer2 elapses,
// it reads the final totals, checks the quality limits, stores the lot, writes its line
// for the host computer, tells the print server to print, and zeroes the board for the
// next lot. It runs on the board's worker, between two ticks.
class EndOfLot {
 public:
  struct Deps {
    RunState& state;
    RunningTotals& totals;
    RunCommands& commands;
    Configuration& configuration;
    LotArchive& archive;
    LotExport& lotExport;
    Clock& clock;
    ModalUi& ui;
    EventLog& log;
    RunView& view;
    std::function<cSelvik*()> link;
    std::function<tTrevik*()> reject;
    EndOfLotWindow& window;
  };
  explicit EndOfLot(Deps deps);

  static constexpr int kInitialDelayMs = 15000;

  // Every tick, after the status poll: the latch's request arms the automatic path, and an
  // elapsed Timer2 runs the close.
  void tick();
  // F9.
  void Partita1Click();
  // The close itself; never twice at once.
  void ChiusuraBolla();
  // The close's own work between the board's final totals and its zeroing: the lot stored
  // (unless it already was), its line exported, the print server told. False when it
  // stopped (the operator was told why).
  bool closeLot();

  // Timer2: armed (not restarted when armed again), its interval the reject unit's
  // second time + 1 s once the unit told it.
  bool timerArmed() const { return armed_; }
  qint64 timerIntervalMs() const { return intervalMs_; }
  void setTimerInterval(qint64 ms);

  // The quality alarm of the lot's percentages of qualities 2 to 5 against their limits.
  static bool limitsExceeded(const std::array<double, 4>& percentages, const std::array<int, 4>& limits);
  // The file name of the export of a lot closed at `when`: "ddhhnnss".
  static QString exportBaseName(const QDateTime& when);

  // The lot stored but not yet exported (an export that failed): the next close retries
  // the export without storing the lot again.
  std::optional<int> pendingExport() const { return pendingExport_; }
  int lotCounter() const { return counter_; }

 private:
  void arm();
  void setAlarm(bool on);
  bool exportLot(int n);
  std::optional<int> storeLot();

  Deps d_;
  bool armed_ = false;
  qint64 armedAtUs_ = 0;
  qint64 intervalMs_ = kInitialDelayMs;
  bool running_ = false;
  bool automaticEnd_ = false;
  std::optional<int> pendingExport_;
  int counter_ = -1;  // the lots in the archive; counted when first needed
};
