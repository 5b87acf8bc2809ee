#include "app/station.h"

#include <QCoreApplication>
#include <QDialog>

#include "app/stationview.h"
#include "base/clock.h"
#include "base/eventlog.h"
#include "base/jpeg.h"
#include "base/modalui.h"
#include "config/settingsstore.h"
#include "db/databaseacc.h"
#include "export/backup.h"
#include "link/cSelvik.h"
#include "link/portmap.h"
#include "programs/programcommands.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
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
    } else if (a == QLatin1String("--database-role")) {
      options.databaseRole = true;
    } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      options.help = true;
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
      "  --create-database  crea le tabelle mancanti nel database dell'alias tavikdata\n"
      "                 (sezione \"databases\" delle impostazioni; senza, il file SQLite\n"
      "                 tavikdata.sqlite della cartella di lavoro) ed esce\n"
      "  --database-role  scrive l'istruzione SQL che crea su un server PostgreSQL l'utente con\n"
      "                 cui la stazione accede all'archivio (da passare a psql) ed esce\n"
      "La cartella di lavoro e' la cartella corrente.\n");
}

QString station::helpFile(const QDir& workDir) { return workDir.filePath(QStringLiteral("help/Tavik.hlp")); }

namespace {
QString tr(const char* s) { return QCoreApplication::translate("Station", s); }
}  // namespace

Station::Station(StationEnvironment& env, StationView& view, TNewProgram& editor, TListaProgrammi& list)
    : env_(env),
      view_(view),
      editor_(editor),
      list_(list),
      configuration_(env.store, env.workDir, env.ui),
      backup_(std::make_unique<ConfigBackup>(env.store, env.ui)),
      portSelectorItems_({QStringLiteral("non abilitata"), QStringLiteral("COM1"), QStringLiteral("COM2"),
                          QStringLiteral("COM3"), QStringLiteral("COM4")}) {
  // The archive's connection opens with the first table a command opens.
  data_ = std::make_unique<TDataModule1>(TDatabase::resolve(env.store, env.workDir), env.ui);
  programs_ = std::make_unique<Programs>(*data_, editor_, list_, configuration_.config(), env.ui);
  programs_->setDisplay(&view_);
  programs_->setEventLog(&env.log);
  programCommands_ = std::make_unique<ProgramCommands>(*programs_, editor_, list_, env.ui);
  runCommands_ = std::make_unique<RunCommands>(runContext());
  mainCycle_ = std::make_unique<MainCycle>(runContext(), *runCommands_);
}

Station::~Station() = default;

RunContext Station::runContext() {
  return RunContext{state_,  totals_, configuration_, *data_, *programs_, editor_, list_,
                    [this] { return link_.get(); }, env_.clock, env_.ui, env_.log, view_};
}

template <typename F>
void Station::guarded(F&& work) {
  if (closed_) return;
  ++busy_;
  work();
  if (--busy_ == 0 && closePending_) {
    closePending_ = false;
    view_.closeWhenIdle();
  }
}

void Station::tick() {
  if (inTick_ || closed_) return;
  inTick_ = true;
  guarded([this] { mainCycle_->Timer1Timer(); });
  inTick_ = false;
}

