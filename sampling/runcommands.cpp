#include "sampling/runcommands.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <cmath>

#include "base/clock.h"
#include "base/modalui.h"
#include "base/text.h"
#include "config/configuration.h"
#include "link/cSelvik.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"
#include "sampling/runview.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("RunCommands", s); }
}  // namespace

RunCommands::RunCommands(RunContext context) : c_(std::move(context)) {}

bool RunCommands::boardOnOrTell() {
  if (c_.state.boardOn) return true;
  c_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
  return false;
}

void RunCommands::Programma1Click() {
  if (!boardOnOrTell()) return;
  c_.programs.RefreshProgramList();
  const QString saved = c_.list.windowTitle();
  c_.list.setWindowTitle(tr(" Caricamento Programma "));
  c_.list.clearChoice();
  if (c_.ui.exec(c_.list) == QDialog::Accepted && c_.list.chosenIndex() >= 0) {
    const QString code = c_.list.chosenCode();
    if (const auto n = text::strictInt(code.trimmed())) {
      const Programs::BoardLoad load = c_.programs.LoadProgramForBoard(*n, c_.state.lastBoardState);
      if (load.result != Programs::BoardLoad::Loaded) c_.ui.message(load.message, ModalUi::Icon::Error);
    } else {
      c_.ui.message(tr("'%1' non è un codice di programma valido").arg(code), ModalUi::Icon::Error);
    }
  }
  c_.list.setWindowTitle(saved);
}

void RunCommands::ModificaPU1Click() {
  const int n = c_.state.currentProgram;
  // After an identification the number is 999 (9999 before any): there is no program yet.
  if (n < 1 || n > 99) {
    c_.ui.message(tr("Non c'è un programma corrente da modificare."), ModalUi::Icon::Information);
    return;
  }
  const QString code = program::code(n);
  if (!c_.programs.ShowProgramInEditor(code)) {
    c_.ui.message(tr("Il programma %1 non è presente nell'archivio.").arg(code), ModalUi::Icon::Error);
    return;
  }
  const QString saved = c_.editor.windowTitle();
  c_.editor.setWindowTitle(tr("Modifica programma N. ") + QString::number(n));
  c_.editor.setSaveAction([this, code] { return c_.programs.StoreProgram(code); });
  const bool stored = c_.ui.exec(c_.editor) == QDialog::Accepted && c_.editor.saved();
  c_.editor.setSaveAction({});
  c_.editor.setWindowTitle(saved);
  // The main cycle went on while the editor was open: the board may run another program
  // by now. The edit reaches the board only when it is still the board's program; the
  // main window shows whatever the board runs.
  const int now = c_.state.currentProgram;
  if (stored && now == n) {
    if (const auto error = c_.programs.SendEditedProgram(n, c_.state.lastBoardState))
      c_.ui.message(*error, ModalUi::Icon::Error);
  } else if (now != n) {
    c_.programs.ShowCurrentProgram(now);
  }
}

void RunCommands::Start1Click() {
  c_.ui.beep();
  if (c_.ui.message(tr("I totali verranno azzerati, vuoi continuare ?"), ModalUi::Icon::Question,
                    ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
    return;
  zeroBoardTotals("V", kZeroPause, kZeroPause);
}

void RunCommands::StartClickMemo() {
  c_.ui.beep();
  zeroBoardTotals("v", kMemoZeroBefore, kMemoZeroAfter);
}

void RunCommands::zeroBoardTotals(const QByteArray& letter, int pauseBefore, int pauseAfter) {
  if (!boardOnOrTell()) return;
  c_.view.setBusy(true);
  c_.state.serviceMode = RunState::kBusy;
  c_.clock.waitUnits(pauseBefore);
  if (cSelvik* link = c_.link()) link->SendCommand(letter, "1");
  c_.clock.waitUnits(pauseAfter);
  c_.state.serviceMode = 0;
  c_.view.setBusy(false);
  TotaliClick();
  // The hourly production measures from the zeroed board.
  c_.state.productionStart = RunState::minutesSinceOrigin(c_.clock.now());
  c_.state.productionBaseline = 1;
}

void RunCommands::TotaliClick() { readTotals(false); }

void RunCommands::TotaliClickMemo() { readTotals(true); }

void RunCommands::readTotals(bool memorised) {
  if (!boardOnOrTell()) return;
  cSelvik* link = c_.link();
  if (!link) return;
  c_.view.setBusy(true);
  const MachineConfig& config = c_.configuration.config();
  c_.state.serviceMode = RunState::kBusy;
  // The lines are gathered apart and take the place of the shown totals only when the
  // read is whole: a reply without its layout leaves the previous totals as they were.
  RunningTotals read = c_.totals;
  bool line1 = false;
  bool line4 = false;
  bool bad = false;
  for (int l = 1; l <= machine::kWeighingLines && !bad; ++l) {
    const QByteArray code = "2" + QByteArray::number(l - 1);
    const bool answered = memorised ? link->RequestMemorisedTotals(code, cSelvik::kLongTimeout)
                                    : link->RequestTotals(code, cSelvik::kLongTimeout);
    if (!answered) {
      bad = link->lastReplyBad();
      continue;
    }
    if (l == 1) {
      line1 = true;
      read.clearClasses();
    }
    if (!line1) continue;
    if (l == 4) line4 = true;
    const int q = config.qualitaL[l - 1] + 1;
    if (q < 1 || q > machine::kQualities) continue;  // the reject line has no classes
    const rcRichiestaTotali t = memorised ? link->GetMemorisedTotals() : link->GetTotals();
    const qint64 m = config.xmoltiply > 0 ? config.xmoltiply : 1;
    for (int c = 1; c <= machine::kClasses; ++c) read.t(q, c) += t.classValue[c - 1].trimmed().toLongLong() * m;
  }
  if (line1 && line4 && !bad) {
    c_.totals = read;
    c_.totals.sum();
    c_.totals.ShowTotals(c_.view, config.totaligrammi == 1);
    c_.totals.StoreLotInProgress(c_.data, c_.view, c_.ui, &c_.log);
  }
  c_.state.serviceMode = 0;
  c_.view.setBusy(false);
  hourlyProduction();
}

QString RunCommands::productionText(qint64 quintals) {
  return tr("Produzione oraria = ") + QString::number(quintals).rightJustified(4) + QStringLiteral(" ql/h");
}

void RunCommands::hourlyProduction() {
  RunState& s = c_.state;
  if (s.productionBaseline == 0) s.productionBaseline = c_.totals.G;
  const qint64 current = c_.totals.G;
  const double now = RunState::minutesSinceOrigin(c_.clock.now());
  const double minutes = now - s.productionStart;
  qint64 p = 0;
  if (minutes > 0 && s.productionBaseline < current) {
    const double quintals = static_cast<double>(current - s.productionBaseline) / (minutes / 60.0) / 100000.0;
    p = static_cast<qint64>(std::nearbyint(quintals));
  }
  c_.view.setText(QStringLiteral("Production"), productionText(p));
}
