#pragma once

#include <functional>

class Clock;
class Configuration;
class EventLog;
class ModalUi;
class Programs;
class RunView;
class TDataModule1;
class cSelvik;
class tTrevik;
struct RunState;
class RunningTotals;

// The collaborators of the sampling run: the board side of the station, which the board's
// worker owns and uses (its own archive connection and program copy); no window.
struct RunContext {
  RunState& state;
  RunningTotals& totals;
  Configuration& configuration;
  TDataModule1& data;
  Programs& programs;
  // The controller link as it is now (none when `porta_com` is 99 or more).
  std::function<cSelvik*()> link;
  Clock& clock;
  ModalUi& ui;
  EventLog& log;
  RunView& view;
  // The reject unit's thread (none when `porta_scarti` is outside 1 to 98).
  std::function<tTrevik*()> reject = [] { return nullptr; };
};
