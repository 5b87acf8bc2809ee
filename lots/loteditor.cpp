#include "lots/loteditor.h"

#include <QCoreApplication>
#include <QDialog>
#include <cmath>

#include "base/modalui.h"
#include "base/text.h"
#include "config/machineconfig.h"
#include "lots/lotarchive.h"
#include "lots/producers.h"
#include "programs/programs.h"
#include "sampling/runningtotals.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("LotEditor", s); }

qint64 wholeOrZero(const QString& t) {
  bool ok = false;
  const qint64 v = t.trimmed().toLongLong(&ok);
  return ok ? v : 0;
}

QString percent(double fraction) { return RunningTotals::percentText(fraction * 100.0); }
}  // namespace

LotEditor::LotEditor(LotRecord& record, LotEditorModel& model, Programs& programs, Producers& producers,
                     const MachineConfig& config, ModalUi& ui)
    : record_(record), model_(model), programs_(programs), producers_(producers), config_(config), ui_(ui) {}

bool LotEditor::inGrams() const { return config_.totaligrammi == 1; }
int LotEditor::multiplier() const { return std::max(config_.xmoltiply, 1); }

void LotEditor::changed() {
  if (onChanged) onChanged();
}

void LotEditor::prepareNewLot() {
  model_.programs = programs_.programList();
  // The label and the choice always name the same program: the list's first, which the
  // lot is stored with unless the operator chooses another.
  model_.programChoice = model_.programs.isEmpty() ? -1 : 0;
  if (model_.programs.isEmpty()) {
    model_.programLabel.clear();
    showProgram(0);
  } else {
    programChosen(0);
  }
  record_.clearTotals();
  model_.numero.clear();
  model_.codProd.clear();
  model_.nomeProd.clear();
  model_.note.clear();
  model_.totalePart.clear();
  model_.codBar.clear();
  model_.corr = false;
  model_.totalsEnabled = true;
  model_.changed.fill(false);
  refreshLotEditor();
  changed();
}

void LotEditor::showProgram(int n) {
  const bool loaded = n >= 1 && n <= 99 && programs_.LoadProgram(program::code(n));
  const int m = multiplier();
  for (int q = 1; q <= LotEditorModel::kQualities; ++q)
    for (int c = 1; c <= LotEditorModel::kClasses; ++c) {
      const int i = LotEditorModel::cell(c, q);
      // A missing program shows no class: never the classes of the program read before.
      if (!loaded) {
        model_.names[i].clear();
        model_.ranges[i].clear();
        continue;
      }
      const ProgramBuffer& p = programs_.buffer;
      model_.names[i] = p.name(c, q);
      model_.ranges[i] = program::toRangeText(p.boundary(c, q), m) + QLatin1Char('-') +
                         program::toRangeText(p.boundary(c + 1, q), m);
    }
  changed();
}

bool LotEditor::openLotInEditor(int n, LotArchive& archive) {
  if (!archive.loadLot(n, record_)) return false;
  model_.programs = programs_.programList();
  model_.programLabel = record_.programma;
  std::optional<int> number = text::strictInt(record_.programma.trimmed());
  if (number) {
    if (!(*number >= 1 && *number <= 99 && programs_.LoadProgram(program::code(*number)))) {
      // The lot's program is no longer in the archive: the operator picks the one to
      // show it with, and the lot is stored with that program's code.
      programs_.RefreshProgramList();
      model_.programs = programs_.programList();
      if (model_.programs.isEmpty()) {
        ui_.message(tr("Archivio Programmi Vuoto, Rilavorazione impossibile."), ModalUi::Icon::Information);
      } else if (programList_) {
        programList_->borrow(tr("Caricamento Programma "), tr("Numero Programmi"),
                             tr("Programma dell archivio INESISTENTE, selezionarne uno dalla lista."));
        programList_->clearChoice();
        if (ui_.exec(*programList_) == QDialog::Accepted && programList_->chosenIndex() >= 0) {
          const QString code = programList_->chosenCode().trimmed();
          record_.programma = code;
          model_.programLabel = code;
          number = text::strictInt(code);
        }
        programList_->restore();
      }
    }
  }
  // A lot without a program code shows no class.
  showProgram(number.value_or(0));
  model_.programChoice = -1;
  for (int i = 0; number && i < model_.programs.size(); ++i)
    if (text::strictInt(model_.programs[i].code.trimmed()) == number) model_.programChoice = i;
  record_.producerName = producers_.loadProducer(record_.produttore).value_or(QString());
  fillLotData();
  model_.changed.fill(false);
  refreshLotEditor();
  return true;
}

namespace {
// The lot's data as the editor shows them and as the record keeps them.
constexpr std::pair<QString LotEditorModel::*, QString LotRecord::*> kLotData[] = {
    {&LotEditorModel::numero, &LotRecord::bolla},          {&LotEditorModel::note, &LotRecord::note},
    {&LotEditorModel::codProd, &LotRecord::produttore},    {&LotEditorModel::nomeProd, &LotRecord::producerName},
    {&LotEditorModel::totalePart, &LotRecord::totpartita}, {&LotEditorModel::codBar, &LotRecord::codicebarre},
};
}  // namespace

void LotEditor::fillLotData() {
  for (const auto& [shown, kept] : kLotData) model_.*shown = record_.*kept;
  model_.date = record_.date;
  model_.time = record_.time;
}

