#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "sampling/runcontext.h"

class RunCommands;

// The main cycle: ten ticks a second on the main window's thread, each doing at most one
// piece of controller work: a pending send of calibration factors, one step of a program
// transfer, or every twelfth tick the status poll with everything that follows from the
// board's answer.
class MainCycle {
 public:
  // Panel 3 while the board does not answer.
  static QString offText();
  static constexpr int kTickMs = 100;
  static constexpr int kPollEvery = 12;

  // The steps that later parts of the station plug into the tick.
  struct Hooks {
    std::function<void(int serviceMode)> serviceDisplayStep;
    std::function<void()> endOfLot;
    std::function<void()> barcodeLine;
  };

  MainCycle(RunContext context, RunCommands& commands);

  Hooks hooks;

  void Timer1Timer();
  // The reject unit's supervision, on every tick whatever the board does.
  void superviseReject();
  // The status poll and its consequences (step 5 of the tick).
  void statusPoll();
  void identify();
  void initialise();

  // "12,3tz/s" from the cadence "123".
  static QString cadenceText(const QString& cadence);

 private:
  void workingChecks();

  RunContext c_;
  RunCommands& commands_;
  std::optional<bool> menusEnabled_;
};