void Station::FormShow() {
  EventLog& log = env_.log;
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
  state_.autoRefreshSetting = 0;
  state_.autoRefreshCountdown = 0;

  state_.oldBoard = StationOptions::parse(env_.arguments).oldBoard;

  state_.baseCaption = view_.caption();
  state_.boardModelText = QStringLiteral("-----");
  log.append(QStringLiteral("start Pilto\r\n"));

  ApplyConfiguration();

  state_.reset(env_.clock.now());

  view_.showCustomerLogo(loadJpegOrBmp(env_.workDir.path(), QStringLiteral("customer")));

  view_.clearTotalsDisplays();
  view_.setUnitCaptions(configuration_.config().totaligrammi == 1);

  view_.setVisible(QStringLiteral("Production"), false);
  view_.setText(QStringLiteral("Production"), QString());
  view_.setText(QStringLiteral("LavorPrec"), QString());

  const MachineConfig& c = configuration_.config();
  if (c.porta_com < 99) {
    link_ = std::make_unique<cSelvik>(c.porta_com, state_.oldBoard ? 9600 : 19200,
                                      PortMap::fromStore(env_.store).devicePath(c.porta_com), env_.clock,
                                      env_.ui);
    link_->setEventLog(&env_.log);
  }

  // Whether the port opens or not, the board counts as off until it answers a status poll;
  // a port that did not open is logged with its cause and tried again at every poll.
  if (link_) {
    link_->qualityAlarm = false;
    link_->Open();
  }
  view_.setPanel(3, QStringLiteral("0 - Centralina off "), Qt::AlignRight);

  // An archive that cannot be reached is told once, with its cause, and not again by every
  // list the show sequence fills.
  const bool archive = data_->Database1.Connect();
  if (archive) programs_->RefreshProgramList();

  view_.setText(QStringLiteral("Costo"), QString());

  // The lot in progress left by the previous run: its program is reloaded into a board
  // that reports none. "Bolla temporanea non presente!" only when the archive was read
  // and holds no lot.
  if (archive && lotHeader_.ReadLotHeader(*data_, &state_.rememberedProgram) == LotHeader::Read::Empty)
    env_.ui.message(tr("Bolla temporanea non presente!"), ModalUi::Icon::Information);

  state_.productionStart = RunState::minutesSinceOrigin(env_.clock.now());
  state_.productionBaseline = 0;

  view_.focusLotNumber();
}

bool Station::FormClose() {
  if (closed_) return true;
  if (busy_ > 0) {
    // A modal box of a tick or command is open: the work it belongs to still holds the
    // link. Close once it has finished.
    closePending_ = true;
    return false;
  }
  closed_ = true;
  view_.setPanel(3, QStringLiteral("0 - Centralina off "), Qt::AlignRight);
  env_.log.append(QStringLiteral("Stop Pilto\r\n"));
  if (link_) {
    link_->Close();
    link_.reset();
  }
  return true;
}

void Station::ApplyConfiguration() {
  if (!configuration_.LoadConfiguration()) return;
  const MachineConfig& c = configuration_.config();
  state_.autoRefreshSetting = c.autorefresh;
  editor_.setMultiplier(c.xmoltiply);
  view_.setVisible(QStringLiteral("Label55"), c.v_tazzebad);
  view_.setVisible(QStringLiteral("tazzebad"), c.v_tazzebad);
  if (!state_.oldBoard) configuration_.appendSuffix();
}

void Station::FormKeyDown(int key) {
  const bool on = state_.boardOn;
  switch (key) {
    case Qt::Key_F1: Totali1Click(); break;
    case Qt::Key_F2: if (on) Programma1Click(); break;
    case Qt::Key_F6: if (on) ModificaPU1Click(); break;
    case Qt::Key_F8: if (on) Start1Click(); break;
    default: break;
  }
}

void Station::Programma1Click() { guarded([this] { runCommands_->Programma1Click(); }); }
void Station::ModificaPU1Click() { guarded([this] { runCommands_->ModificaPU1Click(); }); }
void Station::Start1Click() { guarded([this] { runCommands_->Start1Click(); }); }
void Station::Totali1Click() { guarded([this] { runCommands_->TotaliClick(); }); }

void Station::Modifica1Click() {
  guarded([this] { programCommands_->Modifica1Click(state_.currentProgram, state_.lastBoardState); });
}
void Station::Nuovo1Click() { guarded([this] { programCommands_->Nuovo1Click(); }); }
void Station::Cancella1Click() { guarded([this] { programCommands_->Cancella1Click(state_.currentProgram); }); }
void Station::Controldbase1Click() { guarded([this] { programCommands_->Controldbase1Click(); }); }
void Station::SalvasuFloppy1Click() { guarded([this] { backup_->backup(); }); }

void Station::RipristinadaFloppy1Click() {
  guarded([this] {
    if (backup_->restore()) ApplyConfiguration();
  });
}
