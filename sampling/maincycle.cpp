#include "sampling/maincycle.h"

#include "reject/thread_Trevik.h"

#include <QCoreApplication>
#include <QStringList>

#include "base/eventlog.h"
#include "base/text.h"
#include "config/configuration.h"
#include "link/cSelvik.h"
#include "programs/programs.h"
#include "sampling/runcommands.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"
#include "sampling/runview.h"

namespace {

QString tr(const char* s) { return QCoreApplication::translate("MainCycle", s); }


// A busy cursor for as long as the station waits for the board.
struct Busy {
  RunView& view;
  explicit Busy(RunView& v) : view(v) { view.setBusy(true); }
  ~Busy() { view.setBusy(false); }
};

}  // namespace

MainCycle::MainCycle(RunContext context, RunCommands& commands) : c_(std::move(context)), commands_(commands) {}

QString MainCycle::cadenceText(const QString& cadence) {
  return cadence.mid(0, 2) + QLatin1Char(',') + cadence.mid(2, 1) + QStringLiteral("tz/s");
}

void MainCycle::Timer1Timer() {
  RunState& s = c_.state;
  // The menus follow the board; they are touched only when it comes on or goes off.
  if (!menusEnabled_ || *menusEnabled_ != s.boardOn) {
    c_.view.setEnabled(QStringLiteral("Lavorazione"), s.boardOn);
    c_.view.setEnabled(QStringLiteral("Assistenza1"), s.boardOn);
    menusEnabled_ = s.boardOn;
  }
  if (!s.boardOn) s.boardIdentified = false;

  if (cSelvik* link = c_.link()) {
    bool transferStep = false;
    if (s.calibrationRequest && link->SendCalibrationFactors(s.calibrationFactors)) s.calibrationRequest = false;
    ProgramTransfer& transfer = c_.programs.transfer;
    if (transfer.running) {
      Busy busy(c_.view);
      if (transfer.TransferStep(*link) || transfer.failedLine.isEmpty()) {
        c_.view.setPanel(2, QStringLiteral("Trasf. =") + text::fixedRight(transfer.percent(), 3) + QStringLiteral(" %"),
                         Qt::AlignRight);
      } else {
        // The board did not take a line: it must not grade with a half program.
        c_.view.setPanel(2, tr("Trasf. interrotto (%1 %)").arg(transfer.percent()), Qt::AlignRight);
        c_.log.append(QStringLiteral("trasferimento programma interrotto: riga non accettata ") +
                      text::visible(transfer.failedLine) + QStringLiteral("\r\n"));
      }
      transferStep = true;
    }
    if (!transferStep) {
      if (s.serviceMode == 0) statusPoll();
      if (hooks.serviceDisplayStep && s.serviceMode != 0 && s.serviceMode != RunState::kBusy)
        hooks.serviceDisplayStep(s.serviceMode);
    }
    if (hooks.endOfLot) hooks.endOfLot();
  }
  if (hooks.barcodeLine) hooks.barcodeLine();
  superviseReject();
}

QString MainCycle::offText() { return QCoreApplication::translate("MainCycle", "0 - Centralina off "); }

void MainCycle::superviseReject() {
  tTrevik* unit = c_.reject();
  if (!unit || !unit->running()) return;
  const reject::Supervision seen = reject::supervise(*unit, c_.state.reject);
  // The reject total follows every new weight the unit gives.
  if (seen.weight) c_.totals.R = *seen.weight;
  if (seen.panel) c_.view.setPanel(4, *seen.panel, Qt::AlignLeft);
}

void MainCycle::statusPoll() {
  RunState& s = c_.state;
  if (s.pollCounter < kPollEvery) {
    ++s.pollCounter;
    return;
  }
  s.pollCounter = 1;
  cSelvik* link = c_.link();
  if (!link) return;

  if (!link->RequestStatus(cSelvik::kShortTimeout)) {
    c_.view.setPanel(3, MainCycle::offText(), Qt::AlignRight);
    s.boardOn = false;
    return;
  }
  s.boardOn = true;
  s.status = link->GetStatus();
  const rcStateMachine& st = s.status;

  if (!st.fc[0].isEmpty()) {
    c_.log.append(QStringLiteral("ALBERO - ") + text::visible(st.cup) + QStringLiteral("\r\n"));
    QStringList fc;
    for (const QString& f : st.fc) fc << text::visible(f);
    c_.log.append(QStringLiteral("FC - ") + fc.join(QLatin1Char('/')) + QStringLiteral("\r\n"));
  }
  c_.view.setPanelAlignment(3, Qt::AlignLeft);

  if (!s.boardIdentified) identify();

  const QChar state = st.state.isEmpty() ? QChar() : st.state.at(0);
  if (state >= QLatin1Char('0') && state <= QLatin1Char('3')) {
    c_.view.setPanel(3, cSelvik::stateText(state), Qt::AlignLeft);
    c_.view.setVisible(QStringLiteral("Label53"), true);
  } else if (state == QLatin1Char('4')) {
    c_.view.setPanel(3, cSelvik::stateText(state), Qt::AlignLeft);
    s.state5Latch = false;
    workingChecks();
  } else if (state == QLatin1Char('5')) {
    if (!s.state5Latch) {
      s.state5Latch = true;
      if (c_.configuration.config().fine_part_auto > 0) s.endOfLotRequest = true;
    }
    c_.view.setPanel(3, cSelvik::stateText(state), Qt::AlignLeft);
    workingChecks();
  }

  if (!state.isNull()) s.lastBoardState = state.unicode() - '0';

  c_.view.setPanel(1, cadenceText(st.cadence), Qt::AlignLeft);
  c_.view.setText(QStringLiteral("tazzebad"), st.wrongCups);
  c_.view.setText(QStringLiteral("numtazza"), st.cup.left(3));

  if (const auto p = text::strictInt(st.program); p && *p != s.currentProgram) {
    s.currentProgram = *p;
    c_.programs.ShowCurrentProgram(*p);
    if (*p < 1) c_.totals.zero();  // no program: the running totals start from zero
    commands_.Totali1Click();
    c_.log.append(QStringLiteral("update program  vis ") + QString::number(*p) + QStringLiteral("\r\n"));
  }

  if (state == QLatin1Char('0') || s.reinitRequest) initialise();
}

