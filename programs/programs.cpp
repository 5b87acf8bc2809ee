#include "programs/programs.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <QSet>

#include "base/eventlog.h"
#include "base/modalui.h"
#include "base/text.h"
#include "config/machineconfig.h"
#include "db/databaseacc.h"
#include "link/cSelvik.h"
#include "programs/tnewprogram.h"

namespace {

QString tr(const char* s) { return QCoreApplication::translate("Programs", s); }

QString column(const char* prefix, int i, int q) { return QStringLiteral("%1%2q%3").arg(QLatin1String(prefix)).arg(i).arg(q); }

constexpr int kMaxPrograms = 999;

}  // namespace

Programs::Programs(TDataModule1& data, TNewProgram* editor, TListaProgrammi* list, const MachineConfig& config,
                   ModalUi& ui)
    : data_(data), editor_(editor), listWindow_(list), config_(config), ui_(ui) {
  if (editor_) editor_->bind(editing);
}

bool Programs::LoadProgram(const QString& code) { return loadRow(code, nullptr); }

bool Programs::loadRow(const QString& code, QVector<QVariant>* row) {
  TTable& t = data_.Table1;
  if (!t.Open()) return false;
  const bool found = t.FindKey(code);
  if (found) {
    if (row) *row = t.currentRow();
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

bool Programs::ShowProgramInEditor(const QString& code) {
  QVector<QVariant> row;
  if (!loadRow(code, &row)) return false;
  // The row as the editor opened on it: a save compares with this, not with a row read
  // again just before it, so another station's change meanwhile is not overwritten.
  openedCode_ = buffer.code;
  openedRow_ = row;
  editing = editorModelOf(buffer, config_.xmoltiply);
  if (editor_) editor_->showModel();
  return true;
}

bool Programs::StoreProgram(const QString& requestedCode, StoreMode mode) {
  QString code = requestedCode;
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
      // Every weight must be a whole number of 0 or more before anything is written.
      const auto value = stored ? text::strictInt(stored->trimmed()) : std::nullopt;
      if (!stored || (!stored->isEmpty() && (!value || *value < 0))) {
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
  bool found = t.FindKey(code);
  if (found && mode == StoreMode::New) {
    // Another station took the announced code meanwhile: a new program never replaces a
    // stored one; it goes under the smallest free code, and the operator is told.
    t.Close();
    RefreshProgramList();
    const QString free = freeCode();
    if (free.isEmpty()) {
      ui_.message(allCodesUsedMessage(), ModalUi::Icon::Error);
      return false;
    }
    ui_.message(tr("Il codice %1 è stato usato nel frattempo da un'altra stazione: il programma è salvato con il codice %2.")
                    .arg(code, free),
                ModalUi::Icon::Information);
    code = free;
    editing.code = free;
    buffer.code = free;
    if (editor_) editor_->showModel();
    if (!t.Open()) return false;
    found = false;
  }
  if (found) {
    if (openedCode_ == code && !openedRow_.isEmpty()) t.EditFrom(openedRow_);
    else t.Edit();
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
  if (stored) {
    // What is stored now is what a next save compares with.
    openedCode_ = code;
    openedRow_ = t.currentRow();
  }
  t.Close();
  return stored;
}

QString Programs::freeCode(int announced) const {
  QSet<QString> taken;
  for (const ProgramEntry& e : list_) taken.insert(e.code);
  if (announced >= 1 && announced <= 99 && !taken.contains(program::code(announced))) return program::code(announced);
  for (int n = 1; n <= 99; ++n)
    if (!taken.contains(program::code(n))) return program::code(n);
  return {};
}

QString Programs::notInArchiveMessage(const QString& code) {
  return tr("Il programma %1 non è presente nell'archivio.").arg(code);
}

QString Programs::allCodesUsedMessage() {
  return tr("Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.");
}

QString Programs::missingText(int n) { return tr("Programma %1 non presente in archivio").arg(program::code(n)); }

void Programs::ClearEditor() {
  editing.description.clear();
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q)
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c) {
      editing.name(c, q).clear();
      editing.min(c, q).clear();
      editing.max(c, q).clear();
    }
  if (editor_) editor_->showModel();
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
  if (listWindow_) listWindow_->setEntries(list_);
  if (onProgramListChanged) onProgramListChanged(list_);
}

bool Programs::ShowCurrentProgram(int currentProgram) {
  if (!display_) return true;
  if (currentProgram < 1) {
    display_->showNoProgram();
    return true;
  }
  // The editor and what the operator may be typing in it are not touched.
  if (currentProgram > 99 || !LoadProgram(program::code(currentProgram))) {
    // Never the data of another program: the board's program is not in the archive.
    display_->showMissingProgram(currentProgram, missingText(currentProgram));
    log(QStringLiteral("programma %1 non presente in archivio\r\n").arg(currentProgram));
    return false;
  }
  display_->showProgramDescription(buffer.description);
  const int m = config_.xmoltiply;
  for (int q = 1; q <= ProgramBuffer::kQualities; ++q)
    for (int c = 1; c <= ProgramBuffer::kClasses; ++c)
      display_->showClass(c, q, buffer.name(c, q),
                          program::toRangeText(buffer.boundary(c, q), m) + QLatin1Char('-') +
                              program::toRangeText(buffer.boundary(c + 1, q), m));
  return true;
}

void Programs::log(const QString& message) {
  if (log_) log_->append(message);
}

void Programs::DeleteProgram(const QString& code) {
  TTable& t = data_.Table1;
  if (!t.Open()) return;
  if (t.FindKey(code)) t.Delete();
  t.Close();
}

std::optional<int> Programs::weightValue(const ProgramEditorModel& program, int b, int q) const {
  const QString& typed = program.weight(b, q);
  const int m = config_.xmoltiply;
  const std::optional<QString> stored = m < 2 ? std::optional<QString>(typed) : program::toStoredUnits(typed, m);
  if (!stored) return std::nullopt;
  const auto v = text::strictInt(stored->trimmed());
  // The board takes three digits: 0 to 999 units.
  if (!v || *v < 0 || *v > 999) return std::nullopt;
  return v;
}

std::optional<QString> Programs::PrepareProgramLines(int programNumber, const ProgramEditorModel& program) {
  if (programNumber < 0 || programNumber > 99) return tr("Il numero di programma %1 non può essere inviato alla centralina").arg(programNumber);
  const auto refused = [&](int q, int c, const QString& field, const QString& value, const QString& rule) {
    return tr("Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 '%5' non valido (%6)")
        .arg(program::code(programNumber))
        .arg(q)
        .arg(c)
        .arg(field, value, rule);
  };
  // Everything is checked before a line is built: a program that does not fit the board's
  // layouts is never sent cut, padded or garbled.
  std::array<QByteArray, 4> weights;
  std::array<std::array<QByteArray, 12>, 4> exits;
  const QByteArray number = QByteArray::number(programNumber).rightJustified(2, '0');
  for (int l = 0; l < machine::kWeighingLines; ++l) {
    const int q = config_.qualitaL[l] + 1;  // quality 1 to 5 graded on line l + 1
    const bool graded = q >= 1 && q <= ProgramBuffer::kQualities;
    QByteArray line = number + QByteArray::number(l);
    if (graded) {
      for (int b = 1; b <= ProgramBuffer::kBoundaries; ++b) {
        const auto v = weightValue(program, b, q);
        if (!v)
          return refused(q, b <= 15 ? b : 15, b <= 15 ? tr("peso minimo") : tr("peso massimo"), program.weight(b, q),
                         tr("ci vuole un numero intero da 0 a %1").arg(999 * std::max(1, config_.xmoltiply)));
        line += QByteArray::number(*v).rightJustified(3, '0');
      }
    }
    weights[l] = line;
    for (int c = 1; c <= ProgramBuffer::kExitClasses; ++c) {
      QByteArray e;
      if (graded) {
        for (int x = 0; x < ProgramEditorModel::kExits; ++x) {
          const QString& exit = program.exit(c, x, q);
          const bool digits = exit.size() == 2 && exit.at(0).isDigit() && exit.at(1).isDigit() &&
                              exit.at(0).unicode() < 128 && exit.at(1).unicode() < 128;
          if (!digits)
            return refused(q, c, tr("uscita %1").arg(QChar('a' + x)), exit, tr("ci vogliono due cifre"));
          e += exit.toLatin1();
        }
      } else {
        e = "00000000";  // the reject quality has no program: its line's classes get no exit
      }
      exits[l][c - 1] = QByteArray::number(c).rightJustified(2, '0') + QByteArray::number(l) + e;
    }
  }
  transfer.weightLines = weights;
  transfer.exitLines = exits;
  return std::nullopt;
}

Programs::BoardLoad Programs::LoadProgramForBoard(int n, int lastBoardState) {
  // Only a program the archive holds, whole and in the board's layouts, is ever sent.
  if (n < 1 || n > 99 || !LoadProgram(program::code(n))) {
    log(QStringLiteral("programma %1 non presente in archivio: non inviato\r\n").arg(n));
    if (display_) display_->showMissingProgram(n, missingText(n));
    return {BoardLoad::Missing, tr("Il programma %1 non è presente nell'archivio: non è stato inviato alla centralina.")
                                    .arg(program::code(n))};
  }
  if (const auto error = PrepareProgramLines(n, editorModelOf(buffer, config_.xmoltiply))) {
    log(QStringLiteral("programma %1 non inviato: %2\r\n").arg(n).arg(*error));
    return {BoardLoad::Refused, *error};
  }
  if (lastBoardState > 0) transfer.StartProgramTransfer();
  return {BoardLoad::Loaded, {}};
}

std::optional<QString> Programs::SendEditedProgram(int n, int lastBoardState, const ProgramEditorModel& edited) {
  ShowCurrentProgram(n);
  if (auto error = PrepareProgramLines(n, edited)) return error;
  if (lastBoardState > 0) transfer.StartProgramTransfer();
  return std::nullopt;
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
