#include "app/station.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QFile>
#include <QThread>
#include <QProcess>
#include <QFileInfo>

#include "app/boardworker.h"
#include "app/stationview.h"
#include "app/threadview.h"
#include "base/clock.h"
#include "base/eventlog.h"
#include "base/jpeg.h"
#include "base/modalui.h"
#include "config/settingsstore.h"
#include "db/databaseacc.h"
#include "export/backup.h"
#include "export/endoflot.h"
#include "export/expfildata.h"
#include "export/printserver.h"
#include "reject/errmap.h"
#include "service/calibration.h"
#include "service/machinetests.h"
#include "service/oscilloscope.h"
#include "reject/thread_Trevik.h"
#include "lots/tricercabolle.h"
#include "link/cSelvik.h"
#include "link/portmap.h"
#include "link/tpolling.h"
#include "setup/installation.h"
#include "app/languages.h"
#include "programs/programcommands.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "reports/reports.h"
#include "base/text.h"
#include "sampling/maincycle.h"
#include "sampling/runcommands.h"

StationOptions StationOptions::parse(const QStringList& arguments) {
  StationOptions options;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (i == 0 && a == QLatin1String("-o")) {
      options.oldBoard = true;
    } else if (a == QLatin1String("--unattended")) {
      options.unattended = true;
    } else if (a == QLatin1String("--create-database")) {
      options.createDatabase = true;
    } else if (a == QLatin1String("--demo")) {
      options.demo = true;
    } else if (a == QLatin1String("--database-role")) {
      options.databaseRole = true;
    } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      options.help = true;
    } else if (a == QLatin1String("--version")) {
      options.version = true;
    } else if (i == 0) {
      // Any other first parameter (-O, -o2 ...) leaves the station in normal mode; only
      // options of our own are checked.
      if (a.startsWith(QLatin1String("--"))) options.unknown << a;
    } else {
      options.unknown << a;
    }
  }
  return options;
}

QString StationOptions::usage() {
  return QCoreApplication::translate(
      "StationOptions",
      "Uso: campionatrice [-o] [--unattended] | --create-database | --database-role\n"
      "  -o             centralina vecchia: linea a 9600 baud, riga di configurazione corta\n"
      "                 (solo come primo parametro)\n"
      "  --unattended   risponde OK o Si a ogni messaggio e finestra modale e ne scrive il\n"
      "                 testo nel registro eventi e sullo standard error\n"
      "  --demo         stazione di prova: una bolla chiusa senza numero di bolla prende il numero\n"
      "                 DEMO e un progressivo, cosi' le bolle del campione simulato si archiviano\n"
      "  --create-database  crea le tabelle mancanti nel database dell'alias tavikdata\n"
      "                 (sezione \"databases\" delle impostazioni; senza, il file SQLite\n"
      "                 tavikdata.sqlite della cartella di lavoro) ed esce\n"
      "  --database-role  scrive l'istruzione SQL che crea su un server PostgreSQL l'utente con\n"
      "                 cui la stazione accede all'archivio (da passare a psql) ed esce\n"
      "La cartella di lavoro e' la cartella corrente.\n");
}

QString station::helpFile(const QDir& workDir) { return workDir.filePath(QStringLiteral("help/Tavik.hlp")); }

static void initAppResources() { Q_INIT_RESOURCE(resources); }

