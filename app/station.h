#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <memory>

#include "config/configuration.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"

class Clock;
class ConfigBackup;
class EventLog;
class MainCycle;
class ModalUi;
class ProgramCommands;
class Programs;
class RunCommands;
class SettingsStore;
class StationView;
class TDataModule1;
class TListaProgrammi;
class TNewProgram;
class cSelvik;
struct RunContext;

// What the station receives from the program entry: the working folder, the settings
// store, the modal UI, the clock, the event log and the command line. Tests build one with
// a temporary folder, a scripted modal UI and a manual clock.
struct StationEnvironment {
  QDir workDir;
  SettingsStore& store;
  ModalUi& ui;
  Clock& clock;
  EventLog& log;
  QStringList arguments;  // without the program name
};

// The command line: "-o" as the first parameter (exactly, case-sensitive) selects the old
// board; the options of our own may follow it.
struct StationOptions {
  bool oldBoard = false;
  bool unattended = false;
  bool createDatabase = false;
  bool databaseRole = false;
  bool help = false;
  QStringList unknown;

  static StationOptions parse(const QStringList& arguments);
  static QString usage();
};

// The application's fixed settings.
namespace station {
constexpr const char* kApplicationTitle = "Vellan Campionatrice";
constexpr const char* kMainCaption = "Morvel Campionatrice";
// The help file, relative to the working folder.
QString helpFile(const QDir& workDir);
}  // namespace station

// The station: everything that lives for the whole run, and the show and close sequences.
// It owns the configuration, the run state, the archive's data-access object, the
// grading programs, the running totals, the controller link, the main cycle and the
// commands; the main window shows what it is told through StationView and hands the
// operator's commands here. Later capabilities (the lot record, the reject unit, the
// auxiliary reader, the print-server client) are owned here too.
class Station {
 public:
  // The windows are the main window's; the station fills and shows them through its
  // behaviour classes.
  Station(StationEnvironment& env, StationView& view, TNewProgram& editor, TListaProgrammi& list);
  ~Station();
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  // The show sequence, once.
  void FormShow();
  // The close sequence, once. While a tick or a command is under way (a modal box inside
  // it) it is not run: the view is asked to close again when that work has finished.
  // Returns whether the station is closed.
  bool FormClose();
  bool closed() const { return closed_; }

  // Loads the configuration, hands it to the windows that keep their own copies and, unless
  // the old board was chosen, appends the suffix to the configuration line.
  void ApplyConfiguration();

  // One tick of Timer1. A tick that opens a modal window never lets a second one start.
  void tick();
  // Whether a tick or a command is under way.
  bool busy() const { return busy_ > 0; }

  // The operator's commands.
  void FormKeyDown(int key);
  void Programma1Click();
  void ModificaPU1Click();
  void Start1Click();
  void Totali1Click();
  void Modifica1Click();
  void Nuovo1Click();
  void Cancella1Click();
  void Controldbase1Click();
  void SalvasuFloppy1Click();
  void RipristinadaFloppy1Click();

  Configuration& configuration() { return configuration_; }
  RunState& runState() { return state_; }
  RunningTotals& totals() { return totals_; }
  TDataModule1& data() { return *data_; }
  Programs& programs() { return *programs_; }
  RunCommands& runCommands() { return *runCommands_; }
  MainCycle& mainCycle() { return *mainCycle_; }
  // The controller link; null when `porta_com` is 99 or more.
  cSelvik* link() { return link_.get(); }
  // The entries of the installation dialog's three port selectors: "non abilitata" and
  // the serial ports found at start-up.
  QStringList portSelectorItems() const { return portSelectorItems_; }
  const StationEnvironment& environment() const { return env_; }

 private:
  RunContext runContext();
  // Runs a tick or a command; a close asked meanwhile is carried out after it.
  template <typename F>
  void guarded(F&& work);

  StationEnvironment& env_;
  StationView& view_;
  TNewProgram& editor_;
  TListaProgrammi& list_;
  Configuration configuration_;
  RunState state_;
  RunningTotals totals_;
  LotHeader lotHeader_;
  std::unique_ptr<ConfigBackup> backup_;
  std::unique_ptr<TDataModule1> data_;
  std::unique_ptr<Programs> programs_;
  std::unique_ptr<ProgramCommands> programCommands_;
  std::unique_ptr<RunCommands> runCommands_;
  std::unique_ptr<MainCycle> mainCycle_;
  std::unique_ptr<cSelvik> link_;
  QStringList portSelectorItems_;
  int busy_ = 0;
  bool inTick_ = false;
  bool closePending_ = false;
  bool closed_ = false;
};
