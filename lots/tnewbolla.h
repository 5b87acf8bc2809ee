#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "lots/loteditormodel.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;

// The lot editor window: the program, the lot data, the 60 class totals of the four
// qualities with their percentages, the quality totals, "Salva" and the recalculation
// "Partita". It shows a LotEditorModel and writes the operator's typing into it; what the
// typing sets off (a total left, a program chosen, "Cambia", "Partita") goes to the
// handlers its owner sets.
class TNewBolla : public QDialog {
  Q_OBJECT

 public:
  explicit TNewBolla(QWidget* parent = nullptr);

  // The model the window shows and edits; until bound, one of its own.
  void bind(LotEditorModel& model) { model_ = &model; }
  LotEditorModel& model() { return *model_; }

  // The handlers of the operator's actions.
  std::function<void(int)> onProgramChosen;
  std::function<void()> onTotalLeft;
  std::function<void(bool)> onCorrClicked;
  std::function<void()> onChangeProducer;
  // What "Salva" runs; the window closes only when it succeeds. None: it just closes.
  std::function<bool()> saveAction;
  bool saved() const { return saved_; }

  // Shows the model again.
  void showModel();

  QLabel* NProgramma = nullptr;
  QComboBox* Programma = nullptr;
  QLineEdit* Numero = nullptr;
  QDateEdit* DataBolla = nullptr;
  QTimeEdit* TimeBolla = nullptr;
  QLineEdit* CodProd = nullptr;
  QPushButton* Cambia = nullptr;
  QLineEdit* NomeProd = nullptr;
  QPlainTextEdit* Note = nullptr;
  QLineEdit* TotalePart = nullptr;
  QPlainTextEdit* cod_bar = nullptr;
  QTabWidget* pages = nullptr;
  QPushButton* Salva = nullptr;
  QCheckBox* Corr = nullptr;

  QLineEdit* totC(int c, int q) const { return totals_[LotEditorModel::cell(c, q)]; }
  QLineEdit* lavoratoQ5() const { return totals_[LotEditorModel::kQ5]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* totalField(int index);
  void bindNote(QPlainTextEdit* field, QString LotEditorModel::*member);

  LotEditorModel own_;
  LotEditorModel* model_ = &own_;
  std::array<QLineEdit*, LotEditorModel::kCells + 1> totals_{};
  std::array<QLabel*, LotEditorModel::kCells> names_{};
  std::array<QLabel*, LotEditorModel::kCells> ranges_{};
  std::array<QLabel*, LotEditorModel::kCells> percents_{};
  std::array<QLineEdit*, 4> qualityTotals_{};
  std::array<QLineEdit*, 5> qualityPercents_{};
  QLineEdit* totale_ = nullptr;
  QList<QLabel*> units_;
  bool saved_ = false;
  bool showing_ = false;  // the model is being shown: the fields' changes are not typing
};