void MainCycle::workingChecks() {
  RunState& s = c_.state;
  const int p = text::strictInt(s.status.program).value_or(99);
  if (p > 0 && p < 99) c_.view.setVisible(QStringLiteral("Label53"), false);

  // The program of the interrupted lot goes back into a board that has none, whenever the
  // archive holds it (whatever the number of programs); one it does not hold, or one that
  // does not fit the board, is forgotten and never sent.
  if (p == 0 && s.rememberedProgram > 0) {
    s.serviceMode = RunState::kBusy;
    const Programs::BoardLoad load = c_.programs.LoadProgramForBoard(s.rememberedProgram, s.lastBoardState);
    s.serviceMode = 0;
    if (load.result == Programs::BoardLoad::Loaded) {
      c_.log.append(QStringLiteral("reload prog (") + QString::number(s.rememberedProgram) + QStringLiteral(")\r\n"));
    } else {
      c_.log.append(QStringLiteral("reload prog (") + QString::number(s.rememberedProgram) +
                    QStringLiteral(") non eseguito: ") + load.message + QStringLiteral("\r\n"));
      s.rememberedProgram = 0;
    }
  }

  if (s.autoRefreshCountdown > 0) {
    --s.autoRefreshCountdown;
  } else {
    s.autoRefreshCountdown = s.autoRefreshSetting * 44;
    if (s.autoRefreshSetting > 0) commands_.Totali1Click();
  }
}

void MainCycle::identify() {
  RunState& s = c_.state;
  cSelvik* link = c_.link();
  const MachineConfig& config = c_.configuration.config();
  Busy busy(c_.view);
  if (link->RequestIdentity(cSelvik::kShortTimeout)) {
    s.currentProgram = 999;
    s.boardIdentified = true;
    s.boardModelText = QStringLiteral("old board");
    const QString identity = link->GetIdentity();
    QString caption = c_.state.baseCaption;
    if (!identity.isEmpty()) {
      s.boardModelText = identity;
      caption = s.baseCaption + QStringLiteral(" / ") + s.boardModelText;
      c_.view.setCaption(caption);
    }
    if (link->RequestModel(cSelvik::kShortTimeout)) {
      s.boardModel = link->GetModel();
      c_.view.setCaption(caption + cSelvik::modelSuffix(s.boardModel));
    } else {
      s.boardModel = 0;
    }
  }
  const auto hideCupFields = [this] {
    c_.view.setVisible(QStringLiteral("Label55"), false);
    c_.view.setVisible(QStringLiteral("numtazza"), false);
    c_.view.setVisible(QStringLiteral("tazzebad"), false);
  };
  switch (s.boardModel) {
    case 0:
      c_.view.setEnabled(QStringLiteral("TabellaTara1"), false);
      hideCupFields();
      break;
    case 1:
      link->SendMachineParameters(config.delay_tara, 0, 94, 0);
      c_.view.setEnabled(QStringLiteral("TabellaTara1"), false);
      hideCupFields();
      break;
    case 2:
    case 3:
    case 4:
      c_.view.setEnabled(QStringLiteral("TabellaTara1"), !s.oldBoard);
      c_.view.setVisible(QStringLiteral("numtazza"), true);
      link->SendMachineParameters(config.delay_tara, config.distanza_fc, config.point_gest, config.ritfc);
      if (link->HasIdentity() && link->ReadEncoderDirection(cSelvik::kShortTimeout)) {
        const int direction = link->GetEncoderDirection();
        c_.view.setPanel(2, direction == 1 ? QStringLiteral("set Encoder orario") : QStringLiteral("set Encoder antiorario"),
                         Qt::AlignRight);
        // The board gets the direction the installation chose, never its own one back.
        if (direction != (config.rotdirectionRight ? 1 : 0))
          link->SetEncoderDirection(config.rotdirectionRight, cSelvik::kShortTimeout);
      }
      break;
    default:
      break;
  }
}

void MainCycle::initialise() {
  RunState& s = c_.state;
  cSelvik* link = c_.link();
  const MachineConfig& config = c_.configuration.config();
  Busy busy(c_.view);
  if (s.boardModel > 0)
    link->SendMachineParameters(config.delay_tara, config.distanza_fc, config.point_gest, config.ritfc);
  if (s.boardModel > 1) link->SendMagnetOption(s.magnetOption >= 1 ? 1 : 0);
  link->SendCommand("C", c_.configuration.configurationLine().toLatin1());
  s.reinitRequest = false;
  if (link->HasIdentity()) link->SetEncoderDirection(config.rotdirectionRight, cSelvik::kShortTimeout);
  if (s.resetRequested) {
    link->SendCommand("Z", "");
    s.resetRequested = false;
  }
  c_.totals.ShowTotals(c_.view, config.totaligrammi == 1);
  c_.log.append(QStringLiteral("init Dravo board\r\n"));
}
