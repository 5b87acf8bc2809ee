#pragma once

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QString>
#include <functional>
#include <optional>

#include "reports/printboll.h"
#include "reports/printprog.h"
#include "reports/reportoutput.h"

class Lots;
class ModalUi;
class Programs;
class QDateEdit;
class TDataModule1;
class TListaBolla;
class TListaProduttori;
class TListaProgrammi;
struct LotData;
struct MachineConfig;

// The period of the producer's statement: two dates, OK and cancel.
class TPeriodoStampa : public QDialog {
  Q_OBJECT
 public:
  explicit TPeriodoStampa(QWidget* parent = nullptr);
  QDateEdit* DataDa = nullptr;
  QDateEdit* DataA = nullptr;
};

// The prints of the window's side: a stored lot, the lot in progress, a program, a
// producer's lots, the installation. Each gathers its sheet from the archive, builds its
// page and hands it to the report output.
class Reports {
 public:
  struct Windows {
    TListaBolla* lotList = nullptr;
    TListaProgrammi* programList = nullptr;
    TListaProduttori* producerList = nullptr;
    TPeriodoStampa* period = nullptr;
  };
  Reports(TDataModule1& data, Programs& programs, Lots& lots, const MachineConfig& config, ModalUi& ui,
          const QDir& workDir, const Windows& windows);

  // "Preview stampa" of the main window.
  std::function<bool()> preview = [] { return false; };
  ReportOutput& output() { return output_; }

  // The sheets, from the archive; nothing when the lot or its program is not there (the
  // operator is told why).
  std::optional<LotSheet> storedLotSheet(int n, bool projected);
  std::optional<LotSheet> lotInProgressSheet(int currentProgram, const LotData& data, const QString& production,
                                             const QString& cost);
  std::optional<ProgramSheet> programSheet(const QString& code);
  std::optional<ProducerStatement> producerStatement(const QString& code, const QDate& from, const QDate& to);
  InstallationSheet installationSheet(const QStringList& ports) const;
  // The sheet of a configuration not saved yet (the installation dialog's values).
  InstallationSheet installationSheet(const MachineConfig& c) const;

  // "&Stampa" of "&Bolle": a stored lot, projected when "Partita" is ticked and the lot
  // has a quantity.
  void StampaBollaClick();
  // Stored lot n, projected when asked and it has a quantity.
  void printStoredLot(int n, bool projected);
  // F7 after the totals were read again: the lot in progress.
  void printLotInProgress(int currentProgram, const QString& production, const QString& cost);
  // "&Stampa" of "&Programmi".
  void StampaProgrammaClick();
  // "&Stampa" of "Pro&duttori": the chosen producer's lots over a period.
  void StampaProduttoreClick();
  // The installation sheet, on the printer chosen in the print dialog.
  void printInstallation(const InstallationSheet& sheet);

 private:
  QString now() const;
  // Names and weight ranges of a program into a sheet's arrays; false when it is missing.
  bool programInto(const QString& code, std::array<QString, LotSheet::kCells>& names,
                   std::array<QString, LotSheet::kCells>& ranges, QString* description);

  TDataModule1& data_;
  Programs& programs_;
  Lots& lots_;
  const MachineConfig& config_;
  ModalUi& ui_;
  Windows windows_;
  ReportOutput output_;
};
