#pragma once

#include <functional>

class Clock;
class Configuration;
class EventLog;
class ModalUi;
class Programs;
class RunView;
class TDataModule1;
class TListaProgrammi;
class TNewProgram;
class cSelvik;
struct RunState;
class RunningTotals;

// The collaborators of the sampling run, all owned by the main window.
struct RunContext {
  RunState& state;
  RunningTotals& totals;
  Configuration& configuration;
  TDataModule1& data;
  Programs& programs;
  TNewProgram& editor;
  TListaProgrammi& list;
  // The controller link as it is now (none when `porta_com` is 99 or more).
  std::function<cSelvik*()> link;
  Clock& clock;
  ModalUi& ui;
  EventLog& log;
  RunView& view;
};
