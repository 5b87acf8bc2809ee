#include "lots/lots.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>

#include "base/modalui.h"
#include "base/text.h"
#include "config/sidefiles.h"
#include "lots/tlistabolla.h"
#include "lots/tnewbolla.h"
#include "lots/tricercabolle.h"
#include "programs/programs.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("Lots", s); }
// The file whose presence allows the archive to be emptied while a lot is in progress.
constexpr const char* kLotsFile = "bolle.dat";

QString conversionError(const QString& value) { return QCoreApplication::translate("Lots", "'%1' non è un valore intero valido").arg(value); }

// A new lot or producer went under another number than the one its window announced.
void tellIfRenumbered(ModalUi& ui, const QString& text, int stored, int announced) {
  if (stored != announced) ui.message(text.arg(stored).arg(announced), ModalUi::Icon::Information);
}
}  // namespace

Lots::Lots(TDataModule1& data, Programs& programs, const MachineConfig& config, ModalUi& ui, const QDir& workDir,
           const LotWindows& windows)
    : archive(data),
      producers(data),
      editor(record, model, programs, producers, config, ui),
      programs_(programs),
      ui_(ui),
      workDir_(workDir),
      windows_(windows) {
  editor.setProducerList(windows_.producerList);
  editor.setProgramList(windows_.programList);
  if (TNewBolla* w = windows_.editor) {
    w->bind(model);
    editor.onChanged = [w] { w->showModel(); };
    w->onProgramChosen = [this](int index) { editor.programChosen(index); };
    w->onTotalLeft = [this] { editor.totalLeft(); };
    w->onCorrClicked = [this](bool ticked) { editor.corrClicked(ticked); };
    w->onChangeProducer = [this] { editor.changeProducer(); };
  }
  if (TModDati* w = windows_.data) {
    w->bind(lotData);
    w->onChangeProducer = [this] {
      if (!windows_.producerList) return;
      if (const auto chosen = chooseProducer(producers, *windows_.producerList, ui_)) {
        lotData.descrizione = chosen->name;
        lotData.codice = chosen->code;
      }
    };
  }
  if (windows_.costs) windows_.costs->bind(costs);
  if (TRicercaBolle* w = windows_.search) {
    w->onSearch = [this] { searchArchive(); };
    w->onOpen = [this](int n) { editLot(n); };
    w->onChangeProducer = [this, w] {
      if (!windows_.producerList) return;
      if (const auto chosen = chooseProducer(producers, *windows_.producerList, ui_)) {
        w->CodProd->setText(chosen->code);
        w->NomeProd->setText(chosen->name);
      }
    };
  }
}

void Lots::NuovaBollaClick() {
  programs_.RefreshProgramList();
  const LotArchive::Listing listing = archive.buildLotList();
  if (!listing.read) return;  // told
  editor.prepareNewLot();
  const QDateTime now = QDateTime::currentDateTime();
  model.date = now.date();
  model.time = QTime(now.time().hour(), now.time().minute(), now.time().second());
  TNewBolla& w = *windows_.editor;
  const int announced = listing.next;
  w.setWindowTitle(tr("Nuova Bolla N:") + QString::number(announced).rightJustified(5));
  w.saveAction = [this, announced] {
    const std::optional<int> stored = archive.storeLot(announced, editor.takeAll(), LotArchive::StoreMode::New);
    if (!stored) return false;
    tellIfRenumbered(ui_, tr("La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo"),
                     *stored, announced);
    return true;
  };
  ui_.exec(w);
  w.saveAction = {};
}

std::optional<int> Lots::pickLot() {
  const LotArchive::Listing listing = archive.buildLotList();
  if (!listing.read) return std::nullopt;
  TListaBolla& list = *windows_.list;
  list.setEntries(listing.entries);
  list.clearChoice();
  if (ui_.exec(list) != QDialog::Accepted || list.chosenIndex() < 0) return std::nullopt;
  return list.chosenLot();
}

std::optional<QString> Lots::pickProducer() {
  TListaProduttori& list = *windows_.producerList;
  const Producers::Listing listing = producers.buildProducerList();
  if (!listing.read) return std::nullopt;
  list.restore();
  list.setEntries(listing.entries);
  list.clearChoice();
  if (ui_.exec(list) != QDialog::Accepted || list.chosenIndex() < 0) return std::nullopt;
  return list.chosenData().toString();
}

bool Lots::codeIsWhole(const TProduttori& w) {
  if (text::strictInt(w.Edit1->text().trimmed())) return true;
  ui_.message(conversionError(w.Edit1->text()), ModalUi::Icon::Error);
  return false;
}

void Lots::ModificaBollaClick() {
  programs_.RefreshProgramList();
  if (const auto n = pickLot()) editLot(*n);
}

void Lots::editLot(int n) {
  programs_.RefreshProgramList();
  if (!editor.openLotInEditor(n, archive)) {
    ui_.message(tr("La bolla %1 non è più in archivio").arg(n), ModalUi::Icon::Information);
    return;
  }
  TNewBolla& w = *windows_.editor;
  w.setWindowTitle(tr("Modifica Bolla N:") + QString::number(n).rightJustified(3));
  model.corr = false;
  model.totalsEnabled = true;
  editor.refreshLotEditor();
  w.saveAction = [this, n] {
    return archive.storeLot(n, editor.takeAll(), LotArchive::StoreMode::Edit).has_value();
  };
  ui_.exec(w);
  w.saveAction = {};
}

