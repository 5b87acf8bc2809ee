#include "sampling/runcommands.h"

#include <QCoreApplication>
#include <cmath>

#include "base/clock.h"
#include "base/modalui.h"
#include "base/text.h"
#include "config/configuration.h"
#include "link/cSelvik.h"
#include "programs/programs.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"
#include "sampling/runview.h"
#include "reject/thread_Trevik.h"
#include "base/eventlog.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("RunCommands", s); }
}  // namespace

RunCommands::RunCommands(RunContext context) : c_(std::move(context)) {}

bool RunCommands::boardOnOrTell() {
  if (c_.state.boardOn) return true;
  c_.ui.message(tr("La centralina è spenta, accenderla per favore!"), ModalUi::Icon::Error);
  return false;
}

QString RunCommands::zeroQuestion() { return tr("I totali verranno azzerati, vuoi continuare ?"); }

void RunCommands::ZeroRunningTotals() { zeroBoardTotals("V", kZeroPause, kZeroPause); }

void RunCommands::StartClickMemo() {
  c_.ui.beep();
  zeroBoardTotals("v", kMemoZeroBefore, kMemoZeroAfter);
}

void RunCommands::zeroReject() {
  tTrevik* unit = c_.reject();
  if (!unit || !unit->running()) return;
  unit->request(tTrevik::Z);
  // The new lot starts without reject: a weight from before the zeroing never enters it.
  c_.totals.R = 0;
}

void RunCommands::readRejectWeight(bool memorised) {
  tTrevik* unit = c_.reject();
  if (!unit || !unit->running()) return;
  std::optional<qint64> weight;
  if (memorised) {
    weight = reject::readWeight(*unit, kRejectAttempts, Clock::unitsToUs(kRejectMemoWait));
  } else {
    // Two series of attempts, each after a pause; the later answer is the one taken.
    for (int series = 0; series < 2; ++series) {
      c_.clock.waitUnits(kRejectPause);
      if (const auto w = reject::readWeight(*unit, kRejectAttempts, Clock::unitsToUs(kRejectWait))) weight = w;
    }
  }
  if (weight) {
    c_.totals.R = *weight;
    return;
  }
  // The last weight stays: the reject is not made 0 because the unit did not answer.
  c_.view.setPanel(4, reject::errorText(), Qt::AlignLeft);
  c_.log.append(QStringLiteral("scarti: peso non letto, resta l'ultimo (%1 g)\r\n").arg(c_.totals.R));
}

void RunCommands::zeroBoardTotals(const QByteArray& letter, int pauseBefore, int pauseAfter) {
  if (!boardOnOrTell()) return;
  zeroReject();
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
  readRejectWeight(memorised);
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
  s.productionText = productionText(p);
  c_.view.setText(QStringLiteral("Production"), s.productionText);
  crewCost();
}

QString RunCommands::costText(qint64 costLire, std::optional<double> perKgEur) {
  const auto eur = [](double v, int decimals) {
    return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), text::decimalSeparator());
  };
  QString t = tr("Costo: %1 EUR").arg(eur(static_cast<double>(costLire) / RunState::kLirePerEur, 2));
  if (perKgEur) t += tr("  -  %1 EUR/Kg").arg(eur(*perKgEur, 3));
  return t;
}

void RunCommands::crewCost() {
  RunState& s = c_.state;
  // Without a crew cost there is nothing to show. (The cost so far is not what decides
  // it: right after a zero it is 0, and the cost would never be shown again.)
  if (s.costPerMinute <= 0) {
    s.costText.clear();
    c_.view.setText(QStringLiteral("Costo"), QString());
    return;
  }
  const double now = RunState::minutesSinceOrigin(c_.clock.now());
  s.costSoFar = static_cast<qint64>(std::nearbyint((now - s.productionStart) * static_cast<double>(s.costPerMinute)));
  const qint64 current = c_.totals.G;
  std::optional<double> perKg;
  if (s.productionBaseline < current) {
    s.costPerKgLire = static_cast<double>(s.costSoFar) / (static_cast<double>(current - s.productionBaseline) / 1000.0);
    s.costPerKgEur = s.costPerKgLire / RunState::kLirePerEur;
    perKg = s.costPerKgEur;
  }
  s.costText = costText(s.costSoFar, perKg);
  c_.view.setText(QStringLiteral("Costo"), s.costText);
}
