#include "export/endoflot.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

#include "base/clock.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "config/configuration.h"
#include "db/databaseacc.h"
#include "export/expfildata.h"
#include "link/cSelvik.h"
#include "lots/lotarchive.h"
#include "programs/programbuffer.h"
#include "reject/thread_Trevik.h"
#include "sampling/runcommands.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"
#include "sampling/runview.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("EndOfLot", s); }
}  // namespace

EndOfLot::EndOfLot(Deps deps) : d_(std::move(deps)) {}

bool EndOfLot::limitsExceeded(const std::array<double, 4>& p, const std::array<int, 4>& limits) {
  // The exact percentage against the whole limit: equal is within it.
  for (int i = 0; i < 4; ++i)
    if (p[i] > static_cast<double>(limits[i])) return true;
  return false;
}

QString EndOfLot::exportBaseName(const QDateTime& when) { return when.toString(QStringLiteral("ddHHmmss")); }

void EndOfLot::setTimerInterval(qint64 ms) {
  if (ms == intervalMs_) return;
  intervalMs_ = ms;
  // A new interval while the timer runs starts its delay again.
  if (armed_) armedAtUs_ = d_.clock.monotonicUs();
}

void EndOfLot::arm() {
  if (tTrevik* unit = d_.reject(); unit && unit->running()) unit->request(tTrevik::V);
  if (armed_) return;  // armed again: the delay under way goes on
  armed_ = true;
  armedAtUs_ = d_.clock.monotonicUs();
}

void EndOfLot::tick() {
  RunState& s = d_.state;
  if (s.reject.endOfLotDelayMs > 0) setTimerInterval(s.reject.endOfLotDelayMs);
  if (s.endOfLotRequest) {
    s.endOfLotRequest = false;
    automaticEnd_ = true;
    arm();
  }
  if (armed_ && d_.clock.monotonicUs() - armedAtUs_ >= intervalMs_ * 1000) {
    armed_ = false;
    ChiusuraBolla();
  }
}

void EndOfLot::Partita1Click() {
  if (d_.configuration.config().fine_part_auto == 0) d_.state.endOfLotRequest = true;
  else arm();
}

void EndOfLot::setAlarm(bool on) {
  if (cSelvik* link = d_.link()) link->qualityAlarm = on;
  d_.view.setVisible(QStringLiteral("Image2"), on);
  d_.view.setEnabled(QStringLiteral("Image2"), on);
}

void EndOfLot::ChiusuraBolla() {
  if (running_) return;
  running_ = true;
  const auto done = qScopeGuard([this] { running_ = false; });
  RunState& s = d_.state;
  if (!s.boardOn) {
    d_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
    return;
  }
  d_.view.setText(QStringLiteral("LavorPrec"), QString());
  // The final totals: memorised by the board at the end of the lot, or running (F9).
  if (automaticEnd_) d_.commands.TotaliClickMemo();
  else d_.commands.TotaliClick();
  setAlarm(limitsExceeded(d_.totals.qualityPercentages, d_.configuration.config().limpercq));
  if (s.currentProgram < 1 || s.currentProgram > 99) {
    s.resuming = false;
    s.resumeLot = 0;
    return;
  }
  if (!closeLot()) return;
  if (s.clearAfterEnd) {
    s.resuming = false;
    s.resumeLot = 0;
    d_.window.clearLotData();
    if (automaticEnd_) {
      d_.commands.StartClickMemo();
    } else {
      d_.ui.beep();
      if (d_.ui.message(RunCommands::zeroQuestion(), ModalUi::Icon::Question, ModalUi::Buttons::YesNo) ==
          ModalUi::Answer::Yes)
        d_.commands.ZeroRunningTotals();
    }
  }
  automaticEnd_ = false;
}

bool EndOfLot::closeLot() {
  const MachineConfig& c = d_.configuration.config();
  if (c.archiviazione == 1) {
    // A lot stored by a close whose export failed is exported now, not stored twice.
    if (!pendingExport_) {
      const std::optional<int> n = storeLot();
      if (!n) return false;  // refused with the archive's message: the board keeps its totals
      pendingExport_ = n;
      counter_ = d_.archive.countLots().value_or(counter_ + 1);
    }
    if (!exportLot(*pendingExport_)) return false;
    pendingExport_.reset();
  }
  if (counter_ < 0) counter_ = d_.archive.countLots().value_or(0);
  if (c.stampa == 1) {
    const QString command = QStringLiteral("P%1").arg(counter_);
    QString error;
    if (d_.window.sendPrintCommand(command, &error)) {
      d_.log.append(QStringLiteral("send print server cmd =") + command + QStringLiteral("\r\n"));
    } else {
      d_.log.append(QStringLiteral("print server: comando %1 non inviato (%2)\r\n").arg(command, error));
      d_.view.setPanel(2, tr("Stampa non inviata"), Qt::AlignRight);
    }
  }
  return true;
}

std::optional<int> EndOfLot::storeLot() {
  const RunState& s = d_.state;
  const LotData data = d_.window.lotData();
  LotRecord r;
  r.programma = program::code(s.currentProgram);
  const QDateTime now = d_.clock.now();
  r.date = now.date();
  r.time = QTime(now.time().hour(), now.time().minute(), now.time().second());
  // The grams the board counted, exactly; the lot's own data as the operator typed them.
  for (int q = 1; q <= LotRecord::kQualities; ++q)
    for (int cl = 1; cl <= LotRecord::kClasses; ++cl) r.t(cl, q) = QString::number(d_.totals.T[q - 1][cl - 1]);
  r.totq5 = QString::number(d_.totals.R);
  r.bolla = data.numero;
  r.totpartita = data.totPartita;
  r.produttore = data.codice;
  r.producerName = data.descrizione;
  r.note = data.note;
  r.codicebarre = d_.window.firstBarcode();
  const std::optional<int> n = d_.archive.storeLot(0, r, LotArchive::StoreMode::New);
  if (!n) return std::nullopt;
  // The barcode belongs to the stored lot; the rest of the queue waits for the next ones.
  if (!r.codicebarre.isEmpty()) d_.window.dropFirstBarcode();
  return n;
}

bool EndOfLot::exportLot(int n) {
  const std::optional<QString> folder = d_.lotExport.folder();
  if (!folder) return false;
  const QString base = QDir(*folder).filePath(exportBaseName(d_.clock.now()));
  const QString partial = base + QStringLiteral(".t"), final = base + QStringLiteral(".txt");
  // The lot just stored, looked up by its number.
  if (!d_.lotExport.write(partial, QStringLiteral("num = ?"), {n})) return false;
  if (QFileInfo::exists(final) || !QFile::rename(partial, final)) {
    // Neither file is overwritten: the host keeps the one it has, the new line waits.
    const QString why = tr("Il file %1 esiste già: la bolla %2 è esportata in %3").arg(
        QDir::toNativeSeparators(final)).arg(n).arg(QDir::toNativeSeparators(partial));
    d_.log.append(why + QStringLiteral("\r\n"));
    d_.ui.message(why, ModalUi::Icon::Warning);
  }
  return true;
}