void Lots::CancellaBollaClick() {
  if (const auto n = pickLot()) archive.deleteLot(*n);
}

void Lots::AzzeramentoBolleClick() {
  if (!QFile::exists(workDir_.filePath(QString::fromLatin1(kLotsFile))) && lotInProgress()) {
    ui_.message(tr("Cancellazione non possibile, Bolla precedente in corso."), ModalUi::Icon::Information);
    return;
  }
  if (ui_.message(tr("Cancellare archivio Bolle? non sarà possibile recuperarlo."), ModalUi::Icon::Information,
                  ModalUi::Buttons::YesNo) != ModalUi::Answer::Yes)
    return;
  if (archive.emptyArchive()) ui_.message(tr("Archivio Bolle cancellato!"), ModalUi::Icon::Information);
}

void Lots::OpzioniArchivioClick() {
  TRicercaBolle& w = *windows_.search;
  programs_.RefreshProgramList();
  QStringList codes, texts;
  for (const ProgramEntry& e : programs_.programList()) {
    codes << e.code;
    texts << e.text;
  }
  w.setPrograms(codes, texts);
  searchArchive();
  ui_.exec(w);
}

void Lots::searchArchive() {
  TRicercaBolle& w = *windows_.search;
  const LotFilter filter = w.filter();
  if (filter.from.isValid() && filter.to.isValid() && filter.from > filter.to) {
    ui_.message(tr("La data iniziale viene dopo quella finale"), ModalUi::Icon::Warning);
    return;
  }
  if (!filter.produttore.isEmpty())
    w.NomeProd->setText(producers.loadProducer(filter.produttore).value_or(tr("<nuovo produttore>")));
  else
    w.NomeProd->clear();
  w.setResult(archive.buildLotList(filter).entries);
}

bool Lots::Dati1Click() {
  TModDati& w = *windows_.data;
  const LotData before = lotData;
  if (ui_.exec(w) == QDialog::Accepted) return true;
  // A cancelled change of the producer, the note or the delivery note has no effect; the
  // lot quantity typed stays.
  lotData.codice = before.codice;
  lotData.descrizione = before.descrizione;
  lotData.note = before.note;
  lotData.numero = before.numero;
  w.showData();
  return false;
}

void Lots::ModificaProduttoreClick() {
  const std::optional<QString> chosen = pickProducer();
  if (!chosen) return;
  const QString code = *chosen;
  if (const auto name = producers.loadProducer(code)) producerName_ = *name;
  TProduttori& w = *windows_.producer;
  w.Edit1->setText(code);
  w.Edit2->setText(producerName_);
  // The code is not changed by the edit: whatever number is typed, the producer keeps it.
  w.saveAction = [this, &w, code] {
    if (!codeIsWhole(w)) return false;
    producerName_ = w.Edit2->text();
    return producers.storeProducer(code, producerName_);
  };
  ui_.exec(w);
  w.saveAction = {};
}

void Lots::NuovoProduttoreClick() {
  const Producers::Listing listing = producers.buildProducerList();
  if (!listing.read) return;
  const int announced = listing.next;
  TProduttori& w = *windows_.producer;
  w.Edit1->setText(QString::number(announced));
  w.Edit2->clear();
  w.saveAction = [this, &w, announced] {
    if (!codeIsWhole(w)) return false;
    producerName_ = w.Edit2->text();
    const std::optional<int> stored = producers.newProducer(producerName_);
    if (!stored) return false;
    tellIfRenumbered(ui_,
                     tr("Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo"),
                     *stored, announced);
    return true;
  };
  ui_.exec(w);
  w.saveAction = {};
}

void Lots::CancellaProduttoreClick() {
  if (const auto code = pickProducer()) producers.deleteProducer(*code);
}

void Lots::loadCosts() {
  crew::fromFile(costs, sidefiles::loadCosts(workDir_));
  if (onCostsTaken) onCostsTaken(crew::take(costs));
}

bool Lots::CostiClick() {
  TImpCosti& w = *windows_.costs;
  w.saveAction = [this] {
    sidefiles::Costs file;
    if (const auto error = crew::toFile(costs, &file)) {
      ui_.message(*error, ModalUi::Icon::Error);
      return false;
    }
    if (const auto error = sidefiles::saveCosts(workDir_, file)) {
      ui_.message(*error, ModalUi::Icon::Error);
      return false;
    }
    return true;
  };
  const bool saved = ui_.exec(w) == QDialog::Accepted;
  w.saveAction = {};
  if (saved && onCostsTaken) onCostsTaken(crew::take(costs));
  return saved;
}

void Lots::loadCompanyHeader() { companyHeader = sidefiles::loadCompanyHeader(workDir_); }

bool Lots::AziendaClick() {
  TImpAzienda& w = *windows_.company;
  w.setLines(companyHeader);
  w.saveAction = [this, &w] {
    if (const auto error = sidefiles::saveCompanyHeader(workDir_, w.lines())) {
      ui_.message(*error, ModalUi::Icon::Error);
      return false;
    }
    return true;
  };
  const bool saved = ui_.exec(w) == QDialog::Accepted;
  w.saveAction = {};
  if (saved) loadCompanyHeader();
  return saved;
}
