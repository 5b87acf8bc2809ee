#include "programs/programs.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "base/modalui.h"
#include "base/text.h"
#include "config/machineconfig.h"
#include "db/databaseacc.h"
#include "link/cSelvik.h"
#include "programs/tnewprogram.h"

namespace {

QString tr(const char* s) { return QCoreApplication::translate("Programs", s); }

QString column(const char* prefix, int i, int q) { return QStringLiteral("%1%2q%3").arg(QLatin1String(prefix)).arg(i).arg(q); }

QByteArray digitsOnly(QString s) { return s.replace(QLatin1Char(' '), QLatin1Char('0')).toLatin1(); }

constexpr int kMaxPrograms = 999;

}  // namespace

Programs::Programs(TDataModule1& data, TNewProgram& editor, TListaProgrammi& list, const MachineConfig& config,
                   ModalUi& ui)
    : data_(data), editor_(editor), listWindow_(list), config_(config), ui_(ui) {
  editor_.bind(editing);
}

bool Programs::LoadProgram(const QString& code) {
  TTable& t = data_.Table1;
  if (!t.Open()) return false;
  const bool found = t.FindKey(code);
  if (found) {
    buffer.description = t.FieldByName(QStringLiteral("descrizione")).AsString();
    buffer.code = t.FieldByName(QStringLiteral("codiceprog")).AsString();
    for (int q = 1; q <= ProgramBuffer::kQualities; ++q) {
      for (int c = 1; c <= ProgramBuffer::kClasses; ++c)
        buffer.name(c, q) = t.FieldByName(column("nomecal", c, q)).AsString();
      for (int b = 1; b <= ProgramBuffer::kBoundaries; ++b)
        buffer.boundary(b, q) = t.FieldByName(column("pesocal", b, q)).AsString();
      for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c)
        buffer.exit(c, q) = t.FieldByName(column("uscite", c, q)).AsString();
    }
  }
  t.Close();
  return found;
}

ProgramEditorModel Programs::editorModelOf(const ProgramBuffer& program, int m) {
  ProgramEditorModel e;
  e.description = program.description;
  e.code = program.code;
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q) {
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c) {
      e.name(c, q) = program.name(c, q);
      e.min(c, q) = program::toEditorText(program.boundary(c, q), m);
      e.max(c, q) = program::toEditorText(program.boundary(c + 1, q), m);
    }
    for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c)
      for (int x = 0; x < ProgramEditorModel::kExits; ++x) e.exit(c, x, q) = program.exit(c, q).mid(2 * x, 2);
  }
  return e;
}

void Programs::ShowProgramInEditor(const QString& code) {
  LoadProgram(code);
  editing = editorModelOf(buffer, config_.xmoltiply);
  editor_.showModel();
}

bool Programs::StoreProgram(const QString& code) {
  const int m = config_.xmoltiply;
  const ProgramEditorModel& e = editing;
  ProgramBuffer b = buffer;
  b.description = e.description;
  b.code = e.code;
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q) {
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c) b.name(c, q) = e.name(c, q);
    for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c) b.exit(c, q) = e.exitText(c, q);
    for (int bb = 1; bb <= ProgramBuffer::kBoundaries; ++bb) {
      const QString& typed = e.weight(bb, q);
      std::optional<QString> stored = m >= 2 ? program::toStoredUnits(typed, m) : std::optional<QString>(typed);
      // Every weight must be a whole number before anything is written.
      if (!stored || (!stored->isEmpty() && !text::strictInt(stored->trimmed()))) {
        ui_.message(tr("'%1' non è un valore intero valido (peso %2 della qualità %3)").arg(typed).arg(bb).arg(q),
                    ModalUi::Icon::Error);
        return false;
      }
      b.boundary(bb, q) = *stored;
    }
  }
  buffer = b;

  TTable& t = data_.Table1;
  if (!t.Open()) return false;
  const bool found = t.FindKey(code);
  if (found) {
    t.Edit();
  } else {
    t.Insert();
    t.FieldByName(QStringLiteral("codiceprog")).SetAsString(code);
  }
  t.FieldByName(QStringLiteral("descrizione")).SetAsString(buffer.description);
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q) {
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c)
      t.FieldByName(column("nomecal", c, q)).SetAsString(buffer.name(c, q));
    for (int bb = 1; bb <= ProgramBuffer::kBoundaries; ++bb)
      t.FieldByName(column("pesocal", bb, q)).SetAsString(buffer.boundary(bb, q));
    for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c)
      t.FieldByName(column("uscite", c, q))
          .SetAsString(found ? text::fixedLeft(buffer.exit(c, q), 10) : buffer.exit(c, q));
  }
  const bool stored = t.Post();
  if (!stored) t.Cancel();
  t.Close();
  return stored;
}

