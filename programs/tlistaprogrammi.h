#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// One entry of the program list: the code, two blanks and the description.
struct ProgramEntry {
  QString code;
  QString text;
};

// The program list window: the number of programs and one fixed-pitch entry per program,
// in code order. Choosing an entry (click, or Enter) closes it with OK.
class TListaProgrammi : public QDialog {
  Q_OBJECT

 public:
  explicit TListaProgrammi(QWidget* parent = nullptr);

  QLineEdit* NumMax = nullptr;
  QListWidget* ListaBox = nullptr;

  void setEntries(const QList<ProgramEntry>& entries);
  const QList<ProgramEntry>& entries() const { return entries_; }

  // The chosen entry: its position from 0 and its code; -1 and empty before a choice.
  int chosenIndex() const { return chosen_; }
  QString chosenCode() const { return chosen_ >= 0 ? entries_.value(chosen_).code : QString(); }
  // Chooses the entry at a position and closes with OK (what a click does).
  void choose(int index);
  void clearChoice() { chosen_ = -1; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QList<ProgramEntry> entries_;
  int chosen_ = -1;
};
