#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>

#include "config/configuration.h"
#include "lots/lots.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"

class Clock;
class ConfigBackup;
struct ProgramEditorModel;
class QObject;
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
class TPeriodoStampa;
class Texpfiltdata;
class TErr_map;
class TCalibrazione_Linee;
class TTestCelle;
class TTestMem;
class TTestEncoder;
class TTestMagneti;
class TTestTazzeVuote;
class Ttabtara;
class TrasfView;
class TTestOscilloscopio;
class TInstallazione;
class Tpasswd;
class TParProg;
struct OscilloscopeModel;
struct rcTracciaGrafica;
struct CalibrationModel;
class tTrevik;
class EndOfLot;
class PrintServerClient;
class LotExport;
class Reports;
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
  // The board's exchanges on a worker thread of their own (the station), or inline on the
  // window's thread, ticked by Timer1 (tests that step the cycle tick by tick).
  bool boardOnWorker = false;
  // The time between two passes of the auxiliary line reader (tests shorten it).
  int auxPassMs = 2000;
  // The station's program file; empty: the one running. The updater is looked for beside it.
  QString programPath{};
};

// The command line: "-o" as the first parameter (exactly, case-sensitive) selects the old
// board; the options of our own may follow it.
struct StationOptions {
  bool oldBoard = false;
  bool unattended = false;
  bool createDatabase = false;
  bool databaseRole = false;
  bool demo = false;
  bool help = false;
  bool version = false;  // --version: the release, for the updater
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

// What the window's side knows of the board between two ticks: a copy the worker
// publishes after every tick and every piece of work.
struct BoardSnapshot {
  bool boardOn = false;
  int currentProgram = 9999;
  int lastBoardState = 0;
  QString productionText;
  QString costText;
  int boardModel = 0;
  int magnetOption = 0;
  QString boardModelText;

  static BoardSnapshot of(const RunState& s) {
    return {s.boardOn, s.currentProgram, s.lastBoardState, s.productionText, s.costText, s.boardModel, s.magnetOption,
            s.boardModelText};
  }
};

// The station: everything that lives for the whole run, and the show and close sequences.
// The window's side (its thread) owns the configuration, its own archive connection, the
// grading programs the editor and the list work on, and the program commands. The board's
// side, which only the board's worker uses, owns the run state, the running totals, a copy
// of the configuration, its own archive connection and program copy, the run commands,
// the main cycle and the controller link. The operator's commands that talk to the board
// are handed to the worker and run between ticks; what the worker shows reaches the window
// as queued calls. Later capabilities (the lot record, the reject unit, the auxiliary
// reader, the print-server client) are owned here too.
class Station {
 public:
  // The windows the commands show, created by the main window.
  struct Windows {
    TNewProgram* editor = nullptr;
    TListaProgrammi* list = nullptr;
    LotWindows lots;              // none: no lots, reports or exports (tests of the cycle)
    TPeriodoStampa* period = nullptr;
    Texpfiltdata* exportRange = nullptr;
    TErr_map* errorMap = nullptr;
    TCalibrazione_Linee* calibration = nullptr;
    TTestCelle* cells = nullptr;
    TTestMem* memorised = nullptr;
    TTestEncoder* encoder = nullptr;
    TTestMagneti* magnets = nullptr;
    TTestTazzeVuote* emptyCups = nullptr;
    Ttabtara* tareTable = nullptr;
    TrasfView* transfer = nullptr;
    TTestOscilloscopio* oscilloscope = nullptr;
    TInstallazione* installation = nullptr;
    Tpasswd* password = nullptr;
    TParProg* parameters = nullptr;
  };
  Station(StationEnvironment& env, StationView& view, QObject& window, const Windows& windows);
  ~Station();
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  // The show sequence, once; it ends by starting the board's worker.
  void FormShow();
  // The close sequence, once. While a command of the window is under way (a modal window
  // inside it) or the worker still runs, it is not run: the worker is told to stop (an
  // exchange under way is abandoned at its next wait, a box it raised is closed), and the
  // view is asked to close again when that has happened. Returns whether it has run.
  bool FormClose();
  bool closed() const { return closed_; }

