#pragma once

#include <QDialog>
#include <functional>

#include "lots/lotarchive.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The archive search "Ricerca Bolle": the lots of a date range, a producer, a delivery
// note or a program, listed like the lot list; a lot of the list is opened in the lot
// editor or printed, and the lots listed are exported for the host computer.
class TRicercaBolle : public QDialog {
  Q_OBJECT

 public:
  explicit TRicercaBolle(QWidget* parent = nullptr);

  // The criteria as typed.
  LotFilter filter() const;
  // The program choice: "" (every program) and the program list's codes and texts.
  void setPrograms(const QStringList& codes, const QStringList& texts);
  void setResult(const QList<ListWindow::Entry>& entries);
  // The lot of the selected entry; 0 when none is selected.
  int selectedLot() const;
  void selectRow(int row);

  // Every lot listed, in the list's order.
  const QList<int>& listed() const { return lots_; }

  std::function<void()> onSearch;
  std::function<void(int)> onOpen;
  std::function<void(int)> onPrint;
  std::function<void(const QList<int>&)> onExport;
  std::function<void()> onChangeProducer;

  QCheckBox* FiltroData = nullptr;
  QDateEdit* DataDa = nullptr;
  QDateEdit* DataA = nullptr;
  QLineEdit* CodProd = nullptr;
  QLineEdit* NomeProd = nullptr;
  QPushButton* Cambia = nullptr;
  QLineEdit* Bolla = nullptr;
  QComboBox* Programma = nullptr;
  QPushButton* Cerca = nullptr;
  QLineEdit* NumMax = nullptr;
  QListWidget* ListaBox = nullptr;
  QPushButton* Apri = nullptr;
  QPushButton* Stampa = nullptr;
  QPushButton* Esporta = nullptr;

 private:
  QList<int> lots_;
};