namespace {
QString tr(const char* s) { return QCoreApplication::translate("Station", s); }
// The menu entries of the commands that talk to the board.
constexpr const char* kBoardCommands[] = {"Programma1", "Start1", "Totali1", "Stampa3", "Partita1"};

// The quality alarm's picture, shipped with the station.
QByteArray alarmPicture() {
  initAppResources();
  QFile f(QStringLiteral(":/app/resources/alarm.jpg"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

// The board's side: used by the board's worker only (inline: by the window's thread).
struct Station::BoardSide {
  BoardSide(StationEnvironment& env, StationView& view, EndOfLotWindow& window)
      : configuration(env.store, env.workDir, env.ui),
        data(TDatabase::resolve(env.store, env.workDir), env.ui),
        programs(data, nullptr, nullptr, configuration.config(), env.ui),
        runCommands(context(env, view)),
        mainCycle(context(env, view), runCommands),
        archive(data),
        lotExport(data, env.store, env.workDir, env.ui),
        endOfLot(EndOfLot::Deps{state, totals, runCommands, configuration, archive, lotExport, env.clock, env.ui,
                                env.log, view, [this] { return link.get(); }, [this] { return reject.get(); }, window}) {
    programs.setDisplay(&view);
    programs.setEventLog(&env.log);
    data.Database1.setQuietRepeats(true);
    lotExport.exportFolder = [this] { return configuration.config().direxp; };
    mainCycle.hooks.endOfLot = [this] { endOfLot.tick(); };
  }
  RunContext context(StationEnvironment& env, StationView& view) {
    return RunContext{state,    totals, configuration, data, programs, [this] { return link.get(); },
                      env.clock, env.ui, env.log,       view, [this] { return reject.get(); }};
  }

  Configuration configuration;  // a copy: the window's side hands every change over
  RunState state;
  RunningTotals totals;
  TDataModule1 data;  // its own archive connection, opened on the worker's thread
  Programs programs;  // its own program buffer and transfer; never the editor's
  RunCommands runCommands;
  MainCycle mainCycle;
  std::unique_ptr<cSelvik> link;
  // The reject unit's thread: the supervision and the reads run on the worker, the
  // window's side raises requests and reads results (both under the thread's lock).
  std::unique_ptr<tTrevik> reject;
  std::unique_ptr<tPolling> aux;  // the barcode scanner's line; none for port 0
  // The end of lot stores and exports through the worker's own archive connection.
  LotArchive archive;
  LotExport lotExport;
  EndOfLot endOfLot;
};

// What the end of lot, on the board's worker, needs of the window's side: each call is
// carried out on the window's thread (the worker waits for it, as for a message box).
class Station::EndOfLotSide : public EndOfLotWindow {
 public:
  explicit EndOfLotSide(Station& station) : s_(station) {}
  LotData lotData() override {
    return s_.onWindowThread<LotData>([this] {
      LotData d = s_.lots_ ? s_.lots_->lotData : LotData();
      // The trial station numbers the lots nobody typed a delivery note for.
      if (d.numero.trimmed().isEmpty() && StationOptions::parse(s_.env_.arguments).demo)
        d.numero = QStringLiteral("DEMO%1").arg(++demoLots_);
      return d;
    });
  }
  QString firstBarcode() override {
    return s_.onWindowThread<QString>([this] { return s_.barcodes_.value(0); });
  }
  void dropFirstBarcode() override {
    s_.onWindowThread<bool>([this] {
      if (!s_.barcodes_.isEmpty()) s_.barcodes_.removeFirst();
      s_.view_.showBarcodes(s_.barcodes_);
      return true;
    });
  }
  bool sendPrintCommand(const QString& command, QString* error) override {
    QString why;
    const bool sent = s_.onWindowThread<bool>([&] { return s_.printServer_->send(command, &why); });
    if (error) *error = why;
    return sent;
  }
  void clearLotData() override {
    s_.onWindowThread<bool>([this] {
      if (s_.lots_) {
        LotData& d = s_.lots_->lotData;
        d.codice.clear();
        d.descrizione.clear();
        d.note.clear();
        d.numero.clear();
        d.totPartita = QStringLiteral("0");
      }
      s_.view_.setText(QStringLiteral("numBolla"), QString());
      s_.view_.setText(QStringLiteral("totPartita"), QStringLiteral("0"));
      return true;
    });
  }

 private:
  Station& s_;
  int demoLots_ = 0;
};

template <typename R>
R Station::onWindowThread(const std::function<R()>& work) {
  if (QThread::currentThread() == window_.thread()) return work();
  R result{};
  QMetaObject::invokeMethod(&window_, [&] { result = work(); }, Qt::BlockingQueuedConnection);
  return result;
}

Station::Station(StationEnvironment& env, StationView& view, QObject& window, const Windows& windows)
    : env_(env),
      view_(view),
      window_(window),
      editor_(*windows.editor),
      list_(*windows.list),
      configuration_(env.store, env.workDir, env.ui),
      backup_(std::make_unique<ConfigBackup>(env.store, env.ui)),
      portSelectorItems_({QStringLiteral("non abilitata"), QStringLiteral("COM1"), QStringLiteral("COM2"),
                          QStringLiteral("COM3"), QStringLiteral("COM4")}) {
  // The archive's connections open with the first table a command opens.
  data_ = std::make_unique<TDataModule1>(TDatabase::resolve(env.store, env.workDir), env.ui);
  programs_ = std::make_unique<Programs>(*data_, &editor_, &list_, configuration_.config(), env.ui);
  programs_->setDisplay(&view_);
  programs_->setEventLog(&env.log);
  programCommands_ = std::make_unique<ProgramCommands>(*programs_, editor_, list_, env.ui);
  programCommands_->currentProgram = [this] { return snapshot().currentProgram; };
  programCommands_->onCurrentProgramEdited = [this](int n, const ProgramEditorModel& edited) {
    sendEditedProgram(n, edited);
  };
  const LotWindows& lotWindows = windows.lots;
  if (lotWindows.editor) {
    LotWindows own = lotWindows;
    own.programList = &list_;
    lots_ = std::make_unique<Lots>(*data_, *programs_, configuration_.config(), env.ui, env.workDir, own);
    lots_->lotInProgress = [this] { return lotInProgress_; };
    lots_->onCostsTaken = [this](const crew::Taken& taken) {
      const qint64 perMinute = taken.costPerMinute;
      const auto apply = [perMinute](BoardSide& b) { b.state.costPerMinute = perMinute; };
      if (worker_ && worker_->started()) onBoard(tr("Costi del personale"), apply);
      else apply(*board_);
    };
    reports_ = std::make_unique<Reports>(*data_, *programs_, *lots_, configuration_.config(), env.ui, env.workDir,
                                         Reports::Windows{lotWindows.list, &list_, lotWindows.producerList, windows.period});
    reports_->preview = [this] { return preview_; };
    lotExport_ = std::make_unique<LotExport>(*data_, env.store, env.workDir, env.ui);
    lotExport_->exportFolder = [this] { return configuration_.config().direxp; };
    exportRange_ = windows.exportRange;
    errorMap_ = windows.errorMap;
    if (TRicercaBolle* search = lotWindows.search) {
      search->onPrint = [this](int n) { reports_->printStoredLot(n, false); };
      search->onExport = [this](const QList<int>& lots) { exportSearch(lots); };
    }
  }
  windows_ = windows;
  languages_ = std::make_unique<LanguageModules>(env.workDir);
  calibration_ = std::make_unique<CalibrationModel>();
  oscilloscope_ = std::make_unique<OscilloscopeModel>();
  if (TTestOscilloscopio* w = windows.oscilloscope) {
    w->bind(*oscilloscope_);
    w->CaptureClick = [this] { oscilloscopeCapture(); };
    w->onClose = [this] { oscilloscopeStop(false); };
  }
  calibrationWindow_ = windows.calibration;
  if (calibrationWindow_) {
    calibrationWindow_->bind(*calibration_);
    calibrationWindow_->onStart = [this] { calibrationStart(); };
    calibrationWindow_->onStop = [this] { calibrationStop(); };
  }
  boardView_ = std::make_unique<ThreadView>(view_, window_);
  printServer_ = std::make_unique<PrintServerClient>(env.store);
  endOfLotSide_ = std::make_unique<EndOfLotSide>(*this);
  board_ = std::make_unique<BoardSide>(env, *boardView_, *endOfLotSide_);
  board_->mainCycle.hooks.serviceDisplayStep = [this](int mode) { serviceDisplay(*board_, mode); };
  // One barcode a tick from the auxiliary reader into the list the next lots take.
  board_->mainCycle.hooks.barcodeLine = [this] {
    tPolling* aux = board_->aux.get();
    if (!aux || aux->LineCount() == 0) return;
    const QString line = aux->TakeLine();
    QMetaObject::invokeMethod(&window_, [this, line] { addBarcode(line); }, Qt::QueuedConnection);
  };
  worker_ = std::make_unique<BoardWorker>(env.boardOnWorker ? BoardWorker::Mode::Thread : BoardWorker::Mode::Inline,
                                          MainCycle::kTickMs, [this] {
                                            board_->mainCycle.Timer1Timer();
                                            publishSnapshot();
                                          });
}

Station::~Station() {
  // The worker ends before what it uses goes; its boxes are served meanwhile.
  if (worker_->started() && !workerEnded_) {
    env_.clock.interrupt();
    env_.ui.closeBoxes();
    worker_->stop();
    worker_->join([] { QCoreApplication::processEvents(); });
  }
}

RunState& Station::runState() { return board_->state; }
RunningTotals& Station::totals() { return board_->totals; }
Programs& Station::programs() { return board_->programs; }
RunCommands& Station::runCommands() { return board_->runCommands; }
MainCycle& Station::mainCycle() { return board_->mainCycle; }
cSelvik* Station::link() { return board_->link.get(); }
bool Station::ticksOnWindowThread() const { return worker_->mode() == BoardWorker::Mode::Inline; }

BoardSnapshot Station::snapshot() const {
  // Inline, the board's side is on this thread: it is read as it is now.
  if (worker_->mode() == BoardWorker::Mode::Inline) return BoardSnapshot::of(board_->state);
  std::lock_guard<std::mutex> lock(snapshotMutex_);
  return snapshot_;
}

void Station::publishSnapshot() {
  const BoardSnapshot now = BoardSnapshot::of(board_->state);
  std::lock_guard<std::mutex> lock(snapshotMutex_);
  snapshot_ = now;
}

template <typename F>
void Station::guarded(F&& work) {
  if (closed_ || stopping_) return;
  ++busy_;
  work();
  if (--busy_ == 0 && closePending_) {
    closePending_ = false;
    view_.closeWhenIdle();
  }
}

void Station::onBoard(const QString& what, std::function<void(BoardSide&)> work, std::function<void()> then) {
  if (stopping_ || closed_) return;
  // The window says the command is under way until the worker has done it, and the
  // commands that talk to the board wait for it.
  if (boardWork_++ == 0) {
    view_.showCommand(what);
    view_.setBusy(true);
    for (const char* entry : kBoardCommands) view_.setEnabled(QString::fromLatin1(entry), false);
  }
  worker_->post([this, work = std::move(work), then = std::move(then)] {
    work(*board_);
    publishSnapshot();
    const auto done = [this, then] {
      if (--boardWork_ == 0) {
        view_.showCommand(QString());
        view_.setBusy(false);
        for (const char* entry : kBoardCommands) view_.setEnabled(QString::fromLatin1(entry), true);
      }
      if (then && !stopping_ && !closed_) guarded(then);
    };
    if (worker_->mode() == BoardWorker::Mode::Inline) done();
    else QMetaObject::invokeMethod(&window_, done, Qt::QueuedConnection);
  });
}

void Station::tick() {
  if (inTick_ || closed_ || !ticksOnWindowThread()) return;
  inTick_ = true;
  guarded([this] {
    board_->mainCycle.Timer1Timer();
    publishSnapshot();
  });
  inTick_ = false;
}

void Station::FormShow() {
  EventLog& log = env_.log;
  RunState& state = board_->state;  // the worker has not started yet
  // Told once: the station runs without its log, and every later entry fails the same way.
  if (!log.append(QStringLiteral(">START<")))
    env_.ui.message(tr("Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro")
                        .arg(log.path(), log.lastError()),
                    ModalUi::Icon::Warning);

  const QList<int> ports = PortMap::fromStore(env_.store).existingPorts();
  QStringList numbers;
  for (int n : ports) numbers << QString::number(n);
  log.append(numbers.join(QLatin1Char(',')));
  if (!ports.isEmpty()) {
    portSelectorItems_ = {QStringLiteral("non abilitata")};
    for (int n : ports) portSelectorItems_ << QStringLiteral("COM%1").arg(n);
  }

  // The configuration sets the automatic refresh again.
  state.autoRefreshSetting = 0;
  state.autoRefreshCountdown = 0;

  oldBoard_ = StationOptions::parse(env_.arguments).oldBoard;
  state.oldBoard = oldBoard_;
  // An old board has no tare table to read.
  if (oldBoard_) view_.setEnabled(QStringLiteral("TabellaTara1"), false);

  state.baseCaption = view_.caption();
  state.boardModelText = QStringLiteral("-----");
  log.append(QStringLiteral("start Pilto\r\n"));

  ApplyConfiguration();

  state.reset(env_.clock.now());

  view_.showCustomerLogo(loadJpegOrBmp(env_.workDir.path(), QStringLiteral("customer")));
  if (lots_) lots_->loadCompanyHeader();

  view_.clearTotalsDisplays();
  view_.setUnitCaptions(configuration_.config().totaligrammi == 1);

  view_.setVisible(QStringLiteral("Production"), false);
  view_.setText(QStringLiteral("Production"), QString());
  view_.setText(QStringLiteral("LavorPrec"), QString());

  if (lots_) {
    lots_->loadCosts();
    LotData& d = lots_->lotData;
    d.codice.clear();
    d.descrizione.clear();
    d.note.clear();
    d.numero.clear();
  }

  const MachineConfig& c = configuration_.config();
  if (c.porta_com > 0 && c.porta_com < 99) {
    board_->link = std::make_unique<cSelvik>(c.porta_com, state.oldBoard ? 9600 : 19200,
                                             PortMap::fromStore(env_.store).devicePath(c.porta_com), env_.clock,
                                             env_.ui);
    board_->link->setEventLog(&env_.log);
    board_->link->setTraceLog(env_.workDir.filePath(QStringLiteral("oscilloscopio.log")));
  }

  // Whether the port opens or not, the board counts as off until it answers a status poll;
  // a port that did not open is logged with its cause and tried again at every poll.
  if (board_->link) {
    board_->link->qualityAlarm = false;
    board_->link->Open();
  }
  view_.setPanel(3, MainCycle::offText(), Qt::AlignRight);

  // The reject unit, on its own line and thread; a port outside 1 to 98 means none.
  view_.setPanel(4, reject::offText(), Qt::AlignLeft);
  if (tTrevik::validPort(c.porta_scarti)) {
    board_->reject = std::make_unique<tTrevik>(c.porta_scarti, PortMap::fromStore(env_.store).devicePath(c.porta_scarti),
                                               env_.clock, &env_.log);
    if (board_->reject->start()) board_->reject->request(tTrevik::P | tTrevik::M);
  }
  // The barcode scanner, on its own line and thread.
  if (c.porta_aux > 0 && c.porta_aux <= 99) {
    board_->aux = std::make_unique<tPolling>(c.porta_aux, PortMap::fromStore(env_.store).devicePath(c.porta_aux),
                                             &env_.log, env_.auxPassMs);
    board_->aux->start();
  }

  // An archive that cannot be reached is told once, with its cause, and not again by every
  // list the show sequence fills.
  const bool archive = data_->Database1.Connect();
  if (archive) {
    programs_->RefreshProgramList();
    if (lots_) lots_->archive.buildLotList();
  }

  view_.setText(QStringLiteral("Costo"), QString());

  // The lot in progress left by the previous run: its program is reloaded into a board
  // that reports none. "Bolla temporanea non presente!" only when the archive was read
  // and holds no lot.
  const LotHeader::Read header =
      archive ? lotHeader_.ReadLotHeader(*data_, &state.rememberedProgram) : LotHeader::Read::Failed;
  lotInProgress_ = header == LotHeader::Read::Found;
  if (header == LotHeader::Read::Empty)
    env_.ui.message(tr("Bolla temporanea non presente!"), ModalUi::Icon::Information);

  state.productionStart = RunState::minutesSinceOrigin(env_.clock.now());
  state.productionBaseline = 0;
  publishSnapshot();

  // The language: the entries whose modules are here, then the one configured.
  AggiornaLingue();
  if (const auto language = languageOfCode(configuration_.config().langinterface)) switchLanguage(*language, false);

  view_.focusLotNumber();
  view_.showAlarmPicture(decodeJpeg(alarmPicture()));
  // The print server's connection, last.
  printServer_->open();

  // From here on the board is the worker's.
  if (!ticksOnWindowThread()) env_.clock.resume();
  worker_->start([this] {
    // The worker's archive connection is closed on its own thread.
    board_->data.Database1.Disconnect();
    QMetaObject::invokeMethod(&window_, [this] { workerEnded(); }, Qt::QueuedConnection);
  });
}

void Station::workerEnded() {
  workerEnded_ = true;
  view_.closeWhenIdle();
}

bool Station::FormClose() {
  if (closed_) return true;
  if (worker_->started() && !workerEnded_) {
    // The worker may be inside an exchange with a board that does not answer, or waiting
    // for a box it raised: the exchange is abandoned at its next wait, the box closed, and
    // the close sequence runs when the worker has ended.
    if (!stopping_) {
      stopping_ = true;
      env_.clock.interrupt();
      env_.ui.closeBoxes();
      worker_->stop();
    }
    return false;
  }
  if (busy_ > 0) {
    // A modal box of a tick or command is open: the work it belongs to still holds the
    // link. Close once it has finished.
    closePending_ = true;
    return false;
  }
  worker_->join({});
  closed_ = true;
  printServer_->close();
  view_.setPanel(3, MainCycle::offText(), Qt::AlignRight);
  env_.log.append(QStringLiteral("Stop Pilto\r\n"));
  if (board_->reject) board_->reject->stop();
  if (board_->aux) board_->aux->stop();
  if (board_->link) {
    board_->link->Close();
    board_->link.reset();
  }
  return true;
}

void Station::ApplyConfiguration() {
  if (!configuration_.LoadConfiguration()) return;
  const MachineConfig& c = configuration_.config();
  editor_.setMultiplier(c.xmoltiply);
  view_.setVisible(QStringLiteral("Label55"), c.v_tazzebad);
  view_.setVisible(QStringLiteral("tazzebad"), c.v_tazzebad);
  if (!oldBoard_) configuration_.appendSuffix();
  handConfigurationToBoard();
}

void Station::handConfigurationToBoard() {
  // The board's side works on its own copy.
  const MachineConfig copy = configuration_.config();
  const QString line = configuration_.configurationLine();
  const auto adopt = [copy, line](BoardSide& b) {
    b.configuration.adopt(copy, line);
    b.state.autoRefreshSetting = copy.autorefresh;
  };
  if (worker_->started()) onBoard(tr("Configurazione"), adopt);
  else adopt(*board_);
}

void Station::FormKeyDown(int key) {
  const bool on = snapshot().boardOn;
  // A command the board has not finished yet: the keys of the board's commands wait.
  if (boardWork_ > 0 &&
      (key == Qt::Key_F1 || key == Qt::Key_F2 || key == Qt::Key_F6 || key == Qt::Key_F7 || key == Qt::Key_F8 ||
       key == Qt::Key_F9)) {
    env_.ui.beep();
    return;
  }
  switch (key) {
    case Qt::Key_F1: Totali1Click(); break;
    case Qt::Key_F3: Dati1Click(); break;
    case Qt::Key_F2: if (on) Programma1Click(); break;
    case Qt::Key_F6: if (on) ModificaPU1Click(); break;
    case Qt::Key_F7: if (on) Stampa3Click(); break;
    case Qt::Key_F8: if (on) Start1Click(); break;
    case Qt::Key_F9: if (on) Partita1Click(); break;
    default: break;
  }
}

void Station::Programma1Click() {
  guarded([this] {
    if (!snapshot().boardOn) {
      env_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
      return;
    }
    programs_->RefreshProgramList();
    const QString saved = list_.windowTitle();
    list_.setWindowTitle(tr(" Caricamento Programma "));
    list_.clearChoice();
    const bool chosen = env_.ui.exec(list_) == QDialog::Accepted && list_.chosenIndex() >= 0;
    const QString code = list_.chosenCode();
    list_.setWindowTitle(saved);
    if (!chosen) return;
    const auto n = text::strictInt(code.trimmed());
    if (!n) {
      env_.ui.message(tr("'%1' non è un codice di programma valido").arg(code), ModalUi::Icon::Error);
      return;
    }
    onBoard(tr("Caricamento del programma %1").arg(code), [this, n = *n](BoardSide& b) {
      const Programs::BoardLoad load = b.programs.LoadProgramForBoard(n, b.state.lastBoardState);
      if (load.result != Programs::BoardLoad::Loaded) env_.ui.message(load.message, ModalUi::Icon::Error);
    });
  });
}

void Station::ModificaPU1Click() {
  guarded([this] {
    const int n = snapshot().currentProgram;
    // After an identification the number is 999 (9999 before any): no program yet.
    if (n < 1 || n > 99) {
      env_.ui.message(tr("Non c'è un programma corrente da modificare."), ModalUi::Icon::Information);
      return;
    }
    const QString code = program::code(n);
    if (!programs_->ShowProgramInEditor(code)) {
      env_.ui.message(Programs::notInArchiveMessage(code), ModalUi::Icon::Error);
      return;
    }
    const QString saved = editor_.windowTitle();
    editor_.setWindowTitle(tr("Modifica programma N. ") + QString::number(n));
    editor_.setSaveAction([this, code] { return programs_->StoreProgram(code); });
    const bool stored = env_.ui.exec(editor_) == QDialog::Accepted && editor_.saved();
    editor_.setSaveAction({});
    editor_.setWindowTitle(saved);
    if (stored) sendEditedProgram(n, programs_->editing);
  });
}

void Station::sendEditedProgram(int n, const ProgramEditorModel& edited) {
  onBoard(tr("Invio del programma alla centralina"), [this, n, edited](BoardSide& b) {
    // The main cycle went on while the editor was open, showing whatever the board runs:
    // the edit reaches the board only when it is still the board's program.
    if (b.state.currentProgram != n) return;
    if (const auto error = b.programs.SendEditedProgram(n, b.state.lastBoardState, edited))
      env_.ui.message(*error, ModalUi::Icon::Error);
  });
}

void Station::Start1Click() {
  guarded([this] {
    env_.ui.beep();
    if (env_.ui.message(RunCommands::zeroQuestion(), ModalUi::Icon::Question, ModalUi::Buttons::YesNo) !=
        ModalUi::Answer::Yes)
      return;
    onBoard(tr("Azzeramento dei totali"), [](BoardSide& b) { b.runCommands.ZeroRunningTotals(); });
  });
}

void Station::Totali1Click() {
  guarded([this] { onBoard(tr("Lettura dei totali"), [](BoardSide& b) { b.runCommands.TotaliClick(); }); });
}

void Station::Modifica1Click() { guarded([this] { programCommands_->Modifica1Click(); }); }
void Station::Nuovo1Click() { guarded([this] { programCommands_->Nuovo1Click(); }); }
void Station::Cancella1Click() { guarded([this] { programCommands_->Cancella1Click(snapshot().currentProgram); }); }
void Station::Controldbase1Click() { guarded([this] { programCommands_->Controldbase1Click(); }); }
void Station::SalvasuFloppy1Click() { guarded([this] { backup_->backup(); }); }

void Station::RipristinadaFloppy1Click() {
  guarded([this] {
    if (backup_->restore()) ApplyConfiguration();
  });
}

void Station::Dati1Click() {
  guarded([this] {
    if (!lots_ || !lots_->Dati1Click()) return;
    view_.setText(QStringLiteral("numBolla"), lots_->lotData.numero);
    view_.setText(QStringLiteral("totPartita"), lots_->lotData.totPartita);
  });
}

void Station::lotNumberEntered(const QString& text) {
  if (lots_) lots_->lotData.numero = text;
}

void Station::lotQuantityEntered(const QString& text) {
  if (lots_) lots_->lotData.totPartita = text;
}

void Station::NuovaBollaClick() { guarded([this] { if (lots_) lots_->NuovaBollaClick(); }); }
void Station::ModificaBollaClick() { guarded([this] { if (lots_) lots_->ModificaBollaClick(); }); }
void Station::CancellaBollaClick() { guarded([this] { if (lots_) lots_->CancellaBollaClick(); }); }
void Station::AzzeramentoBolleClick() { guarded([this] { if (lots_) lots_->AzzeramentoBolleClick(); }); }
void Station::OpzioniArchivioClick() { guarded([this] { if (lots_) lots_->OpzioniArchivioClick(); }); }
void Station::ModificaProduttoreClick() { guarded([this] { if (lots_) lots_->ModificaProduttoreClick(); }); }
void Station::NuovoProduttoreClick() { guarded([this] { if (lots_) lots_->NuovoProduttoreClick(); }); }
void Station::CancellaProduttoreClick() { guarded([this] { if (lots_) lots_->CancellaProduttoreClick(); }); }
void Station::DatiAziendaClick() { guarded([this] { if (lots_) lots_->AziendaClick(); }); }

void Station::CostiPersonaleClick() {
  guarded([this] {
    // The totals are read again, with the new cost, when the board is there to read them.
    if (lots_ && lots_->CostiClick() && snapshot().boardOn) Totali1Click();
  });
}

void Station::Stampa3Click() {
  guarded([this] {
    if (!reports_) return;
    if (!snapshot().boardOn) {
      env_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
      return;
    }
    // The totals are read again first; the report prints what that reading stored.
    onBoard(tr("Lettura dei totali per la stampa"), [](BoardSide& b) { b.runCommands.TotaliClick(); }, [this] {
      const BoardSnapshot s = snapshot();
      reports_->printLotInProgress(s.currentProgram, s.productionText, s.costText);
    });
  });
}

void Station::StampaBollaClick() { guarded([this] { if (reports_) reports_->StampaBollaClick(); }); }
void Station::StampaProgrammaClick() { guarded([this] { if (reports_) reports_->StampaProgrammaClick(); }); }
void Station::StampaProduttoreClick() { guarded([this] { if (reports_) reports_->StampaProduttoreClick(); }); }

void Station::exportfrom1Click() {
  guarded([this] {
    if (!lotExport_ || !exportRange_) return;
    if (env_.ui.exec(*exportRange_) != QDialog::Accepted) return;
    // Whole days: from the first moment of the first date to the last of the second.
    lotExport_->exportRange(QDateTime(exportRange_->DateTimePicker1->date(), QTime(0, 0)),
                            QDateTime(exportRange_->DateTimePicker2->date(), QTime(23, 59, 59, 999)));
  });
}

void Station::esportagiornaliero1Click() {
  guarded([this] {
    if (lotExport_) lotExport_->exportDaily();
  });
}

void Station::exportSearch(const QList<int>& lots) {
  if (!lotExport_) return;
  const std::optional<QString> folder = lotExport_->folder();
  if (!folder) return;
  ModalUi::FileRequest request;
  request.title = tr("Esporta le bolle trovate");
  request.initialFolder = *folder;
  request.initialName = QStringLiteral("bolle.txt");
  request.filter = tr("Testo per AS400 (*.txt)");
  request.defaultSuffix = QStringLiteral(".txt");
  if (const auto path = env_.ui.saveFileName(request)) lotExport_->exportLots(lots, *path);
}

void Station::FineClick() { exitStation({}); }

void Station::ControlloAggiornamentiOnline1Click() { exitStation([this] { return startUpdater(); }); }

bool Station::startUpdater() {
  const QFileInfo program(env_.programPath.isEmpty() ? QCoreApplication::applicationFilePath() : env_.programPath);
  const QString path = program.absoluteFilePath();
  const QString folder = program.absolutePath();
  env_.log.append(QStringLiteral("update parameter=\"%1\"\r\n").arg(path));
  env_.log.append(QStringLiteral("update directory=\"%1\"\r\n").arg(folder));
  // Beside the station, by its absolute path, with an argument list: no shell, and a path
  // with spaces arrives as one argument.
  const QString updater = QDir(folder).filePath(QStringLiteral("campionatrice-update"));
  if (QProcess::startDetached(updater, {path}, folder)) return true;
  env_.log.append(QStringLiteral("update: %1 non avviato\r\n").arg(updater));
  env_.ui.message(tr("Il programma di aggiornamento %1 non si avvia: la stazione resta aperta").arg(updater),
                  ModalUi::Icon::Error);
  return false;
}

void Station::exitStation(std::function<bool()> beforeClose) {
  guarded([this, beforeClose] {
    if (env_.ui.message(tr("Vuoi esportare i dati verso AS400 ?"), ModalUi::Icon::Information,
                        ModalUi::Buttons::YesNo) == ModalUi::Answer::Yes) {
      // A failed export keeps the station open: nothing is lost.
      if (!lotExport_ || !lotExport_->exportDaily()) return;
    }
    const auto finish = [this, beforeClose] {
      const BoardSnapshot s = snapshot();
      // The lot in progress is kept for the next start when the board runs a program of
      // the archive (not the 9999 of a board never heard, nor the 999 of one identified).
      if (s.currentProgram >= 1 && s.currentProgram <= 99) {
        LotHeader header;
        header.program = QString::number(s.currentProgram);
        // The producer the operator typed last; `temporary` keeps producers as numbers.
        const QString producer = lots_ ? lots_->lotData.codice.trimmed() : QString();
        header.producer = text::strictInt(producer) ? producer : QStringLiteral("0");
        if (!header.StoreLotHeader(*data_)) return;  // told; the station stays open
      }
      if (beforeClose && !beforeClose()) return;
      view_.closeWhenIdle();
    };
    if (!snapshot().boardOn) {
      finish();
      return;
    }
    onBoard(tr("Lettura dei totali"), [](BoardSide& b) {
      b.runCommands.TotaliClick();
      if (b.state.productionBaseline == 0 && b.totals.G > 0) b.state.productionBaseline = b.totals.G;
    }, finish);
  });
}

tTrevik* Station::rejectUnit() { return board_->reject.get(); }

void Station::AggiornaTempiScarti1Click() {
  if (tTrevik* unit = rejectUnit(); unit && unit->running()) unit->request(tTrevik::P);
}

void Station::MappaerroriKestin1Click() {
  guarded([this] {
    if (!errorMap_) return;
    tTrevik* unit = rejectUnit();
    errorMap_->showErrors(unit ? unit->results().errors : std::array<bool, kestin::kErrorCodes>{});
    env_.ui.exec(*errorMap_);
  });
}

void Station::Partita1Click() {
  guarded([this] {
    if (!snapshot().boardOn) {
      env_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
      return;
    }
    onBoard(tr("Fine lavorazione"), [](BoardSide& b) { b.endOfLot.Partita1Click(); });
  });
}

void Station::Image2Click() {
  guarded([this] {
    view_.setVisible(QStringLiteral("Image2"), false);
    view_.setEnabled(QStringLiteral("Image2"), false);
    onBoard(tr("Allarme qualità"), [](BoardSide& b) {
      if (b.link) b.link->qualityAlarm = false;
    });
  });
}

void Station::addBarcode(const QString& line) {
  barcodes_.append(line);
  view_.showBarcodes(barcodes_);
}

EndOfLot& Station::endOfLot() { return board_->endOfLot; }

void Station::Calibrazione1Click() {
  guarded([this] {
    if (!calibrationWindow_) return;
    env_.log.append(QStringLiteral("iniz calibrazione\r\n"));
    if (env_.ui.message(tr("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    if (!snapshot().boardOn) {
      env_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
      return;
    }
    MachineConfig& c = configuration_.config();
    const std::array<int, 4> kept = c.kpeso;
    CalibrationModel& m = *calibration_;
    m = CalibrationModel();
    for (int i = 0; i < 4; ++i) m.kappa[i] = QString::number(c.kpeso[i]).rightJustified(4);
    // The board's passes reach the dialog through the main cycle's display step.
    setServiceMode(3);
    calibrationWindow_->saveAction = [this] {
      for (int i = 0; i < 4; ++i)
        if (!calibration::validCoefficient(calibration_->kappa[i])) {
          env_.ui.message(tr("Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999").arg(i + 1),
                          ModalUi::Icon::Error);
          return false;
        }
      return true;
    };
    calibrationWindow_->showModel();
    const bool saved = env_.ui.exec(*calibrationWindow_) == QDialog::Accepted;
    calibrationStop();
    calibrationWindow_->saveAction = {};
    if (saved) {
      for (int i = 0; i < 4; ++i) c.kpeso[i] = *calibration::validCoefficient(calibration_->kappa[i]);
      configuration_.SaveConfiguration();
      ApplyConfiguration();
      const QString factors = calibration::coefficientString(calibration_->kappa);
      // A board of model 3 or above takes the factors; an older one the configuration.
      onBoard(tr("Coefficienti di calibrazione"), [factors](BoardSide& b) {
        if (b.state.boardModel >= 3) {
          b.state.calibrationFactors = factors;
          b.state.calibrationRequest = true;
        } else {
          b.state.reinitRequest = true;
        }
      });
    } else {
      c.kpeso = kept;
    }
    setServiceMode(0);
    env_.log.append(QStringLiteral("fine calibrazione\r\n"));
  });
}

void Station::calibrationStart() {
  CalibrationModel& m = *calibration_;
  if (m.running) return;
  const auto w = calibration::sampleWeight(m.pesoCamp, configuration_.config().xmoltiply);
  if (!w) return;
  m.pesoCamp = w->shown;
  if (w->perLine < calibration::kMinWeight || w->perLine > calibration::kMaxWeight) {
    env_.ui.message(tr("Il peso campione per linea deve essere da %1 a %2 grammi")
                        .arg(calibration::kMinWeight).arg(calibration::kMaxWeight),
                    ModalUi::Icon::Warning);
    calibrationWindow_->showModel();
    return;
  }
  const QByteArray payload = QByteArray::number(w->perLine).rightJustified(3, '0');
  auto started = std::make_shared<bool>(false);
  onBoard(tr("Calibrazione"), [payload, started](BoardSide& b) {
    if (b.link) *started = b.link->StartLineCalibration(payload);
  }, [this, started] {
    // A start the board did not take leaves the dialog idle.
    calibration_->running = *started;
    calibrationWindow_->showModel();
  });
}

void Station::calibrationStop() {
  if (!calibration_->running) return;
  calibration_->running = false;
  onBoard(tr("Fine calibrazione"), [](BoardSide& b) {
    if (b.link) b.link->StopLineCalibration();
  });
  calibrationWindow_->showModel();
}

void Station::setServiceMode(int mode) {
  onBoard(tr("Servizio"), [mode](BoardSide& b) { b.state.serviceMode = mode; });
}

bool Station::boardOnOrTell() {
  if (snapshot().boardOn) return true;
  env_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
  return false;
}

void Station::serviceDisplay(BoardSide& b, int mode) {
  cSelvik* link = b.link.get();
  if (!link) return;
  const int m = b.configuration.config().xmoltiply;
  // What a step shows is handed to the window's thread.
  const auto show = [this](std::function<void()> f) { QMetaObject::invokeMethod(&window_, std::move(f), Qt::QueuedConnection); };
  switch (mode) {
    case 1: {  // cells
      if (!link->QueryFour("Q", cSelvik::kMediumTimeout)) return;
      const rcTestCelle cells = link->GetCells();
      show([this, cells, m] {
        for (int i = 0; i < 4; ++i) windows_.cells->Cella[i]->setText(machinetests::scaledWeight(cells.values[i], m));
      });
      return;
    }
    case 2: {  // memorised net
      std::array<rcTestMemorizzato, 4> lines;
      for (int l = 0; l < 4; ++l) lines[l] = link->GetMemorised(l + 1);
      show([this, lines, m] {
        for (int l = 0; l < 4; ++l) {
          TTestMem& w = *windows_.memorised;
          w.Ntazza[l]->setText(lines[l].cup);
          if (lines[l].tare != QLatin1String("   0")) w.Tara[l]->setText(machinetests::scaledWeight(lines[l].tare, m));
          w.Netto[l]->setText(machinetests::scaledWeight(lines[l].net, m));
        }
      });
      return;
    }
    case 3: {  // line calibration: every pass that came
      QList<rcCalibrazioneLinee> passes;
      while (const auto p = link->NextCalibration()) passes << *p;
      if (passes.isEmpty()) return;
      show([this, passes, m] {
        for (const rcCalibrazioneLinee& p : passes) calibration::apply(*calibration_, p, m);
        calibrationWindow_->showModel();
      });
      return;
    }
    case 4: {  // encoder
      const rcTestEncoder e = link->GetEncoder();
      show([this, e] {
        TTestEncoder& w = *windows_.encoder;
        w.NGiro->setText(e.turns);
        w.Valore->setText(e.value);
        for (int i = 0; i < 5; ++i) w.Errore[i]->setText(e.errors[i]);
      });
      return;
    }
    case 6: {  // oscilloscope: one trace per tick; more wait in the reader's queue
      auto trace = link->NextTrace();
      if (!trace) return;
      show([this, t = std::move(*trace)] { oscilloscopeTrace(t); });
      return;
    }
    case 5: {  // empty cups: every record that came
      QList<rcCOntrolloTazzeVuote> cups;
      while (const auto c = link->NextEmptyCup()) cups << *c;
      if (cups.isEmpty()) return;
      show([this, cups, m] {
        if (!emptyCupsRunning_) return;
        for (const rcCOntrolloTazzeVuote& c : cups) {
          const auto line = text::strictInt(c.line);
          if (!line || *line < 1 || *line > 4) continue;
          windows_.emptyCups->NTazza[*line - 1]->setText(c.cup);
          windows_.emptyCups->Valore[*line - 1]->setText(machinetests::emptyCupValue(c.value, m));
        }
      });
      return;
    }
    default: return;
  }
}

void Station::ControlloCELLE1Click() {
  guarded([this] {
    if (!windows_.cells || !boardOnOrTell()) return;
    setServiceMode(1);
    env_.ui.exec(*windows_.cells);
    setServiceMode(0);
  });
}

void Station::Memorizzato1Click() {
  guarded([this] {
    if (!windows_.memorised || !boardOnOrTell()) return;
    TTestMem& w = *windows_.memorised;
    for (QLineEdit* t : w.Tara) t->setText(QStringLiteral("0000"));
    auto tares = std::make_shared<std::optional<rcTestCelle>>();
    auto started = std::make_shared<bool>(false);
    const int m = configuration_.config().xmoltiply;
    onBoard(tr("Test netto memorizzato"), [tares, started](BoardSide& b) {
      b.state.serviceMode = 2;
      if (!b.link) return;
      if (b.link->QueryFour("R", cSelvik::kMediumTimeout)) *tares = b.link->GetCells();
      *started = b.link->StartMemorisedTest(cSelvik::kMediumTimeout);
    }, [this, tares, started, m] {
      TTestMem& w = *windows_.memorised;
      if (*tares)
        for (int i = 0; i < 4; ++i) w.Tara[i]->setText(machinetests::tareWeight((*tares)->values[i], m));
      if (*started) env_.ui.exec(w);
      auto stopped = std::make_shared<bool>(false);
      onBoard(tr("Fine test"), [stopped](BoardSide& b) {
        if (b.link) *stopped = b.link->StopMemorisedTest();
        b.state.serviceMode = 0;
      }, [this, stopped] {
        if (!*stopped) {
          env_.ui.beep();
          env_.ui.message(tr("Termine Memorizzato non accettato!"), ModalUi::Icon::Error);
        }
      });
    });
  });
}

void Station::Encoder1Click() {
  guarded([this] {
    if (!windows_.encoder || !boardOnOrTell()) return;
    auto started = std::make_shared<bool>(false);
    onBoard(tr("Test encoder"), [started](BoardSide& b) {
      *started = b.link && b.link->StartEncoderTest(cSelvik::kShortTimeout);
      b.state.serviceMode = *started ? 4 : 0;
    }, [this, started] {
      if (!*started) return;  // the link beeped
      TTestEncoder& w = *windows_.encoder;
      w.NGiro->clear();
      w.Valore->clear();
      for (QLineEdit* e : w.Errore) e->clear();
      env_.ui.exec(w);
      onBoard(tr("Fine test"), [this](BoardSide& b) {
        if (!b.link || !b.link->StopEncoderTest()) env_.ui.beep();
        b.state.serviceMode = 0;
      });
    });
  });
}

void Station::TestMagneti1Click() {
  guarded([this] {
    if (!windows_.magnets) return;
    env_.log.append(QStringLiteral("iniz test magneti\r\n"));
    if (env_.ui.message(tr("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    if (!boardOnOrTell()) return;
    magnetGroup_ = 0;
    windows_.magnets->onStart = [this](int group, int exit) {
      const QList<QByteArray> commands = machinetests::magnetCommands(magnetGroup_, group, exit);
      onBoard(tr("Test magneti"), [commands](BoardSide& b) {
        for (const QByteArray& c : commands)
          if (b.link) b.link->SendCommand(c.left(1), c.mid(1));
      });
    };
    env_.ui.exec(*windows_.magnets);
    // Every magnet off: tried again when the board did not take it, and told when it
    // never did, so no magnet stays energised unseen.
    onBoard(tr("Fine test magneti"), [this](BoardSide& b) {
      bool off = false;
      for (int attempt = 0; attempt < 3 && !off && b.link; ++attempt) off = b.link->SendCommand("U", "000");
      if (!off) {
        env_.log.append(QStringLiteral("test magneti: U000 non accettato\r\n"));
        env_.ui.message(tr("La centralina non ha spento i magneti (U000): spegnere la macchina"), ModalUi::Icon::Error);
      }
    });
    env_.log.append(QStringLiteral("fine test magneti\r\n"));
  });
}

void Station::ControlloTazze1Click() {
  guarded([this] {
    if (!windows_.emptyCups) return;
    env_.log.append(QStringLiteral("iniz controllo tazze\r\n"));
    if (env_.ui.message(tr("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    if (!boardOnOrTell()) return;
    TTestTazzeVuote& w = *windows_.emptyCups;
    const int m = configuration_.config().xmoltiply;
    setServiceMode(5);
    emptyCupsRunning_ = false;
    w.UpDown1->setValue(10);
    w.LimiteGr->setText(machinetests::emptyCupLimitShown(10, m));
    w.onLimit = [&w, m](int position) { w.LimiteGr->setText(machinetests::emptyCupLimitShown(position, m)); };
    w.onStart = [this, &w, m] {
      const bool restart = emptyCupsRunning_;
      emptyCupsRunning_ = false;
      const QByteArray limit = machinetests::emptyCupLimitSent(w.LimiteGr->text(), m);
      auto started = std::make_shared<bool>(false);
      onBoard(tr("Controllo tazze"), [this, restart, limit, started](BoardSide& b) {
        if (!b.link) return;
        if (restart) b.link->StopEmptyCupTest();
        env_.clock.waitUs(172800);
        *started = b.link->StartEmptyCupTest(limit);
      }, [this, started] { emptyCupsRunning_ = *started; });
    };
    env_.ui.exec(w);
    emptyCupsRunning_ = false;
    onBoard(tr("Fine controllo tazze"), [](BoardSide& b) {
      if (b.link) b.link->StopEmptyCupTest();
      b.state.serviceMode = 0;
    });
    env_.log.append(QStringLiteral("fine controllo tazze\r\n"));
  });
}

void Station::Oscilloscopio1Click() {
  guarded([this] {
    TTestOscilloscopio* w = windows_.oscilloscope;
    if (!w) return;
    if (env_.ui.message(tr("Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, "
                           "si vuole proseguire?"),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    if (!boardOnOrTell()) return;
    OscilloscopeModel& m = *oscilloscope_;
    MachineConfig& c = configuration_.config();
    // The reading windows typed, checked before "Aggiorna" closes the window.
    struct Windows {
      std::array<int, 4> starts{}, ends{};
    };
    auto typed = std::make_shared<Windows>();
    w->UpdateClick = [this, w, typed] {
      for (int i = 0; i < 4; ++i) {
        const auto a = text::strictInt(w->Inizio[i]->text().trimmed());
        const auto b = text::strictInt(w->Fine[i]->text().trimmed());
        if (!a || !b || *a < 1 || *b > oscilloscope::kMaxPosition || *a >= *b) {
          env_.ui.message(tr("Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, "
                             "l'inizio minore della fine")
                              .arg(i + 1)
                              .arg(oscilloscope::kMaxPosition),
                          ModalUi::Icon::Error);
          return false;
        }
        typed->starts[i] = *a;
        typed->ends[i] = *b;
      }
      return true;
    };
    for (;;) {
      for (int i = 0; i < 4; ++i) {
        w->Inizio[i]->setText(text::fixedRight(c.inenc[i], 3));
        w->Fine[i]->setText(text::fixedRight(c.fienc[i], 3));
      }
      const int phase = std::clamp(c.zeroencoder, 0, 99);
      m.openingPhase = phase;
      m.phase = phase;
      {
        const QSignalBlocker quiet(w->UpDown3);
        w->UpDown3->setValue(phase);
      }
      w->Fase->setText(text::fixedRight(phase, 3));
      m.windowStart = c.inenc[0];
      m.windowEnd = c.fienc[0];
      m.capturing = false;
      // The hit counts survive the window; they follow the machine's number of cups.
      m.hits.resize(static_cast<size_t>(std::max(c.numtazze, 0)));
      setServiceMode(6);
      w->clearChart();
      w->FormShow();
      const bool update = env_.ui.exec(*w) == QDialog::Accepted;
      if (m.capturing) oscilloscopeStop(false);
      if (update) {
        c.zeroencoder = m.phase;
        c.inenc = typed->starts;
        c.fienc = typed->ends;
        configuration_.SaveConfiguration();
        ApplyConfiguration();
      }
      // The board hears the new phase and windows, then calibrates the empty machine again.
      onBoard(tr("Fine oscilloscopio"), [update](BoardSide& b) {
        b.state.serviceMode = 0;
        if (update) {
          b.state.reinitRequest = true;
          b.state.resetRequested = true;
        }
      });
      if (!update) break;
    }
    w->UpdateClick = {};
  });
}

void Station::oscilloscopeCapture() {
  OscilloscopeModel& m = *oscilloscope_;
  TTestOscilloscopio& w = *windows_.oscilloscope;
  if (m.capturing) {
    oscilloscopeStop(true);
    return;
  }
  if (oscilloscopeStarting_) return;
  w.clearChart();
  const auto line = oscilloscope::lineOf(w.Linea->text());
  const auto threshold = oscilloscope::thresholdOf(w.Limite->text());
  if (!line || !threshold) {
    env_.ui.message(tr("La linea va da 1 a 4 e la soglia da %1 a %2")
                        .arg(oscilloscope::kMinThreshold)
                        .arg(oscilloscope::kMaxThreshold),
                    ModalUi::Icon::Error);
    return;
  }
  m.captureLine = *line;
  m.windowStart = oscilloscope::borderOf(w.Inizio[*line - 1]->text());
  m.windowEnd = oscilloscope::borderOf(w.Fine[*line - 1]->text());
  const QByteArray payload = oscilloscope::startPayload(*line, *threshold);
  auto started = std::make_shared<bool>(false);
  oscilloscopeStarting_ = true;
  onBoard(tr("Oscilloscopio"), [payload, started](BoardSide& b) {
    *started = b.link && b.link->StartTrace(payload);  // a start not taken has beeped
  }, [this, started] {
    oscilloscopeStarting_ = false;
    oscilloscope_->capturing = *started;
    windows_.oscilloscope->showCapturing();
  });
}

void Station::oscilloscopeStop(bool tell) {
  oscilloscope_->capturing = false;
  windows_.oscilloscope->showCapturing();
  onBoard(tr("Fine oscilloscopio"), [this, tell](BoardSide& b) {
    const bool stopped = b.link && b.link->StopTrace();
    if (!stopped && tell) env_.ui.message(tr("Fine funzione oscilloscopio... non eseguita!"), ModalUi::Icon::Information);
  });
}

void Station::oscilloscopeTrace(const rcTracciaGrafica& trace) {
  OscilloscopeModel& m = *oscilloscope_;
  TTestOscilloscopio* w = windows_.oscilloscope;
  if (!m.capturing || !w) return;  // a trace that came after the stop
  if (m.save) {
    if (const auto error = oscilloscope::appendTrace(env_.workDir, m.captureLine, trace)) {
      // Told once: the box is not shown again for every trace of the capture.
      m.save = false;
      w->showSave();
      const QString file = oscilloscope::fileName(m.captureLine);
      env_.log.append(QStringLiteral("oscilloscopio: %1 non scritto (%2)\r\n").arg(file, *error));
      env_.ui.message(tr("Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.")
                          .arg(file, *error),
                      ModalUi::Icon::Warning);
    }
  }
  oscilloscope::take(m, trace);
  w->showTrace(trace, configuration_.config().numtazze);
}

int Station::language() const { return languages_->current(); }

void Station::AggiornaLingue() {
  for (int i = 0; i < static_cast<int>(kLanguages.size()); ++i)
    view_.setEnabled(QString::fromLatin1(kLanguages[i].item), languages_->available(i));
}

void Station::languageClick(int language) {
  guarded([this, language] { switchLanguage(language, true); });
}

void Station::switchLanguage(int language, bool fromMenu) {
  const Language& l = kLanguages[language];
  if (const auto failure = languages_->switchTo(language)) {
    // The station stays in the language it shows, with that entry checked.
    env_.log.append(QStringLiteral("lingua %1 non caricata: %2\r\n").arg(QLatin1String(l.code), *failure));
  } else {
    // The windows' captions, then what the station shows by itself.
    view_.retranslate();
    view_.showCustomerLogo(loadJpegOrBmp(env_.workDir.path(), QStringLiteral("customer")));
    view_.setText(QStringLiteral("LavorPrec"), QString());
    const QString base = QCoreApplication::translate("TMain", "Morvel Campionatrice");
    const auto relabel = [this, base](BoardSide& b) {
      b.state.baseCaption = base;
      boardView_->setCaption(base + QStringLiteral(" / ") + b.state.boardModelText);
      const int program = b.state.currentProgram;
      if (program > 0 && program < 99) b.programs.ShowCurrentProgram(program);
      // The panels the cycle sets only when they change.
      if (!b.state.boardOn) boardView_->setPanel(3, MainCycle::offText(), Qt::AlignRight);
      if (!b.reject || !b.reject->running()) boardView_->setPanel(4, reject::offText(), Qt::AlignLeft);
    };
    if (worker_->started()) onBoard(tr("Lingua"), relabel);
    else relabel(*board_);
    if (fromMenu) env_.log.append(QStringLiteral("lingua %1\r\n").arg(QLatin1String(l.code)));
  }
  AggiornaLingue();
  const int shown = languages_->current();
  for (int i = 0; i < static_cast<int>(kLanguages.size()); ++i)
    view_.setChecked(QString::fromLatin1(kLanguages[i].item), i == shown);
  checkedLanguage_ = shown;
  if (!fromMenu) return;
  if (shown == language) Totali1Click();
  // The language in force is the one the next start takes.
  env_.store.writeText(QString::fromLatin1(Configuration::kSection), QStringLiteral("langinterface"),
                       QString::fromLatin1(kLanguages[shown].code));
  configuration_.config().langinterface = QString::fromLatin1(kLanguages[shown].code);
  const MachineConfig& c = configuration_.config();
  configuration_.SavePrintSettings({c.prn_font_name, c.prn_font_size.toInt() > 0 ? c.prn_font_size.toInt() : 8, c.prnBold,
                                    c.prnItalic, false, false, c.autorefresh});
}

const tPolling* Station::auxReader() const { return board_->aux.get(); }

void Station::Impostazione1Click() {
  guarded([this] {
    TInstallazione* w = windows_.installation;
    Tpasswd* p = windows_.password;
    if (!w || !p) return;
    if (!serviceLock_ &&
        env_.ui.message(tr("Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento "
                           "della macchina. Si vuole proseguire?"),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    p->passwd->clear();
    if (!serviceLock_) {
      if (env_.ui.exec(*p) != QDialog::Accepted) return;
      // Compared exactly and never logged; a wrong one opens nothing, without a word.
      const bool right = p->passwd->text() == configuration_.config().password_inst;
      p->passwd->clear();
      if (!right) return;
      serviceLock_ = true;
    }
    const BoardSnapshot board = snapshot();
    const bool threePasses = board.boardModel > 1;
    MachineConfig& c = configuration_.config();
    const InstallationForm shown =
        installation::fill(c, board.magnetOption >= 1, threePasses, w->form().magnetChoice);
    w->showForm(shown, installation::portEntries(PortMap::fromStore(env_.store).existingPorts(), shown.ports),
                threePasses);
    auto taken = std::make_shared<std::optional<installation::Taken>>();
    const auto takeForm = [this, w, board]() -> std::optional<installation::Taken> {
      auto r = installation::take(w->form(), configuration_.config(), board.magnetOption >= 1);
      if (const QString* error = std::get_if<QString>(&r)) {
        env_.ui.message(*error, ModalUi::Icon::Error);
        return std::nullopt;
      }
      return std::get<installation::Taken>(r);
    };
    w->SaveClick = [takeForm, taken] {
      *taken = takeForm();
      return taken->has_value();
    };
    if (reports_)
      w->PrintClick = [this, takeForm] {
        if (const auto t = takeForm()) reports_->printInstallation(reports_->installationSheet(t->config));
      };
    const bool saved = env_.ui.exec(*w) == QDialog::Accepted && taken->has_value();
    w->SaveClick = {};
    w->PrintClick = {};
    // The two "/3 Passi" entries belong to this opening only.
    w->showForm(w->form(), installation::portEntries(PortMap::fromStore(env_.store).existingPorts(), shown.ports), false);
    if (!saved) return;
    c = (*taken)->config;
    if (checkedLanguage_ >= 0) c.langinterface = QString::fromLatin1(kLanguages[checkedLanguage_].code);
    restartLinks((*taken)->magnetOption);
  });
}

void Station::restartLinks(bool magnetOption) {
  if (!configuration_.SaveConfiguration()) {
    // Told by the store; the station goes on with what is stored, not with what was not.
    ApplyConfiguration();
    return;
  }
  ApplyConfiguration();
  view_.setPanel(0, QString(), Qt::AlignLeft);
  view_.setPanel(1, QString(), Qt::AlignLeft);
  const MachineConfig c = configuration_.config();
  const PortMap ports = PortMap::fromStore(env_.store);
  const QString boardDevice = ports.devicePath(c.porta_com);
  const QString rejectDevice = ports.devicePath(c.porta_scarti);
  const QString auxDevice = ports.devicePath(c.porta_aux);
  const QString traceLog = env_.workDir.filePath(QStringLiteral("oscilloscopio.log"));
  auto failed = std::make_shared<QStringList>();
  onBoard(tr("Riavvio linee"), [this, c, boardDevice, rejectDevice, auxDevice, traceLog, magnetOption, failed](BoardSide& b) {
    // The old links go first, so their ports are free for the new ones.
    if (b.link) {
      b.link->Close();
      b.link.reset();
    }
    if (b.reject) {
      b.reject->stop();
      b.reject.reset();
    }
    if (b.aux) {
      b.aux->stop();
      b.aux.reset();
    }
    if (c.porta_com > 0 && c.porta_com < 99) {
      b.link = std::make_unique<cSelvik>(c.porta_com, b.state.oldBoard ? 9600 : 19200, boardDevice, env_.clock, env_.ui);
      b.link->setEventLog(&env_.log);
      b.link->setTraceLog(traceLog);
    }
    if (tTrevik::validPort(c.porta_scarti)) {
      b.reject = std::make_unique<tTrevik>(c.porta_scarti, rejectDevice, env_.clock, &env_.log);
      if (b.reject->start()) b.reject->request(tTrevik::P | tTrevik::M);
      if (!b.reject->results().lineOpen) *failed << tr("COM%1 (unità scarti)").arg(c.porta_scarti);
    }
    if (c.porta_aux > 0 && c.porta_aux <= 99) {
      b.aux = std::make_unique<tPolling>(c.porta_aux, auxDevice, &env_.log, env_.auxPassMs);
      if (!b.aux->start()) *failed << tr("COM%1 (lettore barcode)").arg(c.porta_aux);
    }
    // A board link whose port does not open stays, and is tried again at every poll, as at
    // start-up: the station goes on, and the lot in progress with it.
    if (b.link && !b.link->Open()) *failed << tr("COM%1 (centralina)").arg(c.porta_com);
    b.state.magnetOption = magnetOption ? 1 : 0;
    b.state.boardOn = false;
    b.state.boardIdentified = false;
    b.state.currentProgram = 9999;
    b.state.resetRequested = true;
    b.state.reinitRequest = true;
  }, [this, failed] {
    if (failed->isEmpty()) return;
    const QString ports = failed->join(QStringLiteral(", "));
    env_.log.append(QStringLiteral("installazione: porte non disponibili: %1\r\n").arg(ports));
    env_.ui.message(tr("Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad "
                       "aprirla.")
                        .arg(ports),
                    ModalUi::Icon::Error);
  });
}

void Station::Programma2Click() {
  guarded([this] {
    TParProg* w = windows_.parameters;
    if (!w) return;
    MachineConfig& c = configuration_.config();
    // A previous lot to be resumed would keep archiving on; the station never resumes one.
    w->showForm(programparameters::fill(c, false));
    // The refresh changes at once; the store does not keep it.
    w->onAutoRefresh = [this](int value) {
      configuration_.config().autorefresh = value;
      onBoard(tr("Rinfresco totali"), [value](BoardSide& b) {
        b.configuration.config().autorefresh = value;
        b.state.autoRefreshSetting = value;
      });
    };
    w->BrowseClick = [this, w] {
      ModalUi::FileRequest r;
      r.title = tr("Directory Esportazione AS400");
      r.initialFolder = w->direxp->text();
      r.filter = tr("text file (*.txt)");
      r.defaultSuffix = QStringLiteral(".txt");
      if (const auto file = env_.ui.saveFileName(r)) w->direxp->setText(programparameters::folderOf(*file));
    };
    const bool saved = env_.ui.exec(*w) == QDialog::Accepted;
    w->onAutoRefresh = {};
    w->BrowseClick = {};
    if (!saved) return;
    programparameters::take(w->form(), c);
    view_.setUnitCaptions(c.totaligrammi == 1);
    configuration_.SaveConfiguration();
    // Saving leaves the configuration line without its suffix; the board's copy keeps a
    // whole line and takes the new options (export folder, archiving, limits).
    if (!oldBoard_) configuration_.appendSuffix();
    handConfigurationToBoard();
    Totali1Click();
  });
}

void Station::ResetCentralina1Click() {
  guarded([this] {
    if (env_.ui.message(tr("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                        ModalUi::Icon::Information, ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
      return;
    env_.log.append(QStringLiteral("Reset da operatore\r\n"));
    // As after start-up: the board is heard again, configured, then reset.
    onBoard(tr("Reset centralina"), [](BoardSide& b) {
      b.state.boardOn = false;
      b.state.currentProgram = 9999;
      b.state.reinitRequest = true;
      b.state.resetRequested = true;
    });
  });
}

void Station::TabellaTara1Click() {
  guarded([this] {
    if (!windows_.tareTable) return;
    int cups = configuration_.config().numtazze;
    if (cups > machinetests::kMaxCups) {
      env_.ui.message(tr("La tabella tara mostra al più %1 tazze: numtazze è %2").arg(machinetests::kMaxCups).arg(cups),
                      ModalUi::Icon::Warning);
      cups = machinetests::kMaxCups;
    }
    cups = std::max(cups, 1);
    Ttabtara& w = *windows_.tareTable;
    w.prepare(cups);
    const QByteArray request = machinetests::tareTableRequest(cups);
    const auto read = [this, request, cups](bool service, std::function<void(bool)> done) {
      auto table = std::make_shared<std::optional<rcTestTaraTazza>>();
      onBoard(tr("Lettura tabella tara"), [request, cups, table, service](BoardSide& b) {
        if (service) b.state.serviceMode = RunState::kBusy;
        if (b.link && b.link->RequestTareTable(request, cups * cSelvik::kTarePerCup)) *table = b.link->GetTareTable();
        if (service) b.state.serviceMode = 0;
      }, [this, table, cups, done] {
        if (*table) {
          const rcTestTaraTazza t = **table;
          windows_.tareTable->fill([&t](int line, int cup) {
            return t.tare[(line - 1) * rcTestTaraTazza::kCupsPerLine + cup - 1];
          }, cups);
        }
        done(table->has_value());
      });
    };
    w.onRefresh = [read] { read(false, [](bool) {}); };
    // Only the first read, which puts the cycle in its busy mode, shows the transfer window.
    if (windows_.transfer) windows_.transfer->show();
    read(true, [this](bool ok) {
      if (windows_.transfer) windows_.transfer->hide();
      if (ok) env_.ui.exec(*windows_.tareTable);
    });
  });
}