  // Loads the configuration, hands it to the windows that keep their own copies and to the
  // board's side, and, unless the old board was chosen, appends the suffix to the line.
  void ApplyConfiguration();

  // One tick of Timer1 (inline only; the worker ticks by itself). A tick that opens a
  // modal window never lets a second one start.
  void tick();
  bool ticksOnWindowThread() const;
  // Whether a tick or a command is under way on the window's thread.
  bool busy() const { return busy_ > 0; }
  BoardSnapshot snapshot() const;

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
  // F3, and Enter in the main window's lot number and lot quantity.
  void Dati1Click();
  void lotNumberEntered(const QString& text);
  void lotQuantityEntered(const QString& text);
  // Menu "Bolle".
  void NuovaBollaClick();
  void ModificaBollaClick();
  void CancellaBollaClick();
  void AzzeramentoBolleClick();
  void OpzioniArchivioClick();
  // Menu "Produttori".
  void ModificaProduttoreClick();
  void NuovoProduttoreClick();
  void CancellaProduttoreClick();
  // The prints: F7 (the lot in progress, after the totals are read again), a stored lot,
  // a program, a producer's lots. "Preview stampa" chooses the preview.
  void Stampa3Click();
  void StampaBollaClick();
  void StampaProgrammaClick();
  void StampaProduttoreClick();
  void setPreview(bool preview) { preview_ = preview; }
  // The exports for the host computer, and the exit command.
  void exportfrom1Click();
  void esportagiornaliero1Click();
  void FineClick();
  // "Controllo Aggiornamenti On-line": the exit command's storing and export, then the
  // updater started and the station closed; a failure at any step keeps it open.
  void ControlloAggiornamentiOnline1Click();
  // The export of the lots the archive search lists.
  void exportSearch(const QList<int>& lots);
  Reports* reports() { return reports_.get(); }
  // "Costi personale" and "Dati azienda" of the installation menu.
  void CostiPersonaleClick();
  void DatiAziendaClick();

  // The line calibration (Servizio, Assistenza, Calibrazione).
  void Calibrazione1Click();
  CalibrationModel& calibrationModel() { return *calibration_; }
  // The machine tests of the same menu.
  void ControlloCELLE1Click();
  void Memorizzato1Click();
  void Encoder1Click();
  void TestMagneti1Click();
  void ControlloTazze1Click();
  void ResetCentralina1Click();
  void TabellaTara1Click();
  // The installation menu: the machine's set-up behind the service password, and the
  // station's own options.
  void Impostazione1Click();
  void Programma2Click();
  bool serviceLockOpen() const { return serviceLock_; }
  // The auxiliary line reader, when there is one (tests look at it).
  const class tPolling* auxReader() const;
  // The menu "Lingua": a language entry chosen (its index in the table of languages).
  void languageClick(int language);
  // Switches the station's texts; `fromMenu`: chosen by the operator (the totals shown
  // again, the print settings and the language saved).
  void switchLanguage(int language, bool fromMenu);
  // Enables each language entry whose module is beside the station.
  void AggiornaLingue();
  int language() const;
  // The oscilloscope of the same menu.
  void Oscilloscopio1Click();
  OscilloscopeModel& oscilloscopeModel() { return *oscilloscope_; }

  // F9, and the click on the quality alarm's picture that clears it.
  void Partita1Click();
  void Image2Click();
  // A barcode line for the next lots (the auxiliary line reader hands them in).
  void addBarcode(const QString& line);
  const QStringList& barcodes() const { return barcodes_; }
  // The board's side's end of lot (tests step it inline).
  EndOfLot& endOfLot();

  // The reject unit: its status asked now, its error map shown (menu and status bar).
  void AggiornaTempiScarti1Click();
  void MappaerroriKestin1Click();
  void StatusBar1Click() { MappaerroriKestin1Click(); }
  // The reject unit's thread; null when `porta_scarti` is outside 1 to 98.
  tTrevik* rejectUnit();