void Programs::ClearEditor() {
  editing.description.clear();
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q)
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c) {
      editing.name(c, q).clear();
      editing.min(c, q).clear();
      editing.max(c, q).clear();
    }
  editor_.showModel();
}

void Programs::RefreshProgramList() {
  list_.clear();
  TTable& t = data_.Table1;
  if (t.Exists() && t.Open()) {
    for (t.First(); !t.Eof() && list_.size() < kMaxPrograms; t.Next()) {
      const QString code = t.FieldByName(QStringLiteral("codiceprog")).AsString();
      list_.append({code, code + QStringLiteral("  ") + t.FieldByName(QStringLiteral("descrizione")).AsString()});
    }
    t.Close();
  }
  listWindow_.setEntries(list_);
  if (onProgramListChanged) onProgramListChanged(list_);
}

void Programs::ShowCurrentProgram(int currentProgram) {
  if (!display_) return;
  if (currentProgram < 1) {
    display_->showNoProgram();
    return;
  }
  // The editor and what the operator may be typing in it are not touched.
  LoadProgram(program::code(currentProgram));
  display_->showProgramDescription(buffer.description);
  const int m = config_.xmoltiply;
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q)
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c)
      display_->showClass(c, q, buffer.name(c, q),
                          program::toRangeText(buffer.boundary(c, q), m) + QLatin1Char('-') +
                              program::toRangeText(buffer.boundary(c + 1, q), m));
}

void Programs::DeleteProgram(const QString& code) {
  TTable& t = data_.Table1;
  if (!t.Open()) return;
  if (t.FindKey(code)) t.Delete();
  t.Close();
}

QString Programs::weightValue(const ProgramEditorModel& program, int b, int q) const {
  const QString& typed = program.weight(b, q);
  const int m = config_.xmoltiply;
  // A weight that cannot be converted is sent as 0, never as other characters.
  const QString value = m < 2 ? typed : program::toStoredUnits(typed, m).value_or(QStringLiteral("0"));
  return text::fixedRight(value.left(3), 3, QLatin1Char('0'));
}

void Programs::PrepareProgramLines(int programNumber, const ProgramEditorModel& program) {
  const QByteArray number = digitsOnly(text::fixedRight(QString::number(programNumber), 2));
  for (int l = 0; l < 4; ++l) {
    const int q = config_.qualitaL[l] + 1;  // quality 1 to 5 graded on line l + 1
    QByteArray line = number + QByteArray::number(l);
    if (q >= 1 && q <= ProgramBuffer::kQualities)
      for (int b = 1; b <= ProgramBuffer::kBoundaries; ++b) line += digitsOnly(weightValue(program, b, q));
    transfer.weightLines[l] = line;
    for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c) {
      // The reject quality has no program: its line's classes get no exit.
      QString exits = q >= 1 && q <= ProgramBuffer::kQualities ? program.exitText(c, q).left(8) : QString();
      exits = exits.leftJustified(8, QLatin1Char('0'));
      transfer.exitLines[l][c - 1] =
          digitsOnly(text::fixedRight(QString::number(c), 2)) + QByteArray::number(l) + digitsOnly(exits);
    }
  }
}

void Programs::LoadProgramForBoard(int n, int lastBoardState) {
  LoadProgram(program::code(n));
  PrepareProgramLines(n, editorModelOf(buffer, config_.xmoltiply));
  if (lastBoardState > 0) transfer.StartProgramTransfer();
}

void ProgramTransfer::StartProgramTransfer() {
  running = true;
  phase = 1;
  step = 1;
  progress = 0;
  linesSent = 0;
  failedLine.clear();
}

bool ProgramTransfer::send(cSelvik& link, const QByteArray& letter, const QByteArray& payload) {
  if (!link.SendCommand(letter, payload)) {
    failedLine = letter + payload;
    running = false;
    return false;
  }
  ++linesSent;
  return true;
}

bool ProgramTransfer::TransferStep(cSelvik& link) {
  if (!running) return false;
  switch (phase) {
    case 1:
      if (!send(link, "F", weightLines[step - 1])) return false;
      if (step <= 3) progress += 25;
      if (++step > 4) {
        step = 0;
        phase = 2;
      }
      break;
    case 2:
    case 3:
    case 4:
    case 5: {
      const int line = phase - 1;  // weighing line 1 to 4
      if (step > 0) {
        if (!send(link, "G", exitLines[line - 1][step - 1])) return false;
        progress += 2;
      }
      if (++step == 13) {
        step = phase <= 2 ? 0 : 1;
        ++phase;
      }
      break;
    }
    default:
      running = false;
      break;
  }
  return running;
}
