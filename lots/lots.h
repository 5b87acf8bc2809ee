#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "lots/costs.h"
#include "lots/lotarchive.h"
#include "lots/loteditor.h"
#include "lots/loteditormodel.h"
#include "lots/lotrecord.h"
#include "lots/producers.h"
#include "lots/tmoddati.h"

class ModalUi;
class Programs;
class TDataModule1;
class TImpAzienda;
class TImpCosti;
class TListaBolla;
class TListaProgrammi;
class TNewBolla;
class TRicercaBolle;
struct MachineConfig;

// The windows of the lots, created once by the main window.
struct LotWindows {
  TNewBolla* editor = nullptr;
  TListaBolla* list = nullptr;
  TModDati* data = nullptr;
  TListaProduttori* producerList = nullptr;
  TProduttori* producer = nullptr;
  TImpCosti* costs = nullptr;
  TImpAzienda* company = nullptr;
  TRicercaBolle* search = nullptr;
  TListaProgrammi* programList = nullptr;
};

// The lots and producers on the window's side: the lot record, the lot editor and its
// model, the lot data of the lot in progress, the archive of lots and the producers, the
// crew costs and the company header, and the commands of the menus "Bolle" and
// "Produttori", F3 and the two settings dialogs.
class Lots {
 public:
  Lots(TDataModule1& data, Programs& programs, const MachineConfig& config, ModalUi& ui, const QDir& workDir,
       const LotWindows& windows);

  LotRecord record;
  LotEditorModel model;
  LotData lotData;
  crew::CostModel costs;
  QStringList companyHeader;
  LotArchive archive;
  Producers producers;
  LotEditor editor;

  // Whether the start-up found a lot in progress (the archive cannot be emptied then).
  std::function<bool()> lotInProgress = [] { return false; };
  // The crew costs taken over (at start-up and on "Salva").
  std::function<void(const crew::Taken&)> onCostsTaken;

  // Menu "Bolle".
  void NuovaBollaClick();
  void ModificaBollaClick();
  void CancellaBollaClick();
  void AzzeramentoBolleClick();
  void OpzioniArchivioClick();
  // F3: true when the operator confirmed; on cancel the producer, note and delivery note
  // are as they were.
  bool Dati1Click();

  // Menu "Produttori".
  void ModificaProduttoreClick();
  void NuovoProduttoreClick();
  void CancellaProduttoreClick();

  // "Costi personale" and "Dati azienda"; true when confirmed and stored.
  bool CostiClick();
  bool AziendaClick();
  // The start-up steps: the company header and the crew costs from their files.
  void loadCompanyHeader();
  void loadCosts();

  // Edits stored lot n in the lot editor (the lot list and the archive search).
  void editLot(int n);

 private:
  void searchArchive();
  // The lot or producer the operator picks in its list; nothing when cancelled.
  std::optional<int> pickLot();
  std::optional<QString> pickProducer();
  // The producer window's code must be a whole number (the operator is told otherwise).
  bool codeIsWhole(const TProduttori& w);

  Programs& programs_;
  ModalUi& ui_;
  QDir workDir_;
  LotWindows windows_;
  QString producerName_;  // the producer name of the last look-up
};