  // The lots and producers (null without their windows).
  Lots* lots() { return lots_.get(); }
  Configuration& configuration() { return configuration_; }
  Programs& editorPrograms() { return *programs_; }
  // The board's side, for tests that step it inline.
  RunState& runState();
  RunningTotals& totals();
  Programs& programs();
  RunCommands& runCommands();
  MainCycle& mainCycle();
  // The controller link; null when `porta_com` is 99 or more.
  cSelvik* link();
  // The entries of the installation dialog's three port selectors: "non abilitata" and
  // the serial ports found at start-up.
  QStringList portSelectorItems() const { return portSelectorItems_; }
  const StationEnvironment& environment() const { return env_; }

 private:
  struct BoardSide;
  class EndOfLotSide;
  // Runs the work on the window's thread and waits for it (from the worker).
  template <typename R>
  R onWindowThread(const std::function<R()>& work);
  // Runs a command of the window's thread; a close asked meanwhile is carried out after it.
  template <typename F>
  void guarded(F&& work);
  // Hands work to the board's worker; `what` shows in the status bar, with the busy
  // cursor, until it is done.
  // `then` runs on the window's thread once the work is done.
  void onBoard(const QString& what, std::function<void(BoardSide&)> work, std::function<void()> then = {});
  void publishSnapshot();
  // Hands a stored edit of program n to the worker, for a board that still runs n.
  void sendEditedProgram(int n, const ProgramEditorModel& edited);
  void workerEnded();

  StationEnvironment& env_;
  StationView& view_;
  QObject& window_;
  TNewProgram& editor_;
  TListaProgrammi& list_;
  Configuration configuration_;
  LotHeader lotHeader_;
  std::unique_ptr<ConfigBackup> backup_;
  std::unique_ptr<TDataModule1> data_;
  std::unique_ptr<Programs> programs_;
  std::unique_ptr<ProgramCommands> programCommands_;
  std::unique_ptr<Lots> lots_;
  std::unique_ptr<Reports> reports_;
  std::unique_ptr<LotExport> lotExport_;
  Texpfiltdata* exportRange_ = nullptr;
  TErr_map* errorMap_ = nullptr;
  TCalibrazione_Linee* calibrationWindow_ = nullptr;
  std::unique_ptr<CalibrationModel> calibration_;
  std::unique_ptr<OscilloscopeModel> oscilloscope_;
  void oscilloscopeCapture();
  void oscilloscopeStop(bool tell);  // tell: a stop the board did not take is shown
  void oscilloscopeTrace(const rcTracciaGrafica& trace);
  void calibrationStart();
  void calibrationStop();
  // The display step of the service test in `mode`, on the board's worker, every tick.
  void serviceDisplay(BoardSide& b, int mode);
  // Sets the service mode on the board's side (and waits for nothing).
  void setServiceMode(int mode);
  // The board is off: the operator is told, and the test does not start.
  bool boardOnOrTell();
  Windows windows_;
  bool emptyCupsRunning_ = false;
  bool oscilloscopeStarting_ = false;
  bool serviceLock_ = false;
  // The exit command; `beforeClose` runs once the lot is stored, and may keep the station open.
  void exitStation(std::function<bool()> beforeClose);
  bool startUpdater();
  std::unique_ptr<class LanguageModules> languages_;
  int checkedLanguage_ = -1;  // the entry of "Lingua" checked; -1 none  // opened by the service password, until the station ends
  // After the installation was saved: the links set up again on the new ports, the board
  // reset and configured anew.
  void restartLinks(bool magnetOption);
  // The configuration as it now is, handed to the board's side.
  void handConfigurationToBoard();
  int magnetGroup_ = 0;
  bool preview_ = false;
  bool lotInProgress_ = false;  // the start-up found a lot in progress
  std::unique_ptr<StationView> boardView_;
  std::unique_ptr<PrintServerClient> printServer_;
  std::unique_ptr<EndOfLotSide> endOfLotSide_;
  QStringList barcodes_;
  std::unique_ptr<BoardSide> board_;
  std::unique_ptr<class BoardWorker> worker_;
  QStringList portSelectorItems_;
  mutable std::mutex snapshotMutex_;
  BoardSnapshot snapshot_;
  int busy_ = 0;
  int boardWork_ = 0;  // commands handed to the worker and not done yet
  bool inTick_ = false;
  bool oldBoard_ = false;  // started with "-o"
  bool closePending_ = false;
  bool stopping_ = false;
  bool workerEnded_ = false;
  bool closed_ = false;
};
