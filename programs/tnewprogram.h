#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>

#include "base/machine.h"
#include "programs/programeditormodel.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ModalUi;

// The program editor: the description and, for each of the four qualities, the names of
// the 15 classes, their lower and upper weight limits and the exits of classes 1 to 12.
// It shows and edits a ProgramEditorModel: every change of a field is written into the
// model at once, and showModel() fills the fields from it. It keeps the typed values in
// shape: field lengths, the upper limit of a class equal to the lower limit of the next,
// weights rounded to the weight multiplier, empty weights stored as 0.
class TNewProgram : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;
  static constexpr int kExitClasses = machine::kExitClasses;

  explicit TNewProgram(ModalUi& ui, QWidget* parent = nullptr);

  // The model the window shows and edits; it must outlive the window's use of it.
  void bind(ProgramEditorModel& model);
  ProgramEditorModel* model() const { return model_; }
  // Fills every field from the model, with the neighbour link off (as a load does).
  void showModel();

  QLineEdit* NomeProgramma = nullptr;
  QLineEdit* codprog = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QPushButton* Button1 = nullptr;

  QLineEdit* nomeCal(int c, int q) const;
  QLineEdit* pesoCalMin(int c, int q) const;
  QLineEdit* pesoCalMax(int c, int q) const;
  // Exit x (0 to 3: a to d) of class c (1 to 12).
  QLineEdit* uscita(int c, int x, int q) const;

  // The weight multiplier `xmoltiply`; above 1 each weight field takes one more character.
  void setMultiplier(int m);
  int multiplier() const { return m_; }
  // Off while the fields are filled from a program, on from the moment the window shows.
  void setNeighbourLink(bool on) { neighbourLink_ = on; }
  bool neighbourLink() const { return neighbourLink_; }

  // What "Salva" does before the window closes: the window closes only when it answers
  // true, so a refused save keeps everything typed. saved() tells whether it closed so.
  void setSaveAction(std::function<bool()> save) {
    save_ = std::move(save);
    saved_ = false;
  }
  bool saved() const { return saved_; }

  // The handlers, callable directly.
  void FormShow();
  void weightChanged(QLineEdit* field);
  void weightLeft(QLineEdit* field);
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildPage(int q);
  static void keepLength(QLineEdit* field, int maxLength);
  // The field's length: one more than the digits of the largest limit, 999 times the
  // multiplier (4 below 2, 5 up to 10, 6 from 11 on, so 10989 shows whole).
  int weightMaxLength() const { return static_cast<int>(QString::number(999LL * std::max(m_, 1)).size()) + 1; }
  void copyToNeighbour(QLineEdit* field);

  void syncToModel(QLineEdit* field);

  ModalUi& ui_;
  std::function<bool()> save_;
  bool saved_ = false;
  ProgramEditorModel* model_ = nullptr;
  bool loading_ = false;
  QHash<QLineEdit*, QString*> modelField_;  // field -> its text in the model (after bind)
  int m_ = 0;
  bool neighbourLink_ = false;
  QLineEdit* guard_ = nullptr;  // the weight field the editor itself is rewriting
  std::array<QLineEdit*, kClasses * kQualities> names_{};
  std::array<QLineEdit*, kClasses * kQualities> mins_{};
  std::array<QLineEdit*, kClasses * kQualities> maxs_{};
  std::array<QLineEdit*, kExitClasses * 4 * kQualities> exits_{};
  QHash<QLineEdit*, std::pair<int, int>> weightPlace_;  // field -> (class, quality), max negative
};