void LotEditor::refreshLotEditor() {
  const qint64 P = wholeOrZero(model_.totalePart);
  const bool projected = model_.corr && P != 0;
  std::array<qint64, LotEditorModel::kCells> t{};
  std::array<qint64, 4> S{};
  for (int q = 1; q <= LotEditorModel::kQualities; ++q)
    for (int c = 1; c <= LotEditorModel::kClasses; ++c) {
      t[LotEditorModel::cell(c, q)] = wholeOrZero(record_.t(c, q));
      S[q - 1] += t[LotEditorModel::cell(c, q)];
    }
  const qint64 t5 = wholeOrZero(record_.totq5);
  const qint64 G = S[0] + S[1] + S[2] + S[3] + t5;
  const auto f = [G](qint64 v) { return G >= 1 ? static_cast<double>(v) / static_cast<double>(G) : 0.0; };
  const QString zero = percent(0);

  if (!projected) {
    model_.unit = inGrams() ? QStringLiteral("gr") : QStringLiteral("Kg");
    const auto shown = [this](qint64 grams) { return RunningTotals::totalText(grams, inGrams()); };
    for (int i = 0; i < LotEditorModel::kCells; ++i) {
      model_.totals[i] = shown(t[i]);
      model_.percents[i] = G < 1 ? zero : percent(f(t[i]));
    }
    for (int q = 0; q < 4; ++q) {
      model_.qualityTotals[q] = shown(S[q]);
      model_.qualityPercents[q] = G < 1 ? zero : percent(f(S[q]));
    }
    model_.totals[LotEditorModel::kQ5] = shown(t5);
    model_.qualityPercents[4] = G < 1 ? zero : percent(f(t5));
    model_.totale = shown(G);
  } else {
    // The sample's shares projected onto the lot quantity, in whole kilograms of the lot.
    model_.unit = QStringLiteral("Kg");
    const double lotGrams = static_cast<double>(P) * 1000.0;
    const auto kg = [](double grams) { return QString::number(std::llround(grams) / 1000).rightJustified(8); };
    for (int i = 0; i < LotEditorModel::kCells; ++i) {
      model_.totals[i] = G < 1 ? kg(0) : kg(lotGrams * f(t[i]));
      model_.percents[i] = G < 1 ? zero : percent(f(t[i]));
    }
    for (int q = 0; q < 4; ++q) {
      model_.qualityTotals[q] = G < 1 ? kg(0) : kg(lotGrams * f(S[q]));
      model_.qualityPercents[q] = G < 1 ? zero : percent(f(S[q]));
    }
    model_.totals[LotEditorModel::kQ5] = G < 1 ? kg(0) : kg(lotGrams * f(t5));
    model_.qualityPercents[4] = G < 1 ? zero : percent(f(t5));
    model_.totale = G < 1 ? kg(0) : QString::number(P).rightJustified(8);
  }
  model_.changed.fill(false);
  changed();
}

std::optional<qint64> LotEditor::kilogramsToGrams(const QString& text) {
  QString t = text.trimmed();
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double kg = t.toDouble(&ok);
  if (!ok || !std::isfinite(kg)) return std::nullopt;
  return std::llround(kg * 1000.0);
}

void LotEditor::takeEdits() {
  // Projected kilograms of the lot are shown, never taken as the sample's grams.
  if (model_.corr && wholeOrZero(model_.totalePart) != 0) return;
  for (int i = 0; i <= LotEditorModel::kCells; ++i) {
    QString& target = i == LotEditorModel::kQ5 ? record_.totq5 : record_.tot[i];
    const QString typed = model_.totals[i].trimmed();
    if (inGrams()) {
      target = typed;
    } else if (model_.changed[i]) {
      // Kilograms become whole grams; a text that is no number is kept, so the store
      // refuses it naming the field.
      const auto grams = kilogramsToGrams(typed);
      target = grams ? QString::number(*grams) : typed;
    }
  }
}

void LotEditor::programChosen(int index) {
  if (index < 0 || index >= model_.programs.size()) return;
  model_.programChoice = index;
  QString code = model_.programs[index].code;
  if (code.startsWith(QLatin1Char(' '))) code[0] = QLatin1Char('0');
  model_.programLabel = code;
  showProgram(text::lenientInt(code));
}

void LotEditor::totalLeft() {
  takeEdits();
  refreshLotEditor();
}

void LotEditor::corrClicked(bool ticked) {
  // The projection needs a lot quantity.
  if (ticked && wholeOrZero(model_.totalePart) == 0) ticked = false;
  if (!model_.corr && ticked) takeEdits();
  model_.corr = ticked;
  model_.totalsEnabled = !ticked;
  refreshLotEditor();
}

void LotEditor::changeProducer() {
  if (!producerList_) return;
  if (const auto chosen = chooseProducer(producers_, *producerList_, ui_)) {
    model_.nomeProd = chosen->name;
    model_.codProd = chosen->code;
  }
  changed();
}

QString LotEditor::limitedNote(const QString& text) {
  const QString joined = joinedNote(text);
  return joined.size() > LotEditorModel::kNoteLength ? joined.left(LotEditorModel::kNoteLength) : text;
}

const LotRecord& LotEditor::takeAll() {
  takeEdits();
  record_.programma = model_.programLabel;
  for (const auto& [shown, kept] : kLotData) record_.*kept = model_.*shown;
  record_.date = model_.date;
  record_.time = model_.time;
  return record_;
}
